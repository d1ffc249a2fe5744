// Monte Carlo equity throughput: trials per second against one and five opponents, on the flop
// against narrowed ranges and before the flop against any two cards.
#include "BotKit/Equity.h"

#include "PokerEngine/Card.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace BotKit;

PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

void EquityTrials(benchmark::State& state) {
    const std::vector<PokerEngine::Card> hole{card("Ah"), card("Kd")};
    const std::vector<PokerEngine::Card> board{card("Kc"), card("8h"), card("2d")};
    const std::vector<OpponentRange> ranges(static_cast<std::size_t>(state.range(0)),
                                            OpponentRange{0.3, 0.4});
    constexpr std::int64_t trials = 2000;
    PokerEngine::SeededRNG rng(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Equity::estimate(hole, board, ranges, trials, rng));
    }
    state.SetItemsProcessed(state.iterations() * trials);
    state.counters["trials_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * trials), benchmark::Counter::kIsRate);
}

void EquityTrialsAnyHandPreflop(benchmark::State& state) {
    const std::vector<PokerEngine::Card> hole{card("Ah"), card("Kd")};
    const std::vector<OpponentRange> ranges(static_cast<std::size_t>(state.range(0)), OpponentRange::any());
    constexpr std::int64_t trials = 2000;
    PokerEngine::SeededRNG rng(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Equity::estimate(hole, {}, ranges, trials, rng));
    }
    state.counters["trials_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * trials), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(EquityTrials)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(EquityTrialsAnyHandPreflop)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
