#pragma once

#include "BotKit/OpponentRange.h"

#include "PokerEngine/Card.h"
#include "PokerEngine/SeededRNG.h"

#include <cstdint>
#include <span>

// Monte Carlo equity against opponents' ranges. Every random number comes from the caller's
// generator in a fixed order, so an estimate is reproduced exactly from the generator's state.
namespace BotKit::Equity {

// The share of `iterations` random deals that the hole cards win, a tie with k other hands counting
// 1/(k + 1). Needs two hole cards, at most five board cards and at least one opponent; zero
// iterations give 0.
double estimate(std::span<const PokerEngine::Card> hole, std::span<const PokerEngine::Card> board,
                std::span<const OpponentRange> opponents, std::int64_t iterations,
                PokerEngine::SeededRNG& rng);

} // namespace BotKit::Equity
