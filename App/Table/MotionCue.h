#pragma once

#include <cstdint>
#include <functional>
#include <type_traits>
#include <variant>

// One thing the table animates. Seats are the engine's seat indices, never drawing slots.
class MotionCue {
  public:
    // Hole card 0 or 1 goes to a seat.
    struct DealHole {
        std::int64_t seat = 0;
        std::int64_t card = 0;
        bool operator==(const DealHole&) const = default;
    };
    // A board card lands at position 0...4.
    struct DealBoard {
        std::int64_t index = 0;
        bool operator==(const DealBoard&) const = default;
    };
    // A seat's chips go in as its street bet; blinds are marked.
    struct BetIn {
        std::int64_t seat = 0;
        bool isBlind = false;
        bool operator==(const BetIn&) const = default;
    };
    struct AnteIn {
        std::int64_t seat = 0;
        bool operator==(const AnteIn&) const = default;
    };
    struct Fold {
        std::int64_t seat = 0;
        bool operator==(const Fold&) const = default;
    };
    // The table knock.
    struct Check {
        std::int64_t seat = 0;
        bool operator==(const Check&) const = default;
    };
    // The street's bets are swept into the pot.
    struct Collect {
        bool operator==(const Collect&) const = default;
    };
    // An uncalled bet goes back to its owner.
    struct ReturnBet {
        std::int64_t seat = 0;
        bool operator==(const ReturnBet&) const = default;
    };
    struct Reveal {
        std::int64_t seat = 0;
        bool operator==(const Reveal&) const = default;
    };
    // One winner's share of one pot goes to the winner.
    struct Award {
        std::int64_t pot = 0;
        std::int64_t seat = 0;
        std::int64_t amount = 0;
        bool operator==(const Award&) const = default;
    };
    // A busted player leaves the table.
    struct Eliminate {
        std::int64_t seat = 0;
        bool operator==(const Eliminate&) const = default;
    };
    // The previous hand's cards are cleared away.
    struct ClearTable {
        bool operator==(const ClearTable&) const = default;
    };

    using Payload = std::variant<DealHole, DealBoard, BetIn, AnteIn, Fold, Check, Collect, ReturnBet, Reveal,
                                 Award, Eliminate, ClearTable>;

    template <class Case>
    requires std::is_constructible_v<Payload, Case> MotionCue(Case payload)
        : payload_(payload) {}

    static MotionCue dealHole(std::int64_t seat, std::int64_t card) { return DealHole{seat, card}; }
    static MotionCue dealBoard(std::int64_t index) { return DealBoard{index}; }
    static MotionCue betIn(std::int64_t seat, bool isBlind) { return BetIn{seat, isBlind}; }
    static MotionCue anteIn(std::int64_t seat) { return AnteIn{seat}; }
    static MotionCue fold(std::int64_t seat) { return Fold{seat}; }
    static MotionCue check(std::int64_t seat) { return Check{seat}; }
    static MotionCue collect() { return Collect{}; }
    static MotionCue returnBet(std::int64_t seat) { return ReturnBet{seat}; }
    static MotionCue reveal(std::int64_t seat) { return Reveal{seat}; }
    static MotionCue award(std::int64_t pot, std::int64_t seat, std::int64_t amount) {
        return Award{pot, seat, amount};
    }
    static MotionCue eliminate(std::int64_t seat) { return Eliminate{seat}; }
    static MotionCue clearTable() { return ClearTable{}; }

    const Payload& payload() const { return payload_; }
    template <class Case> bool is() const { return std::holds_alternative<Case>(payload_); }
    template <class Case> const Case* as() const { return std::get_if<Case>(&payload_); }

    bool operator==(const MotionCue&) const = default;

  private:
    Payload payload_;
};

template <> struct std::hash<MotionCue> { std::size_t operator()(const MotionCue& cue) const noexcept; };

// A cue with its start (seconds from the moment the view was ingested) and how long it runs.
struct TimedCue {
    MotionCue cue;
    double delay = 0;
    double duration = 0;

    double end() const { return delay + duration; }
    bool operator==(const TimedCue&) const = default;
};

template <> struct std::hash<TimedCue> { std::size_t operator()(const TimedCue& timed) const noexcept; };
