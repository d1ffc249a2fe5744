// A whole Sit & Go driven by the game controller in virtual time, every seat played by a tiered bot
// (the player's seat decides through the same policy), so a change that slows the loop shows.
#include "Game/BotSeating.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Scheduler.h"

#include "BotKit/TieredBot.h"

#include <benchmark/benchmark.h>

namespace {

void wholeSitAndGo(benchmark::State& benchState) {
    auto policy = std::make_shared<BotKit::TieredBot>();
    const auto heroProfile = BotKit::BotProfile::standard(BotKit::BotTier::medium);
    std::uint64_t seed = 1;
    std::int64_t hands = 0;
    for (auto _ : benchState) {
        ManualScheduler scheduler;
        SchedulerGameClock clock(scheduler);
        GameController controller(clock, policy, std::make_unique<ImmediateDecisionRunner>());
        controller.setAutoDeal(true);
        controller.setBotSpeed(BotSpeed::fast);
        controller.start(
            GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::mixed, seed), seed}));
        PokerEngine::SeededRNG heroRNG(seed, 0);
        while (!controller.tableOver()) {
            if (controller.isHeroTurn()) {
                controller.act(policy->decide(*controller.view(), heroProfile, heroRNG));
            } else if (const auto due = scheduler.nextDue()) {
                scheduler.advance(*due - scheduler.now());
            } else {
                break;
            }
        }
        hands += controller.state()->handNumber();
        ++seed;
    }
    benchState.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    benchState.counters["hands/game"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(wholeSitAndGo)->Unit(benchmark::kMillisecond);
