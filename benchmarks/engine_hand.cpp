// Playing one whole 6-seat hand through the public operations, as the game controller does.
#include "PokerEngine/Engine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

using namespace PokerEngine;

namespace {

std::vector<PlayerID> sixPlayers() {
    std::vector<PlayerID> players;
    for (int i = 0; i < 6; ++i) {
        char text[37];
        std::snprintf(text, sizeof text, "00000000-0000-4000-8000-%012d", i);
        players.push_back(PlayerID{*Uuid::fromString(text)});
    }
    return players;
}

// Raises once on each street, then everyone calls or checks: a hand that reaches showdown
// with every seat, about 30 actions.
GameState playHand(const GameState& table) {
    auto state = startHand(table);
    Street raisedOn = Street::waitingToStart;
    while (state.street() != Street::handComplete) {
        const auto legal = legalActions(state);
        const auto player = *state.seat(*state.actingIndex()).player;
        Action action = legal.canCheck ? Action::check() : Action::call();
        if (raisedOn != state.street() && legal.minRaiseTo) {
            action = legal.aggressiveAction(*legal.minRaiseTo);
            raisedOn = state.street();
        }
        state = apply(action, player, state);
    }
    return state;
}

void BM_PlayWholeSixSeatHand(benchmark::State& benchState) {
    const auto table = newTable(TableConfig{6, BlindSchedule::fixed(10, 20, 0), 100000}, sixPlayers(), 7);
    std::int64_t actions = 0;
    for (auto _ : benchState) {
        const auto finished = playHand(table);
        actions += static_cast<std::int64_t>(finished.log().size());
        benchmark::DoNotOptimize(finished);
    }
    benchState.counters["events/hand"] =
        benchmark::Counter(static_cast<double>(actions) / static_cast<double>(benchState.iterations()));
}
BENCHMARK(BM_PlayWholeSixSeatHand)->Unit(benchmark::kMicrosecond);

} // namespace
