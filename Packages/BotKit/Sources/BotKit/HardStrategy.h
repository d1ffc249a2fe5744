#pragma once

#include "BotKit/BotProfile.h"
#include "BotKit/OpponentRange.h"
#include "BotKit/Plan.h"
#include "BotKit/Situation.h"

#include "PokerEngine/SeededRNG.h"

#include <vector>

// Hard bots: read every opponent as a range from its betting, simulate equity against those
// ranges and weigh it against the price.
namespace BotKit::HardStrategy {

// One range per entry of the situation's opponents, in the same order.
std::vector<OpponentRange> ranges(const Situation& situation);
Plan preflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);
Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);

// Trials of the equity simulation: preflop commitment, postflop heads-up, postflop multiway.
inline constexpr std::int64_t preflopTrials = 1500;
inline constexpr std::int64_t headsUpTrials = 2000;
inline constexpr std::int64_t multiwayTrials = 1500;

} // namespace BotKit::HardStrategy
