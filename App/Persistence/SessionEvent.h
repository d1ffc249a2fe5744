#pragma once

#include "Game/GameMode.h"

#include <cstdint>
#include <optional>
#include <variant>

// One entry for the ledger: a finished hand, or the end of a table (finished, left, or its saved
// game abandoned).
class SessionEvent {
  public:
    struct HandFinished {
        GameMode mode;
        // The player's gain in the hand; negative for a loss.
        std::int64_t net;
        bool operator==(const HandFinished&) const = default;
    };
    struct TableFinished {
        GameMode mode;
        // What the bankroll gains or loses at that moment.
        std::int64_t net;
        // The finishing place of a Sit & Go; absent otherwise.
        std::optional<std::int64_t> place;
        bool operator==(const TableFinished&) const = default;
    };

    static SessionEvent handFinished(GameMode mode, std::int64_t net) {
        return SessionEvent(HandFinished{mode, net});
    }
    static SessionEvent tableFinished(GameMode mode, std::int64_t net, std::optional<std::int64_t> place) {
        return SessionEvent(TableFinished{mode, net, place});
    }

    const std::variant<HandFinished, TableFinished>& value() const { return value_; }

    bool operator==(const SessionEvent&) const = default;

  private:
    explicit SessionEvent(std::variant<HandFinished, TableFinished> value)
        : value_(std::move(value)) {}

    std::variant<HandFinished, TableFinished> value_;
};
