// Writing and reading back a 6-seat mid-hand game state, as every checkpoint of a saved game does.
#include "PokerEngine/Engine.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

using namespace PokerEngine;

namespace {

GameState sixSeatMidHand() {
    std::vector<PlayerID> players;
    for (int i = 0; i < 6; ++i) {
        char text[37];
        std::snprintf(text, sizeof text, "00000000-0000-4000-8000-%012d", i);
        players.push_back(PlayerID{*Uuid::fromString(text)});
    }
    auto state = startHand(newTable(TableConfig{6, BlindSchedule::sitAndGoTurbo(), 1500}, players, 11));
    // Everyone calls preflop, then the flop is bet and called round once.
    for (int action = 0; action < 9 && state.actingIndex(); ++action) {
        const auto legal = legalActions(state);
        const auto player = *state.seat(*state.actingIndex()).player;
        if (state.street() == Street::flop && legal.opensBetting) {
            state = apply(Action::bet(40), player, state);
        } else {
            state = apply(legal.canCheck ? Action::check() : Action::call(), player, state);
        }
    }
    return state;
}

void BM_WriteAndReadMidHandState(benchmark::State& benchState) {
    const auto state = sixSeatMidHand();
    std::size_t bytes = 0;
    for (auto _ : benchState) {
        const auto text = nlohmann::json(state).dump();
        auto restored = nlohmann::json::parse(text).get<GameState>();
        bytes = text.size();
        benchmark::DoNotOptimize(restored);
    }
    benchState.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteAndReadMidHandState)->Unit(benchmark::kMicrosecond);

} // namespace
