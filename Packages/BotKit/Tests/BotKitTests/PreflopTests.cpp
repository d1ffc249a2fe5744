#include "BotKit/Preflop.h"
#include "BotKit/StrategyMath.h"

#include "SituationFixture.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::preflopSituation;
using PokerEngine::Action;
using PokerEngine::SeededRNG;

namespace {

BotProfile profileWithLooseness(double looseness) {
    auto profile = BotProfile::standard(BotTier::medium);
    profile.looseness = looseness;
    return profile;
}

Plan chart(const Situation& situation, double looseness = 0.5) {
    SeededRNG rng(1);
    return Preflop::chart(situation, profileWithLooseness(looseness), rng);
}

// The actor facing one raise to `raiseTo` at a big blind of 20.
Situation facingRaise(const std::string& hole, std::int64_t raiseTo, Position position) {
    auto situation = preflopSituation(hole);
    situation.preflopRaises = 1;
    situation.view.currentBet = raiseTo;
    situation.toCall = raiseTo;
    situation.position = position;
    return situation;
}

} // namespace

TEST(PushOrFold, UsesThePushLimitUnraisedAndTheCallLimitFacingARaise) {
    auto situation = preflopSituation("Ah Kd"); // AKo: 48/1326, about 0.036
    EXPECT_EQ(Preflop::pushOrFold(situation, 0.04, 0.01), Plan(Action::allIn()));
    EXPECT_EQ(Preflop::pushOrFold(situation, 0.03, 0.5), Plan(Action::fold()));
    situation.preflopRaises = 1;
    EXPECT_EQ(Preflop::pushOrFold(situation, 0.04, 0.01), Plan(Action::fold()));
    EXPECT_EQ(Preflop::pushOrFold(situation, 0.01, 0.04), Plan(Action::allIn()));
    // The big blind with nothing to call checks rather than folds.
    situation.preflopRaises = 0;
    situation.legal.canCheck = true;
    EXPECT_EQ(Preflop::pushOrFold(situation, 0.03, 0.5), Plan(Action::check()));
}

TEST(PushRange, WidensWhenShortLateAndHeadsUp) {
    auto situation = preflopSituation("2c 7d");
    situation.effectiveStack = 400; // 20 big blinds
    situation.position = Position::middle;
    situation.playersDealt = 3;
    EXPECT_DOUBLE_EQ(Preflop::pushRange(situation), 0.1);
    situation.effectiveStack = 100; // 5 big blinds
    situation.position = Position::button;
    situation.playersDealt = 2;
    EXPECT_DOUBLE_EQ(Preflop::pushRange(situation), 0.75);
    situation.effectiveStack = 0;
    EXPECT_DOUBLE_EQ(Preflop::pushRange(situation), 1.0);
    situation.position = Position::cutoff;
    situation.playersDealt = 4;
    situation.effectiveStack = 200;
    EXPECT_DOUBLE_EQ(Preflop::pushRange(situation), 0.2 + 0.08);
}

TEST(PreflopChartPlay, OpensByTierFromEarlyPosition) {
    EXPECT_EQ(chart(preflopSituation("Ah Ad")), Plan(Action::raise(50), Action::call()));
    EXPECT_EQ(chart(preflopSituation("9h 9d")), Plan(Action::raise(50), Action::call()));
    EXPECT_EQ(chart(preflopSituation("Ah Ad", 15)), Plan(Action::raise(37), Action::call()));
    EXPECT_EQ(chart(preflopSituation("Th 9h")), Plan(Action::fold()));

    auto limped = preflopSituation("9h 9d");
    limped.limpers = 1;
    EXPECT_EQ(chart(limped), Plan(Action::call(), Action::fold()));
    limped.hole = BotKitTesting::cards("Ts Td");
    EXPECT_EQ(chart(limped), Plan(Action::raise(70), Action::call()));
}

TEST(PreflopChartPlay, LoosenessShiftsTheLimitsRoundingHalvesAway) {
    const auto suitedConnector = preflopSituation("Th 9h"); // tier 4
    EXPECT_EQ(chart(suitedConnector, 0.625).action, Action::raise(50));
    EXPECT_EQ(chart(suitedConnector, 0.6).action, Action::fold());
    EXPECT_EQ(chart(preflopSituation("9h 9d"), 0.375).action, Action::fold());
    EXPECT_EQ(chart(preflopSituation("Th Td"), 0.0).action, Action::fold());
    EXPECT_EQ(chart(preflopSituation("Ah Ad"), 0.0).action, Action::raise(50));
}

