#include "BotKit/Equity.h"
#include "BotKit/HardStrategy.h"
#include "BotKit/Preflop.h"
#include "BotKit/PreflopChart.h"

#include "SituationFixture.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::cards;
using BotKitTesting::postflopSituation;
using BotKitTesting::preflopSituation;
using PokerEngine::Action;
using PokerEngine::SeededRNG;

namespace {

const BotProfile hard = BotProfile::standard(BotTier::hard);

// A single opponent in seat 4 with the given history.
Situation withOpponentHistory(std::optional<Situation::SeatHistory> history, std::int64_t preflopRaises) {
    auto situation = postflopSituation("Ah Kd", "Kc 9s 2d", 100, 0);
    situation.preflopRaises = preflopRaises;
    situation.histories.clear();
    if (history) {
        situation.histories[4] = *history;
    }
    return situation;
}

// The generator as the hard postflop rules leave it when no rule draws: the equity trials, then the jitter.
SeededRNG afterEquityAndJitter(const Situation& situation, std::int64_t trials, std::uint64_t seed) {
    SeededRNG rng(seed);
    Equity::estimate(situation.hole, situation.board, HardStrategy::ranges(situation), trials, rng);
    rng.nextUnit();
    return rng;
}

} // namespace

TEST(HardRanges, ReadOpponentsFromTheirBetting) {
    const auto threeBetThenBet =
        HardStrategy::ranges(withOpponentHistory(Situation::SeatHistory{2, false, 1, 0}, 2));
    EXPECT_EQ(threeBetThenBet, (std::vector<OpponentRange>{{0.08, 0.75}}));
    const auto limper = HardStrategy::ranges(withOpponentHistory(Situation::SeatHistory{0, false, 0, 0}, 0));
    EXPECT_EQ(limper, (std::vector<OpponentRange>{{1.0, 0.0}}));
    const auto caller = HardStrategy::ranges(withOpponentHistory(Situation::SeatHistory{0, true, 0, 0}, 1));
    EXPECT_EQ(caller, (std::vector<OpponentRange>{{0.3, 0.0}}));
    const auto silent = HardStrategy::ranges(withOpponentHistory(std::nullopt, 1));
    EXPECT_EQ(silent, (std::vector<OpponentRange>{{0.7, 0.0}}));
    const auto opener = HardStrategy::ranges(withOpponentHistory(Situation::SeatHistory{1, false, 0, 2}, 1));
    EXPECT_EQ(opener, (std::vector<OpponentRange>{{0.2, 0.4}}));
}

TEST(HardRanges, AShortStacksShoveReadsWider) {
    auto situation = withOpponentHistory(Situation::SeatHistory{3, false, 0, 0}, 3);
    auto& seat = situation.view.seats[4];
    seat.status = PokerEngine::SeatStatus::allIn;
    seat.stack = 0;
    seat.totalCommitted = 200; // 10 big blinds
    EXPECT_EQ(HardStrategy::ranges(situation), (std::vector<OpponentRange>{{0.35, 0.0}}));
    seat.totalCommitted = 400; // 20 big blinds
    EXPECT_EQ(HardStrategy::ranges(situation), (std::vector<OpponentRange>{{0.04, 0.0}}));
}

TEST(HardPreflop, CommitsTheBestHandsWithoutSimulating) {
    auto situation = preflopSituation("Kh Kd");
    situation.preflopRaises = 2;
    situation.toCall = 1000;
    situation.stack = 2000;
    SeededRNG rng(8);
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::allIn()));
    EXPECT_EQ(rng, SeededRNG(8));
}

TEST(HardPreflop, ShovesStrongHandsOverASingleRaiseWhenShallow) {
    auto situation = preflopSituation("Ah Kd"); // tier 2
    situation.preflopRaises = 1;
    situation.toCall = 80;
    situation.stack = 400;
    situation.effectiveStack = 400; // 20 big blinds; the call costs 20 per cent
    SeededRNG rng(8);
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::allIn()));
    situation.effectiveStack = 600; // 30 big blinds: the chart decides
    situation.stack = 600;
    SeededRNG viaHard(8);
    SeededRNG viaChart(8);
    EXPECT_EQ(HardStrategy::preflop(situation, hard, viaHard), Preflop::chart(situation, hard, viaChart));
    EXPECT_EQ(viaHard, viaChart);
}

