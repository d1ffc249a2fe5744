#include "BotKit/Bots.h"
#include "BotKit/EasyStrategy.h"
#include "BotKit/Legalizer.h"
#include "BotKit/Situation.h"
#include "BotKit/TieredBot.h"

#include "TestDraws.h"
#include "TestPrinting.h"
#include "TestTable.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::rigged;
using BotKitTesting::seedWithFirstUnit;
using BotKitTesting::TestTable;
using PokerEngine::Action;
using PokerEngine::SeededRNG;

namespace {

const BotProfile easy = BotProfile::standard(BotTier::easy);

} // namespace

TEST(TieredBot, EasyPreflopWithoutAlternativeDrawsNothing) {
    // Seat 3 with seven-deuce facing the big blind: the easy bot folds, with no alternative.
    const TestTable table(6, 2000, 10, 20, 0, rigged({{3, "7c 2d"}}));
    SeededRNG rng(7);
    EXPECT_EQ(TieredBot().decide(table.actorView(), easy, rng), Action::fold());
    EXPECT_EQ(rng, SeededRNG(7));
}

TEST(TieredBot, TakesTheAlternativeOnlyBelowOneTenth) {
    // Aces open to three big blinds with the alternative of a call: one unit draw decides.
    const TestTable table(6, 2000, 10, 20, 0, rigged({{3, "Ac Ad"}}));
    const auto view = table.actorView();

    const auto alternativeSeed = seedWithFirstUnit(true, 0.1);
    SeededRNG alternative(alternativeSeed);
    EXPECT_EQ(TieredBot().decide(view, easy, alternative), Action::call());
    SeededRNG oneDraw(alternativeSeed);
    oneDraw.nextUnit();
    EXPECT_EQ(alternative, oneDraw);

    SeededRNG action(seedWithFirstUnit(false, 0.1));
    EXPECT_EQ(TieredBot().decide(view, easy, action), Action::raise(60));
}

TEST(TieredBot, ReturnsALegalActionForEveryTier) {
    // A short stack facing a big raise: every wish is clamped into what the engine allows.
    TestTable table(3, 300, 10, 20, 0, rigged({{0, "Ac Kd"}, {1, "Qh Qs"}, {2, "5c 4c"}}));
    table.act(Action::raise(300));
    const auto view = table.actorView();
    for (const BotTier tier : allBotTiers) {
        for (std::uint64_t seed = 0; seed < 5; ++seed) {
            SeededRNG rng(seed);
            const auto action = TieredBot().decide(view, BotProfile::standard(tier), rng);
            EXPECT_EQ(Legalizer::legalize(action, *view.legalActions), action);
            EXPECT_NO_THROW(PokerEngine::apply(action, TestTable::player(table.actor()), table.state()));
        }
    }
}

TEST(TieredBotDeathTest, StopsOnAViewWithoutLegalActions) {
    const TestTable table(3, 2000, 10, 20, 0);
    const auto notToAct = PokerEngine::view(table.state(), TestTable::player(1));
    SeededRNG rng(7);
    EXPECT_DEATH(TieredBot().decide(notToAct, easy, rng), "Precondition failed");
}
