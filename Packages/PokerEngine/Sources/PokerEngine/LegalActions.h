#pragma once

#include "PokerEngine/Action.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <functional>
#include <optional>

namespace PokerEngine {

// What the seat to act may do at one moment; a snapshot, never updated.
struct LegalActions {
    bool canFold = false;
    // Nothing is to be called.
    bool canCheck = false;
    // The chips a call adds, capped at the stack; absent exactly when checking is allowed.
    std::optional<std::int64_t> callAmount;
    // The smallest street total to bet or raise to; absent when raising is closed to the seat.
    std::optional<std::int64_t> minRaiseTo;
    // The seat's stack plus its street bet: all-in.
    std::int64_t maxRaiseTo = 0;
    // No bet yet on this street: an aggressive action is a bet, otherwise a raise.
    bool opensBetting = false;
    bool canAllIn = false;

    // Allows nothing: no seat is to act, or no betting street.
    static const LegalActions& none();

    // Bet{to} when the street is unopened, Raise{to} otherwise; checks nothing else.
    Action aggressiveAction(std::int64_t to) const;

    bool operator==(const LegalActions&) const = default;
};

void to_json(nlohmann::json& json, const LegalActions& legal);
void from_json(const nlohmann::json& json, LegalActions& legal);

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::LegalActions> {
    std::size_t operator()(const PokerEngine::LegalActions& legal) const noexcept;
};
