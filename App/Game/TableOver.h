#pragma once

#include <cstdint>
#include <variant>

// How a table ended. While it is set the table stays on screen but no further hand is dealt.
struct TableOver {
    // A quick-hand series is over: the player's chips minus the 2,000 it started with.
    struct HandPlayed {
        std::int64_t net = 0;
        std::int64_t hands = 0;
        bool operator==(const HandPlayed&) const = default;
    };
    // The player's Sit & Go is over.
    struct Finished {
        int place = 0;
        std::int64_t prize = 0;
        bool operator==(const Finished&) const = default;
    };
    // The player has no chips left at a cash table.
    struct HeroBusted {
        bool operator==(const HeroBusted&) const = default;
    };
    // The practice hand has been played.
    struct Practiced {
        bool operator==(const Practiced&) const = default;
    };

    std::variant<HandPlayed, Finished, HeroBusted, Practiced> value;

    static TableOver handPlayed(std::int64_t net, std::int64_t hands) { return {HandPlayed{net, hands}}; }
    static TableOver finished(int place, std::int64_t prize) { return {Finished{place, prize}}; }
    static TableOver heroBusted() { return {HeroBusted{}}; }
    static TableOver practiced() { return {Practiced{}}; }

    bool operator==(const TableOver&) const = default;
};
