#pragma once

#include "BotKit/Situation.h"
#include "BotKit/StartingHand.h"

#include "PokerEngine/Action.h"
#include "PokerEngine/Precondition.h"

#include <cmath>
#include <cstdint>

// Small helpers the strategies share, so their rules read like the rules they implement.
namespace BotKit::StrategyMath {

// A bet when the street is unopened, else a raise, to the given street total.
inline PokerEngine::Action aggressive(const Situation& situation, std::int64_t to) {
    return situation.legal.aggressiveAction(to);
}

// The class of the bot's first two hole cards; a bot always holds two once dealt.
inline StartingHand holeHand(const Situation& situation) {
    CW_PRECONDITION(situation.hole.size() >= 2);
    return StartingHand(situation.hole[0], situation.hole[1]);
}

// a / b as 64-bit floats.
inline double ratio(std::int64_t a, std::int64_t b) {
    return static_cast<double>(a) / static_cast<double>(b);
}

// Rounds halves away from zero; the value must fit a 64-bit integer.
inline std::int64_t roundToInteger(double value) {
    const double rounded = std::round(value);
    CW_PRECONDITION(std::isfinite(rounded) && std::fabs(rounded) < 9.2e18);
    return static_cast<std::int64_t>(rounded);
}

// The push-or-fold calling limit shared by the medium and hard short-stack rules.
inline double shortStackCallTop(const Situation& situation) {
    const double top = 0.6 - 0.04 * ratio(situation.toCall, situation.bigBlind);
    return std::min(std::max(top, 0.08), 0.5);
}

} // namespace BotKit::StrategyMath
