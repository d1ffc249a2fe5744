// Evaluator and equity throughput as whole loops: each benchmark iteration evaluates every hand of a
// pre-generated array in a plain loop, so the figure is what a tight loop over many hands sees and
// not the cost of the benchmark's own bookkeeping around one hand. Only public entry points are
// used, so compare_evaluator.sh can build this same file against an older commit and run both
// interleaved.
#include "BotKit/Equity.h"

#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/SeededRNG.h"
#include "RandomHands.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

using namespace PokerEngine;

namespace {

using Hand = std::array<Card, 7>;

// Built once per size and shared by the benchmarks, so a 16 Mi-hand array is dealt only once.
const std::vector<Hand>& hands(std::int64_t count) {
    static std::map<std::int64_t, std::vector<Hand>> built;
    auto found = built.find(count);
    if (found == built.end()) {
        found = built.emplace(count, randomHands(static_cast<std::size_t>(count))).first;
    }
    return found->second;
}

void finish(benchmark::State& state, std::size_t handsPerPass, std::uint64_t checksum) {
    benchmark::DoNotOptimize(checksum);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(handsPerPass));
}

// Cards summed without a check, as Monte Carlo trials sum cards dealt from one deck.
void SevenDealtCards(benchmark::State& state) {
    const auto& all = hands(state.range(0));
    const EvaluatorTables& tables = EvaluatorTables::shared();
    std::uint64_t checksum = 0;
    for (auto _ : state) {
        for (const Hand& hand : all) {
            DealtCards sum;
            for (const Card card : hand) {
                sum += DealtCards::of(card);
            }
            checksum += tables.strength(sum);
        }
    }
    finish(state, all.size(), checksum);
}
BENCHMARK(SevenDealtCards)->Arg(1 << 16)->Arg(1 << 24);

// The checked entry point for a list of cards.
void SevenCardList(benchmark::State& state) {
    const auto& all = hands(state.range(0));
    std::uint64_t checksum = 0;
    for (auto _ : state) {
        for (const Hand& hand : all) {
            checksum += HandEvaluator::evaluate(hand).strength;
        }
    }
    finish(state, all.size(), checksum);
}
BENCHMARK(SevenCardList)->Arg(1 << 16)->Arg(1 << 24);

// Five known cards held in an accumulator, two more added with the accumulator's checks.
void FivePlusTwoAccumulator(benchmark::State& state) {
    const auto& all = hands(state.range(0));
    std::vector<HandAccumulator> known;
    known.reserve(all.size());
    for (const Hand& hand : all) {
        known.emplace_back(std::span<const Card>(hand).first(5));
    }
    std::uint64_t checksum = 0;
    for (auto _ : state) {
        const Hand* hand = all.data();
        for (const HandAccumulator& five : known) {
            checksum += HandEvaluator::evaluate(five.adding((*hand)[5]).adding((*hand)[6])).strength;
            ++hand;
        }
    }
    finish(state, all.size(), checksum);
}
BENCHMARK(FivePlusTwoAccumulator)->Arg(1 << 16);

Card card(const char* code) {
    return *Card::fromCode(code);
}

// Equity on the flop against narrowed ranges, and before the flop against any two cards, against
// one and five opponents; and on the turn against two.
void EquityScenario(benchmark::State& state, std::vector<Card> board, BotKit::OpponentRange range) {
    const std::vector<Card> hole{card("Ah"), card("Kd")};
    const std::vector<BotKit::OpponentRange> ranges(static_cast<std::size_t>(state.range(0)), range);
    constexpr std::int64_t trials = 20'000;
    SeededRNG rng(1);
    double sum = 0.0;
    for (auto _ : state) {
        sum += BotKit::Equity::estimate(hole, board, ranges, trials, rng);
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * trials);
}
BENCHMARK_CAPTURE(EquityScenario, flop, {card("Kc"), card("8h"), card("2d")}, BotKit::OpponentRange{0.3, 0.4})
    ->Arg(1)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EquityScenario, turn, {card("Kc"), card("8h"), card("2d"), card("9s")},
                  BotKit::OpponentRange{0.5, 0.6})
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EquityScenario, preflopAny, {}, BotKit::OpponentRange::any())
    ->Arg(1)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EquityScenario, preflopRange, {}, BotKit::OpponentRange{0.25, 0.0})
    ->Arg(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
