// Hand evaluation speed: seven cards from a list (64 Ki hands, which stay in cache, and 16 Mi hands,
// which stream from memory), five known cards plus two, and the table build. Each is measured
// through the checked entry points (a card list, an accumulator) and through the unchecked sums
// that Monte Carlo trials use for cards dealt from one deck.
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/SeededRNG.h"
#include "RandomHands.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

using namespace PokerEngine;

namespace {

std::atomic<std::int64_t> allocations{0};

constexpr std::size_t handCount = 1 << 16;

void reportAllocations(benchmark::State& state, std::int64_t before) {
    state.counters["allocs/eval"] = benchmark::Counter(static_cast<double>(allocations.load() - before) /
                                                       static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateSevenCards(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto hands = randomHands(count);
    static_cast<void>(EvaluatorTables::shared());
    const std::int64_t before = allocations.load();
    std::size_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HandEvaluator::evaluate(hands[index]));
        index = (index + 1) & (count - 1);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_EvaluateSevenCards)->Arg(handCount)->Arg(1 << 24);

void BM_EvaluateSevenDealtCards(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto hands = randomHands(count);
    const EvaluatorTables& tables = EvaluatorTables::shared();
    const std::int64_t before = allocations.load();
    std::size_t index = 0;
    for (auto _ : state) {
        DealtCards sum;
        for (const Card card : hands[index]) {
            sum += DealtCards::of(card);
        }
        benchmark::DoNotOptimize(HandValue{tables.strength(sum)});
        index = (index + 1) & (count - 1);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_EvaluateSevenDealtCards)->Arg(handCount)->Arg(1 << 24);

// Monte Carlo style: the five known cards sit in an accumulator, each trial adds two more.
void BM_EvaluateFivePlusTwo(benchmark::State& state) {
    const auto hands = randomHands(handCount);
    std::vector<HandAccumulator> known;
    std::vector<std::pair<Card, Card>> added;
    for (const auto& hand : hands) {
        known.emplace_back(std::span<const Card>(hand).first(5));
        added.emplace_back(hand[5], hand[6]);
    }
    static_cast<void>(EvaluatorTables::shared());
    const std::int64_t before = allocations.load();
    std::size_t index = 0;
    for (auto _ : state) {
        const auto& [first, second] = added[index];
        benchmark::DoNotOptimize(HandEvaluator::evaluate(known[index].adding(first).adding(second)));
        index = (index + 1) & (handCount - 1);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_EvaluateFivePlusTwo);

// The same, as the trials do it: the two cards come from the rest of the deck, so adding them is
// two additions and evaluating one lookup.
void BM_EvaluateFivePlusTwoDealt(benchmark::State& state) {
    const auto hands = randomHands(handCount);
    std::vector<DealtCards> known;
    std::vector<std::pair<Card, Card>> added;
    for (const auto& hand : hands) {
        known.push_back(HandAccumulator(std::span<const Card>(hand).first(5)).dealt());
        added.emplace_back(hand[5], hand[6]);
    }
    const EvaluatorTables& tables = EvaluatorTables::shared();
    const std::int64_t before = allocations.load();
    std::size_t index = 0;
    for (auto _ : state) {
        const auto& [first, second] = added[index];
        benchmark::DoNotOptimize(
            HandValue{tables.strength(known[index] + DealtCards::of(first) + DealtCards::of(second))});
        index = (index + 1) & (handCount - 1);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_EvaluateFivePlusTwoDealt);

void BM_BuildTables(benchmark::State& state) {
    for (auto _ : state) {
        const EvaluatorTables tables;
        benchmark::DoNotOptimize(tables.rankKeySlots().data());
    }
}
BENCHMARK(BM_BuildTables)->Unit(benchmark::kMillisecond);

} // namespace

// Counting every allocation shows that evaluating allocates nothing. These operators replace the
// global pair, so memory from this new is rightly given back by free; GCC sees only the names.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