TEST(HardPreflop, ShortStackFacingARaiseSimulates) {
    auto situation = preflopSituation("9h 9d"); // tier 3
    situation.preflopRaises = 1;
    situation.stack = 200;
    situation.effectiveStack = 200; // 10 big blinds
    situation.toCall = 30;          // 15 per cent of the stack
    situation.opponents = {4};
    SeededRNG rng(8);
    const Plan plan = HardStrategy::preflop(situation, hard, rng);
    SeededRNG expected(8);
    const double equity =
        Equity::estimate(situation.hole, {}, HardStrategy::ranges(situation), 1500, expected);
    EXPECT_EQ(rng, expected);
    const double price = 30.0 / (static_cast<double>(situation.pot) + 30.0);
    EXPECT_EQ(plan, Plan(equity > price + 0.02 ? Action::allIn() : Action::fold()));
}

TEST(HardPreflop, ShortStackUnraisedPushesItsRange) {
    auto situation = preflopSituation("Qh 9d");
    situation.effectiveStack = 200; // 10 big blinds, early position, six dealt
    const double limit = Preflop::pushRange(situation) + 0.05;
    SeededRNG rng(8);
    const bool inside = PreflopChart::percentile(StartingHand(situation.hole[0], situation.hole[1])) <= limit;
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(inside ? Action::allIn() : Action::fold()));
    EXPECT_EQ(rng, SeededRNG(8));
    situation.hole = cards("Ah Ad");
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::allIn()));
    situation.hole = cards("7c 2d");
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::fold()));
}

TEST(HardPreflop, DeepSpeculativeHandsCallSmallRaisesInPosition) {
    auto situation = preflopSituation("7h 6h");
    situation.preflopRaises = 1;
    situation.position = Position::button;
    situation.toCall = 60;
    situation.view.currentBet = 60;
    SeededRNG chartRNG(8);
    ASSERT_EQ(Preflop::chart(situation, hard, chartRNG).action, Action::fold());
    SeededRNG rng(8);
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::call(), Action::fold()));
    situation.hole = cards("7h 5h");
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::fold()));
    situation.hole = cards("2h 2d");
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::call(), Action::fold()));
    situation.hole = cards("4h 3h"); // below 54s
    EXPECT_EQ(HardStrategy::preflop(situation, hard, rng), Plan(Action::fold()));
}

TEST(HardPostflop, DrawsTheEquityTrialsThenOneJitter) {
    // Queen high with a gutshot, checked to, against any two cards: an equity between 0.3 and 0.55
    // and no draw, so no rule draws after the jitter. Heads-up the estimate runs 2000 trials.
    const auto headsUp = postflopSituation("Qh Td", "Kc 9s 2d", 100, 0);
    SeededRNG rng(21);
    EXPECT_EQ(HardStrategy::postflop(headsUp, hard, rng), Plan(Action::check()));
    EXPECT_EQ(rng, afterEquityAndJitter(headsUp, 2000, 21));

    // Against two opponents 1500 trials.
    const auto multiway = postflopSituation("Ah Td", "Kc 9s 2d", 100, 0, 2);
    SeededRNG twoOpponents(21);
    EXPECT_EQ(HardStrategy::postflop(multiway, hard, twoOpponents), Plan(Action::check()));
    EXPECT_EQ(twoOpponents, afterEquityAndJitter(multiway, 1500, 21));
}

TEST(HardPostflop, ValueBetsTheNuts) {
    // A royal flush cannot lose: equity 1 on a wet board, checked to.
    const auto checkedTo = postflopSituation("Ah Kh", "Qh Jh Th", 100, 0);
    SeededRNG rng(4);
    const Plan plan = HardStrategy::postflop(checkedTo, hard, rng);
    ASSERT_TRUE(plan.action.is<Action::Bet>());
    const auto size = plan.action.as<Action::Bet>()->to;
    EXPECT_GE(size, checkedTo.sizeTo(0.8));
    EXPECT_LE(size, checkedTo.sizeTo(1.0));
    EXPECT_EQ(plan.alternative, Action::check());

    const auto facing = postflopSituation("Ah Kh", "Qh Jh Th", 130, 30);
    SeededRNG facingRNG(4);
    const Plan answer = HardStrategy::postflop(facing, hard, facingRNG);
    EXPECT_TRUE(answer.action.is<Action::Raise>() || answer == Plan(Action::call(), Action::raise(158)));
}

TEST(HardPostflop, GivesUpHopelessHandsFacingABet) {
    // Seven high with no draw against a bettor who showed strength.
    auto situation = postflopSituation("7c 2d", "Ah Kh Qs 9s 4c", 200, 150);
    situation.histories[4] = Situation::SeatHistory{1, false, 1, 0};
    SeededRNG rng(4);
    EXPECT_EQ(HardStrategy::postflop(situation, hard, rng), Plan(Action::fold()));
}
