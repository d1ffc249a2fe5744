#pragma once

#include "BotKit/BotProfile.h"
#include "BotKit/Plan.h"
#include "BotKit/Situation.h"

#include "PokerEngine/SeededRNG.h"

// Easy bots: tight and passive before the flop, straightforward after it.
namespace BotKit::EasyStrategy {

// Draws nothing from the generator.
Plan preflop(const Situation& situation, const BotProfile& profile);
// Draws at most one unit number.
Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);

} // namespace BotKit::EasyStrategy
