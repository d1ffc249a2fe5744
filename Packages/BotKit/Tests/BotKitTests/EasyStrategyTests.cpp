#include "BotKit/EasyStrategy.h"

#include "SituationFixture.h"
#include "TestDraws.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::cards;
using BotKitTesting::postflopSituation;
using BotKitTesting::preflopSituation;
using BotKitTesting::seedWithFirstUnit;
using PokerEngine::Action;
using PokerEngine::SeededRNG;

namespace {

const BotProfile easy = BotProfile::standard(BotTier::easy);

} // namespace

TEST(EasyPreflop, PushesOrFoldsBelowTenBigBlinds) {
    auto situation = preflopSituation("Ah Ad");
    situation.effectiveStack = 198; // 9.9 big blinds
    EXPECT_EQ(EasyStrategy::preflop(situation, easy), Plan(Action::allIn()));
    situation.hole = cards("7c 2d");
    EXPECT_EQ(EasyStrategy::preflop(situation, easy), Plan(Action::fold()));
    situation.hole = cards("Ah Ad");
    situation.effectiveStack = 200;
    EXPECT_EQ(EasyStrategy::preflop(situation, easy), Plan(Action::raise(60), Action::call()));
}

TEST(EasyPreflop, RaisesOnlyTheBestHands) {
    auto bigBlind = preflopSituation("Ah Ad");
    bigBlind.legal.canCheck = true;
    bigBlind.legal.callAmount.reset();
    bigBlind.limpers = 2;
    EXPECT_EQ(EasyStrategy::preflop(bigBlind, easy), Plan(Action::raise(60), Action::check()));

    auto facing = preflopSituation("Kh Kd");
    facing.preflopRaises = 1;
    facing.view.currentBet = 50;
    facing.toCall = 50;
    EXPECT_EQ(EasyStrategy::preflop(facing, easy), Plan(Action::raise(150), Action::call()));

    // Facing two raises the best hands just call, at any price.
    facing.preflopRaises = 2;
    facing.toCall = 400;
    EXPECT_EQ(EasyStrategy::preflop(facing, easy), Plan(Action::call()));
}

TEST(EasyPreflop, ChecksFreeAndCallsByPercentile) {
    auto bigBlind = preflopSituation("7c 2d");
    bigBlind.legal.canCheck = true;
    bigBlind.legal.callAmount.reset();
    EXPECT_EQ(EasyStrategy::preflop(bigBlind, easy), Plan(Action::check()));

    // Limping: the top 60 per cent of combinations at looseness 0.5.
    EXPECT_EQ(EasyStrategy::preflop(preflopSituation("Jc 2c"), easy), Plan(Action::call()));
    EXPECT_EQ(EasyStrategy::preflop(preflopSituation("Kc 7d"), easy), Plan(Action::fold()));

    auto facing = preflopSituation("4c 4d"); // about 0.28: inside 0.45, outside the top quarter
    facing.preflopRaises = 1;
    facing.toCall = 80;
    EXPECT_EQ(EasyStrategy::preflop(facing, easy), Plan(Action::call()));
    facing.toCall = 90; // a price of 4.5
    EXPECT_EQ(EasyStrategy::preflop(facing, easy), Plan(Action::fold()));
    facing.hole = cards("Ac Qd"); // inside the top quarter: calls up to 15 big blinds
    facing.toCall = 300;
    EXPECT_EQ(EasyStrategy::preflop(facing, easy), Plan(Action::call()));
}

TEST(EasyPostflop, OnePairIsNotStrong) {
    auto checkedTo = postflopSituation("Ah Jd", "As 8c 3d", 100, 0);
    const auto bluffSeed = seedWithFirstUnit(true, easy.bluffFrequency);
    const auto honestSeed = seedWithFirstUnit(false, easy.bluffFrequency);
    SeededRNG honest(honestSeed);
    EXPECT_EQ(EasyStrategy::postflop(checkedTo, easy, honest), Plan(Action::check()));
    SeededRNG bluffing(bluffSeed);
    EXPECT_EQ(EasyStrategy::postflop(checkedTo, easy, bluffing), Plan(Action::bet(50)));

    auto facing = postflopSituation("Ah Jd", "As 8c 3d", 130, 30);
    SeededRNG rng(1);
    EXPECT_EQ(EasyStrategy::postflop(facing, easy, rng), Plan(Action::call(), Action::fold()));
    EXPECT_EQ(rng, SeededRNG(1));
}

TEST(EasyPostflop, BetsStrongHandsWithoutADraw) {
    auto situation = postflopSituation("Ah 8d", "As 8c 3d", 100, 0);
    SeededRNG rng(1);
    EXPECT_EQ(EasyStrategy::postflop(situation, easy, rng), Plan(Action::bet(50), Action::check()));
    EXPECT_EQ(rng, SeededRNG(1));

    auto facing = postflopSituation("Ah 8d", "As 8c 3d", 130, 30);
    EXPECT_EQ(EasyStrategy::postflop(facing, easy, rng), Plan(Action::call()));
}

TEST(EasyPostflop, RaisesMonstersByAggression) {
    auto facing = postflopSituation("8h 8d", "As 8c 3d", 130, 30);
    SeededRNG raising(seedWithFirstUnit(true, easy.aggression));
    EXPECT_EQ(EasyStrategy::postflop(facing, easy, raising), Plan(Action::raise(190), Action::call()));
    SeededRNG calling(seedWithFirstUnit(false, easy.aggression));
    EXPECT_EQ(EasyStrategy::postflop(facing, easy, calling), Plan(Action::call()));
}

TEST(EasyPostflop, TwoOvercardsCallCheaplyButNotOnTheRiver) {
    auto turn = postflopSituation("Ah Kd", "9c 7d 3s 2h", 100, 30);
    SeededRNG calling(seedWithFirstUnit(true, 0.4));
    EXPECT_EQ(EasyStrategy::postflop(turn, easy, calling), Plan(Action::call()));
    SeededRNG folding(seedWithFirstUnit(false, 0.4));
    EXPECT_EQ(EasyStrategy::postflop(turn, easy, folding), Plan(Action::fold(), Action::call()));

    turn.toCall = 60; // 60 into 40: too dear, no draw
    SeededRNG untouched(5);
    EXPECT_EQ(EasyStrategy::postflop(turn, easy, untouched), Plan(Action::fold(), Action::call()));
    EXPECT_EQ(untouched, SeededRNG(5));

    auto river = postflopSituation("Ah Kd", "9c 7d 3s 2h Jc", 100, 30);
    SeededRNG rng(5);
    EXPECT_EQ(EasyStrategy::postflop(river, easy, rng), Plan(Action::fold(), Action::call()));
    EXPECT_EQ(rng, SeededRNG(5));
}

TEST(EasyPostflop, DrawsCallAndNothingChecksWithOneDraw) {
    auto flushDraw = postflopSituation("Qh 3h", "Kh 8h 2c", 130, 30);
    SeededRNG rng(9);
    EXPECT_EQ(EasyStrategy::postflop(flushDraw, easy, rng), Plan(Action::call(), Action::fold()));

    auto nothing = postflopSituation("Qh 4c", "Kd 8s 2c", 100, 0);
    SeededRNG one(9);
    EasyStrategy::postflop(nothing, easy, one);
    SeededRNG expected(9);
    expected.nextUnit();
    EXPECT_EQ(one, expected);
}
