// Monte Carlo equity throughput: trials per second against one and five opponents, on the flop
// against narrowed ranges and against any two cards, and before the flop against any two cards.
#include "BotKit/Equity.h"

#include "PokerEngine/Card.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace BotKit;

PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

void runTrials(benchmark::State& state, const std::vector<PokerEngine::Card>& board, OpponentRange range) {
    const std::vector<PokerEngine::Card> hole{card("Ah"), card("Kd")};
    const std::vector<OpponentRange> ranges(static_cast<std::size_t>(state.range(0)), range);
    constexpr std::int64_t trials = 2000;
    PokerEngine::SeededRNG rng(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Equity::estimate(hole, board, ranges, trials, rng));
    }
    state.SetItemsProcessed(state.iterations() * trials);
    state.counters["trials_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * trials), benchmark::Counter::kIsRate);
}

std::vector<PokerEngine::Card> flop() {
    return {card("Kc"), card("8h"), card("2d")};
}

void EquityTrials(benchmark::State& state) {
    runTrials(state, flop(), OpponentRange{0.3, 0.4});
}

// A limped pot: every opponent may hold anything and has shown nothing, so each keeps its first
// pair and draws its unit.
void EquityTrialsAnyHandFlop(benchmark::State& state) {
    runTrials(state, flop(), OpponentRange::any());
}

void EquityTrialsAnyHandPreflop(benchmark::State& state) {
    runTrials(state, {}, OpponentRange::any());
}

} // namespace

BENCHMARK(EquityTrials)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(EquityTrialsAnyHandFlop)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(EquityTrialsAnyHandPreflop)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
