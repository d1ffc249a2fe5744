#include "BotKit/BotSimulator.h"
#include "BotKit/Legalizer.h"
#include "BotKit/TieredBot.h"

#include "PokerEngine/EngineError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace BotKit;
using PokerEngine::Action;
using PokerEngine::PlayerView;
using PokerEngine::SeededRNG;

namespace {

// Calls every bet and checks otherwise, so every hand reaches the showdown on its cards alone.
class CallingStation final : public BotPolicy {
  public:
    Action decide(const PlayerView& view, const BotProfile&, SeededRNG&) const override {
        return Legalizer::legalize(Action::call(), *view.legalActions);
    }
};

// Records the blinds it is shown.
class BlindWatcher final : public BotPolicy {
  public:
    mutable std::vector<PokerEngine::BlindLevel> seen;
    Action decide(const PlayerView& view, const BotProfile&, SeededRNG&) const override {
        seen.push_back(view.blinds);
        return Action::fold();
    }
};

// Asks for something the engine refuses.
class Cheater final : public BotPolicy {
  public:
    Action decide(const PlayerView&, const BotProfile&, SeededRNG&) const override {
        return Action::raise(1);
    }
};

std::vector<BotProfile> lineup(std::initializer_list<BotTier> tiers) {
    std::vector<BotProfile> profiles;
    for (const BotTier tier : tiers) {
        profiles.push_back(BotProfile::standard(tier));
    }
    return profiles;
}

std::int64_t sum(const std::vector<std::int64_t>& values) {
    return std::accumulate(values.begin(), values.end(), std::int64_t{0});
}

} // namespace

TEST(BotSimulator, NoHandsGiveZeros) {
    for (const std::int64_t hands : {0, -5}) {
        const auto result =
            BotSimulator::run(lineup({BotTier::easy, BotTier::hard}), hands, 20, 100, 1, TieredBot());
        EXPECT_EQ(result.hands(), 0);
        EXPECT_EQ(result.netChips(), (std::vector<std::int64_t>{0, 0}));
        EXPECT_EQ(result.bbPer100(0), 0.0);
        EXPECT_EQ(result.bbPer100(BotTier::hard), 0.0);
        EXPECT_FALSE(std::isnan(result.bbPer100(BotTier::easy)));
    }
}

TEST(BotSimulator, ResultsAddUpToZeroChips) {
    const auto result =
        BotSimulator::run(lineup({BotTier::easy, BotTier::medium, BotTier::hard, BotTier::medium}), 24, 20,
                          50, 99, TieredBot());
    EXPECT_EQ(result.hands(), 24);
    EXPECT_EQ(result.bigBlind(), 20);
    EXPECT_EQ(result.profiles().size(), 4u);
    EXPECT_EQ(sum(result.netChips()), 0);
}

TEST(BotSimulator, RotatesEachDealThroughEverySeat) {
    // With the same policy for both, the second hand is the first with the seats swapped, so a
    // pair of hands evens out exactly.
    const auto profiles = lineup({BotTier::easy, BotTier::hard});
    std::int64_t firstHandResult = 0;
    for (std::uint64_t seed = 1; seed < 10 && firstHandResult == 0; ++seed) {
        firstHandResult = BotSimulator::run(profiles, 1, 20, 100, seed, CallingStation()).netChips()[0];
        const auto pair = BotSimulator::run(profiles, 2, 20, 100, seed, CallingStation());
        EXPECT_EQ(pair.netChips(), (std::vector<std::int64_t>{0, 0}));
    }
    EXPECT_NE(firstHandResult, 0);
}

TEST(BotSimulator, SameArgumentsGiveTheSameResult) {
    const auto profiles = lineup({BotTier::easy, BotTier::medium, BotTier::hard});
    const auto first = BotSimulator::run(profiles, 9, 20, 40, 5, TieredBot());
    const auto second = BotSimulator::run(profiles, 9, 20, 40, 5, TieredBot());
    EXPECT_EQ(first, second);
}

TEST(BotSimulator, ReportsBigBlindsPerHundredHands) {
    const auto result = BotSimulator::run(lineup({BotTier::easy, BotTier::medium, BotTier::medium}), 12, 20,
                                          30, 3, TieredBot());
    for (std::int64_t position = 0; position < 3; ++position) {
        const double expected =
            static_cast<double>(result.netChips()[static_cast<std::size_t>(position)]) / 20.0 / 12.0 * 100.0;
        EXPECT_EQ(result.bbPer100(position), expected);
    }
    EXPECT_EQ(result.bbPer100(BotTier::medium),
              (result.bbPer100(std::int64_t{1}) + result.bbPer100(std::int64_t{2})) / 2);
    EXPECT_EQ(result.bbPer100(BotTier::hard), 0.0);
}

TEST(BotSimulator, HalvesAnOddBigBlindDownward) {
    const BlindWatcher watcher;
    BotSimulator::run(lineup({BotTier::easy, BotTier::easy}), 1, 5, 100, 1, watcher);
    ASSERT_FALSE(watcher.seen.empty());
    EXPECT_EQ(watcher.seen.front(), (PokerEngine::BlindLevel{2, 5, 0}));
}

TEST(BotSimulator, PassesOnEngineRefusals) {
    try {
        BotSimulator::run(lineup({BotTier::easy, BotTier::easy}), 3, 20, 100, 1, Cheater());
        ADD_FAILURE() << "an illegal action was accepted";
    } catch (const PokerEngine::EngineError& error) {
        EXPECT_EQ(error, PokerEngine::EngineError::amountBelowMinimum(40));
    }
}

TEST(BotSimulatorDeathTest, RefusesBadStakesAndProfileCounts) {
    EXPECT_DEATH(BotSimulator::run(lineup({BotTier::easy, BotTier::easy}), 1, 0, 100, 1, TieredBot()),
                 "Precondition failed");
    EXPECT_DEATH(BotSimulator::run(lineup({BotTier::easy}), 1, 20, 100, 1, TieredBot()),
                 "Precondition failed");
    EXPECT_DEATH(BotSimulator::run(std::vector<BotProfile>(7, BotProfile::standard(BotTier::easy)), 1, 20,
                                   100, 1, TieredBot()),
                 "Precondition failed");
    const auto result = BotSimulator::run(lineup({BotTier::easy, BotTier::easy}), 1, 20, 100, 1, TieredBot());
    EXPECT_DEATH(result.bbPer100(std::int64_t{2}), "Precondition failed");
}

TEST(BotSimulator, ReplaysAKnownMatchExactly) {
    // Pinned from a run of this program: every shuffle, equity trial and style draw follows from the
    // seed, so any build on any machine must reproduce these chips exactly.
    const auto result = BotSimulator::run(lineup({BotTier::easy, BotTier::medium, BotTier::hard}), 30, 20, 60,
                                          7, TieredBot());
    EXPECT_EQ(result.netChips(), (std::vector<std::int64_t>{171, -208, 37}));
}
