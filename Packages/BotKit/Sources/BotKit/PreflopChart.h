#pragma once

#include "BotKit/StartingHand.h"

#include "PokerEngine/Card.h"

#include <optional>
#include <vector>

// Ranks the 169 starting hands: eight listed groups, then every other hand, ordered inside by the
// Chen formula. Each class gets a tier and a percentile (the share of all 1326 two-card
// combinations at least as strong). The table is built once, on first use, from any thread.
namespace BotKit::PreflopChart {

// The hand's group 1 to 8; unlisted hands also answer 8.
int tier(const StartingHand& hand);
// The hand's group 1 to 8, absent for an unlisted hand.
std::optional<int> group(const StartingHand& hand);
// In (0, 1]; lower is stronger.
double percentile(const StartingHand& hand);
double percentile(PokerEngine::Card a, PokerEngine::Card b);
// The Chen formula rounded up to a whole number.
double chenScore(const StartingHand& hand);
double unroundedChen(const StartingHand& hand);
const std::vector<StartingHand>& allHands();

} // namespace BotKit::PreflopChart
