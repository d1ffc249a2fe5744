#pragma once

#include "BotKit/BotProfile.h"
#include "BotKit/Plan.h"
#include "BotKit/Situation.h"

#include "PokerEngine/SeededRNG.h"

// Medium bots: push-or-fold or the chart before the flop; after it, rules on the hand reading,
// the board texture and a quick equity estimate, without simulating.
namespace BotKit::MediumStrategy {

Plan plan(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);
Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);

} // namespace BotKit::MediumStrategy
