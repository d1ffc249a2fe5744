#pragma once

#include <cstdint>

// A stack of chips flying across the table: antes into the pot, pots out to their winners.
struct ChipFlight {
    // A seat's nameplate, or the pot.
    struct Point {
        static Point plate(std::int64_t seat) { return Point{false, seat}; }
        static Point pot() { return Point{true, 0}; }

        bool isPot = true;
        // The engine seat index of a plate; unused for the pot.
        std::int64_t seat = 0;
        bool operator==(const Point&) const = default;
    };

    // Unique within one presenter: 1, 2, 3 ... in the order flights are made.
    int id = 0;
    std::int64_t amount = 0;
    Point from;
    Point to;
    // Seconds from the ingest until take-off, and in the air.
    double delay = 0;
    double duration = 0;

    double landing() const { return delay + duration; }
    bool operator==(const ChipFlight&) const = default;
};

// Where a seat's street bet goes when the street ends, and when it starts moving.
struct BetExit {
    enum class Kind { toPot, toPlate };

    static BetExit toPot(double delay) { return BetExit{Kind::toPot, delay}; }
    static BetExit toPlate(double delay) { return BetExit{Kind::toPlate, delay}; }

    Kind kind = Kind::toPot;
    double delay = 0;
    bool operator==(const BetExit&) const = default;
};
