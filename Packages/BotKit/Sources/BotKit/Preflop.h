#pragma once

#include "BotKit/BotProfile.h"
#include "BotKit/Plan.h"
#include "BotKit/Situation.h"

#include "PokerEngine/SeededRNG.h"

// Preflop routines shared by the tiered strategies.
namespace BotKit::Preflop {

// Short-stack play: all in with a hand inside the limit (callTop once someone has raised,
// pushTop otherwise), else check or fold.
Plan pushOrFold(const Situation& situation, double pushTop, double callTop);
// How wide a short stack may push, as a chart percentile limit.
double pushRange(const Situation& situation);
// Chart-driven play for deeper stacks: opens, limps, three- and four-bets by tier and position.
Plan chart(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng);

} // namespace BotKit::Preflop
