#pragma once

#include "PokerEngine/HandEvent.h"
#include "Table/MotionCue.h"

#include <vector>

// Turns the hand events new since the table last showed a view into a timeline of animation cues,
// timed in seconds from the moment the view arrived. Pure: no clock, nothing kept between calls.
namespace MotionPlan {

// `betsOnTable`: street bets already stand in front of seats when these events begin.
// `cardsOnTable`: cards of an earlier hand are still drawn.
// The cues come in planning order (event by event), not sorted by delay.
std::vector<TimedCue> cues(const std::vector<PokerEngine::HandEvent>& events, bool betsOnTable,
                           bool cardsOnTable);

} // namespace MotionPlan
