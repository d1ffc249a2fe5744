#include "BotKit/MediumStrategy.h"

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

const BotProfile medium = BotProfile::standard(BotTier::medium);

SeededRNG advanced(std::uint64_t seed, int units) {
    SeededRNG rng(seed);
    for (int i = 0; i < units; ++i) {
        rng.nextUnit();
    }
    return rng;
}

} // namespace

TEST(MediumPreflop, ShortStacksPushOrFoldDeepStacksFollowTheChart) {
    auto situation = preflopSituation("Ah Ad");
    situation.effectiveStack = 160; // 8 big blinds
    SeededRNG rng(1);
    EXPECT_EQ(MediumStrategy::plan(situation, medium, rng), Plan(Action::allIn()));
    situation.hole = cards("7c 2d");
    EXPECT_EQ(MediumStrategy::plan(situation, medium, rng), Plan(Action::fold()));
    situation.hole = cards("Ah Ad");
    situation.effectiveStack = 200; // exactly 10: the chart
    EXPECT_EQ(MediumStrategy::plan(situation, medium, rng), Plan(Action::raise(50), Action::call()));
}

TEST(MediumPostflop, MonstersOnDryBoardsSometimesSlowPlay) {
    const auto situation = postflopSituation("8h 8d", "As 8c 3d", 100, 0);
    SeededRNG slow(seedWithFirstUnit(true, 0.15));
    EXPECT_EQ(MediumStrategy::postflop(situation, medium, slow), Plan(Action::check(), Action::bet(66)));
    SeededRNG fast(seedWithFirstUnit(false, 0.15));
    const auto fastSeed = seedWithFirstUnit(false, 0.15);
    EXPECT_EQ(MediumStrategy::postflop(situation, medium, fast), Plan(Action::bet(66), Action::check()));
    EXPECT_EQ(fast, advanced(fastSeed, 1));

    const auto wet = postflopSituation("8h 8d", "9s 8c 7s", 100, 0);
    SeededRNG untouched(4);
    EXPECT_EQ(MediumStrategy::postflop(wet, medium, untouched), Plan(Action::bet(66), Action::check()));
    EXPECT_EQ(untouched, SeededRNG(4));
}

TEST(MediumPostflop, ContinuationBetsOnlyAgainstFewOpponents) {
    auto situation = postflopSituation("Qh Jc", "Kd 7s 2c", 100, 0, 3);
    situation.preflopRaiser = situation.seat;
    SeededRNG rng(2);
    EXPECT_EQ(MediumStrategy::postflop(situation, medium, rng), Plan(Action::check()));
    // Three opponents: no continuation bet, a dry board, air: no draw at all.
    EXPECT_EQ(rng, SeededRNG(2));

    situation.opponents.resize(2);
    SeededRNG betting(seedWithFirstUnit(true, 0.6));
    EXPECT_EQ(MediumStrategy::postflop(situation, medium, betting), Plan(Action::bet(50), Action::check()));

    // With a flush draw and three opponents the semi-bluff draw is reached instead.
    auto drawing = postflopSituation("Qh Jh", "Kh 7h 2c", 100, 0, 3);
    drawing.preflopRaiser = drawing.seat;
    SeededRNG semi(seedWithFirstUnit(true, 0.4));
    EXPECT_EQ(MediumStrategy::postflop(drawing, medium, semi), Plan(Action::bet(60), Action::check()));
}

TEST(MediumPostflop, MissedDrawsOnTheRiverDrawNothing) {
    const auto situation = postflopSituation("9h Tc", "Jd 8s 2c 2h Kd", 100, 0);
    SeededRNG rng(6);
    EXPECT_EQ(MediumStrategy::postflop(situation, medium, rng), Plan(Action::check()));
    EXPECT_EQ(rng, SeededRNG(6));
}

TEST(MediumPostflop, FacingABet) {
    // 80 into 100 (a price of 4) with a weak hand and no draw: fold, no draw, no alternative.
    const auto weak = postflopSituation("6h 6d", "Kc 9s 2d", 100, 80);
    SeededRNG rng(6);
    EXPECT_EQ(MediumStrategy::postflop(weak, medium, rng), Plan(Action::fold()));
    EXPECT_EQ(rng, SeededRNG(6));

    // A medium pair heads-up on the flop is worth 0.5: it calls while the price is below that.
    const auto cheap = postflopSituation("Kh Td", "Kc 9s 2d", 100, 30);
    EXPECT_EQ(MediumStrategy::postflop(cheap, medium, rng), Plan(Action::call(), Action::fold()));
    const auto dear = postflopSituation("Kh Td", "Kc 9s 2d", 100, 100);
    EXPECT_EQ(MediumStrategy::postflop(dear, medium, rng), Plan(Action::fold()));

    const auto strong = postflopSituation("Ah Kd", "Kc 9s 2d", 130, 30);
    EXPECT_EQ(MediumStrategy::postflop(strong, medium, rng), Plan(Action::call(), Action::raise(150)));

    const auto monster = postflopSituation("9h 9d", "Kc 9s 2d", 130, 30);
    SeededRNG raising(seedWithFirstUnit(true, 0.6));
    EXPECT_EQ(MediumStrategy::postflop(monster, medium, raising), Plan(Action::raise(190), Action::call()));
    SeededRNG calling(seedWithFirstUnit(false, 0.6));
    EXPECT_EQ(MediumStrategy::postflop(monster, medium, calling), Plan(Action::call(), Action::raise(190)));
}
