// How the tiers fare against each other: easy, medium and hard at one table over 21,000 hands
// (every deal played from each seat), reported in big blinds per hundred hands. Reported, not
// asserted: we expect hard ahead of medium ahead of easy.
#include "BotKit/BotSimulator.h"
#include "BotKit/TieredBot.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BotKit;

void TierQuality(benchmark::State& state) {
    const std::vector<BotProfile> profiles{BotProfile::standard(BotTier::easy),
                                           BotProfile::standard(BotTier::medium),
                                           BotProfile::standard(BotTier::hard)};
    const std::int64_t hands = state.range(0);
    for (auto _ : state) {
        const auto result = BotSimulator::run(profiles, hands, 20, state.range(1), 2024, TieredBot());
        state.counters["hands"] = static_cast<double>(result.hands());
        state.counters["easy_bb100"] = result.bbPer100(BotTier::easy);
        state.counters["medium_bb100"] = result.bbPer100(BotTier::medium);
        state.counters["hard_bb100"] = result.bbPer100(BotTier::hard);
    }
}

} // namespace

BENCHMARK(TierQuality)->Args({21000, 100})->Iterations(1)->Unit(benchmark::kSecond);