TEST(PreflopChartPlay, HeadsUpOpensAllButTheWorstHands) {
    auto situation = preflopSituation("7c 2d");
    situation.playersDealt = 2;
    situation.position = Position::button;
    EXPECT_EQ(chart(situation).action, Action::fold());
    EXPECT_EQ(chart(situation, 0.75).action, Action::raise(50));
    situation.hole = BotKitTesting::cards("Kc 2c"); // tier 7
    EXPECT_EQ(chart(situation).action, Action::raise(50));
}

TEST(PreflopChartPlay, BigBlindOptionAfterLimps) {
    auto situation = preflopSituation("9h 9d");
    situation.legal.canCheck = true;
    situation.legal.callAmount.reset();
    situation.limpers = 2;
    situation.position = Position::bigBlind;
    EXPECT_EQ(chart(situation), Plan(Action::raise(110), Action::check()));
    situation.hole = BotKitTesting::cards("Th 9h");
    EXPECT_EQ(chart(situation), Plan(Action::check()));
}

TEST(PreflopChartPlay, ThreeBetsTheBestHandsBySizeAndPosition) {
    EXPECT_EQ(chart(facingRaise("Ah Ad", 60, Position::button)), Plan(Action::raise(180), Action::call()));
    EXPECT_EQ(chart(facingRaise("Ah Ad", 60, Position::early)), Plan(Action::raise(210), Action::call()));
}

TEST(PreflopChartPlay, OnlyTierTwoDrawsFacingOneRaise) {
    const auto profile = profileWithLooseness(0.5);
    for (const char* hole : {"Ah Ad", "Th Td", "9h 9d", "7c 2d"}) {
        SeededRNG rng(3);
        Preflop::chart(facingRaise(hole, 60, Position::button), profile, rng);
        SeededRNG expected(3);
        if (std::string(hole) == "Th Td") {
            expected.nextUnit();
        }
        EXPECT_EQ(rng, expected) << hole;
    }
}

TEST(PreflopChartPlay, CallsAndDefendsFacingOneRaise) {
    EXPECT_EQ(chart(facingRaise("9h 9d", 60, Position::button)), Plan(Action::call(), Action::fold()));
    EXPECT_EQ(chart(facingRaise("9h 9d", 100, Position::early)), Plan(Action::call(), Action::fold()));
    // Too dear: a price of 6 big blinds over the cap of 4 (100 big blinds deep gives 10, so make it shallow).
    auto dear = facingRaise("9h 9d", 120, Position::early);
    dear.effectiveStack = 600;
    EXPECT_EQ(chart(dear), Plan(Action::fold()));
    auto defence = facingRaise("5h 4h", 40, Position::bigBlind); // tier 6
    EXPECT_EQ(chart(defence), Plan(Action::call(), Action::fold()));
    defence.toCall = 60;
    EXPECT_EQ(chart(defence), Plan(Action::fold()));
}

TEST(PreflopChartPlay, FacingTwoRaises) {
    auto situation = facingRaise("Ah Ad", 200, Position::button);
    situation.preflopRaises = 2;
    situation.effectiveStack = 600; // 30 big blinds
    EXPECT_EQ(chart(situation), Plan(Action::allIn(), Action::call()));
    situation.effectiveStack = 1200; // 60 big blinds
    EXPECT_EQ(chart(situation), Plan(Action::raise(460), Action::call()));
    situation.hole = BotKitTesting::cards("Th Td");
    situation.stack = 800;
    EXPECT_EQ(chart(situation), Plan(Action::call(), Action::fold()));
    situation.toCall = 201;
    EXPECT_EQ(chart(situation), Plan(Action::fold()));
}

TEST(StrategyMath, ShortStackCallLimit) {
    auto situation = preflopSituation("Ah Kd");
    situation.toCall = 60;
    EXPECT_DOUBLE_EQ(StrategyMath::shortStackCallTop(situation), 0.48);
    situation.toCall = 280;
    EXPECT_DOUBLE_EQ(StrategyMath::shortStackCallTop(situation), 0.08);
    situation.toCall = 0;
    EXPECT_DOUBLE_EQ(StrategyMath::shortStackCallTop(situation), 0.5);
}
