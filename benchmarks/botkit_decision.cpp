// How long a hard bot takes to decide after the flop, over many real views: heads-up (2,000 equity
// trials) and at six seats facing two or more opponents (1,500 trials). A decision must fit well
// inside the fastest bot pace, so the median and the slowest are what matter, not the mean.
#include "BotKit/BotCast.h"
#include "BotKit/Bots.h"
#include "BotKit/Situation.h"
#include "BotKit/TieredBot.h"

#include "PokerEngine/Engine.h"
#include "PokerEngine/Uuid.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace BotKit;

PokerEngine::PlayerID playerAt(std::int64_t seat) {
    PokerEngine::Uuid uuid;
    uuid.bytes[15] = static_cast<std::uint8_t>(seat + 1);
    return PokerEngine::PlayerID{uuid};
}

// Postflop views of a hard bot to act, gathered from tables of hard bots playing themselves.
std::vector<PokerEngine::PlayerView> postflopViews(std::int64_t seats, bool headsUp, std::size_t wanted) {
    std::vector<PokerEngine::PlayerView> views;
    const TieredBot bot;
    const auto profile = BotProfile::standard(BotTier::hard);
    for (std::uint64_t seed = 1; views.size() < wanted && seed < 10000; ++seed) {
        std::vector<PokerEngine::PlayerID> players;
        std::vector<PokerEngine::SeededRNG> rngs;
        for (std::int64_t seat = 0; seat < seats; ++seat) {
            players.push_back(playerAt(seat));
            rngs.push_back(Bots::rng(seed, seat));
        }
        const PokerEngine::TableConfig config{seats, PokerEngine::BlindSchedule::fixed(10, 20, 0), 2000};
        auto state = PokerEngine::startHand(PokerEngine::newTable(config, players, seed));
        while (PokerEngine::isBetting(state.street()) && views.size() < wanted) {
            const auto seat = static_cast<std::size_t>(*state.actingIndex());
            const auto view = PokerEngine::view(state, players[seat]);
            if (state.street() != PokerEngine::Street::preflop) {
                const auto opponents = Situation(view).opponents.size();
                if (headsUp ? opponents == 1 : opponents >= 2) {
                    views.push_back(view);
                }
            }
            state = PokerEngine::apply(bot.decide(view, profile, rngs[seat]), players[seat], state);
        }
    }
    return views;
}

void timeDecisions(benchmark::State& state, const std::vector<PokerEngine::PlayerView>& views) {
    const TieredBot bot;
    const auto profile = BotProfile::standard(BotTier::hard);
    std::vector<double> millis;
    for (auto _ : state) {
        millis.clear();
        for (std::size_t index = 0; index < views.size(); ++index) {
            auto rng = Bots::rng(index, 0);
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(bot.decide(views[index], profile, rng));
            const auto end = std::chrono::steady_clock::now();
            millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["views"] = static_cast<double>(millis.size());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["p99_ms"] = millis[millis.size() * 99 / 100];
    state.counters["slowest_ms"] = millis.back();
}

void HardPostflopDecisionHeadsUp(benchmark::State& state) {
    static const auto views = postflopViews(2, true, 300);
    timeDecisions(state, views);
}

void HardPostflopDecisionSixSeats(benchmark::State& state) {
    static const auto views = postflopViews(6, false, 300);
    timeDecisions(state, views);
}

} // namespace

BENCHMARK(HardPostflopDecisionHeadsUp)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(HardPostflopDecisionSixSeats)->Iterations(3)->Unit(benchmark::kMillisecond);
