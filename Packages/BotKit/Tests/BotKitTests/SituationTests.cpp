#include "BotKit/Situation.h"

#include "SituationFixture.h"
#include "TestTable.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::rigged;
using BotKitTesting::TestTable;
using PokerEngine::Action;

TEST(Situation, ReadsPricesAndStacksFromTheView) {
    TestTable table(3, 1000, 10, 20, 0);
    // Button (seat 0) raises to 60; the small blind (seat 1) is to act.
    table.act(Action::raise(60));
    const Situation situation(table.actorView());
    EXPECT_EQ(situation.seat, 1);
    EXPECT_EQ(situation.toCall, 50);
    EXPECT_EQ(situation.pot, 90);
    EXPECT_EQ(situation.stack, 990);
    EXPECT_EQ(situation.bigBlind, 20);
    EXPECT_EQ(situation.hole.size(), 2u);
    EXPECT_EQ(situation.opponents, (std::vector<std::int64_t>{0, 2}));
    EXPECT_EQ(situation.effectiveStack, 1000);
    EXPECT_EQ(situation.position, Position::smallBlind);
    EXPECT_EQ(situation.playersDealt, 3);
    EXPECT_EQ(situation.preflopRaiser, 0);
}

TEST(Situation, NoLegalActionsAndAZeroBigBlind) {
    TestTable table(3, 1000, 10, 20, 0);
    auto view = PokerEngine::view(table.state(), TestTable::player(2));
    view.blinds.bigBlind = 0;
    const Situation situation(view);
    EXPECT_EQ(situation.legal, PokerEngine::LegalActions::none());
    EXPECT_EQ(situation.toCall, 0);
    EXPECT_EQ(situation.bigBlind, 1);
}

TEST(Situation, ReadsThePreflopBettingHistory) {
    TestTable table(3, 1000, 10, 20, 0);
    table.act(Action::raise(60));  // button opens
    table.act(Action::call());     // small blind calls
    table.act(Action::raise(200)); // big blind three-bets
    table.act(Action::call());     // button calls
    const Situation situation(table.actorView());
    ASSERT_EQ(situation.seat, 1);
    EXPECT_EQ(situation.preflopRaises, 2);
    EXPECT_EQ(situation.preflopRaiser, 2);
    EXPECT_EQ(situation.limpers, 0);
    EXPECT_EQ(situation.raisesThisStreet, 2);
    EXPECT_EQ(situation.histories.at(0), (Situation::SeatHistory{1, true, 0, 0}));
    EXPECT_EQ(situation.histories.at(1), (Situation::SeatHistory{0, true, 0, 0}));
    EXPECT_EQ(situation.histories.at(2), (Situation::SeatHistory{2, false, 0, 0}));
}

TEST(Situation, CountsLimpersBeforeTheFirstRaise) {
    TestTable table(4, 1000, 10, 20, 0);
    table.act(Action::call());     // seat 3 limps
    table.act(Action::call());     // the button limps
    table.act(Action::raise(100)); // the small blind raises
    const Situation situation(table.actorView());
    EXPECT_EQ(situation.limpers, 2);
    EXPECT_EQ(situation.preflopRaises, 1);
    EXPECT_EQ(situation.position, Position::bigBlind);
}

TEST(Situation, ACompletedSmallBlindLimpsAndTheBigBlindsCheckDoesNot) {
    TestTable table(3, 1000, 10, 20, 0);
    table.act(Action::fold());  // button
    table.act(Action::call());  // small blind completes
    table.act(Action::check()); // big blind checks its option
    ASSERT_EQ(table.state().street(), PokerEngine::Street::flop);
    const Situation situation(table.actorView());
    EXPECT_EQ(situation.limpers, 1);
    EXPECT_EQ(situation.preflopRaises, 0);
    EXPECT_FALSE(situation.preflopRaiser.has_value());
    EXPECT_EQ(situation.opponents.size(), 1u);
}

TEST(Situation, CountsOnlyThisStreetsRaisesAndPostflopHistory) {
    TestTable table(2, 1000, 10, 20, 0);
    table.act(Action::raise(60)); // button opens
    table.act(Action::call());    // big blind calls
    ASSERT_EQ(table.state().street(), PokerEngine::Street::flop);
    table.act(Action::bet(60));    // big blind leads
    table.act(Action::raise(180)); // button raises
    const Situation situation(table.actorView());
    ASSERT_EQ(situation.seat, 1);
    EXPECT_EQ(situation.raisesThisStreet, 2);
    EXPECT_EQ(situation.preflopRaises, 1);
    EXPECT_EQ(situation.histories.at(0).postflopAggression, 1);
    EXPECT_EQ(situation.histories.at(1), (Situation::SeatHistory{0, true, 1, 0}));
    EXPECT_EQ(situation.position, Position::bigBlind);
    EXPECT_FALSE(situation.inPosition());
}

TEST(Situation, HeadsUpPositions) {
    EXPECT_EQ(Situation::positionOf(0, {1, 0}), Position::button);
    EXPECT_EQ(Situation::positionOf(1, {1, 0}), Position::bigBlind);
    TestTable table(2, 1000, 10, 20, 1);
    EXPECT_EQ(Situation(table.actorView()).position, Position::button);
    EXPECT_TRUE(Situation(table.actorView()).inPosition());
}

TEST(Situation, PositionsByTableSize) {
    using P = Position;
    const std::vector<std::vector<P>> expected{
        {P::smallBlind, P::bigBlind, P::button},
        {P::smallBlind, P::bigBlind, P::cutoff, P::button},
        {P::smallBlind, P::bigBlind, P::early, P::cutoff, P::button},
        {P::smallBlind, P::bigBlind, P::early, P::middle, P::cutoff, P::button},
    };
    for (const auto& positions : expected) {
        std::vector<std::int64_t> order;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            order.push_back(static_cast<std::int64_t>((i + 2) % positions.size()));
        }
        for (std::size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(Situation::positionOf(order[i], order), positions[i])
                << positions.size() << " seats, place " << i;
        }
    }
    EXPECT_EQ(Situation::positionOf(5, {0, 1, 2}), Position::early);
    EXPECT_EQ(toString(Position::smallBlind), "smallBlind");
    EXPECT_EQ(positionFromString("cutoff"), Position::cutoff);
    EXPECT_FALSE(positionFromString("Cutoff").has_value());
}

TEST(Situation, SizesBetsAsAShareOfThePotAfterCalling) {
    auto situation = BotKitTesting::preflopSituation("Ah Kh");
    situation.pot = 100;
    situation.toCall = 20;
    situation.view.currentBet = 20;
    EXPECT_EQ(situation.sizeTo(0.5), 80);
    EXPECT_EQ(situation.sizeTo(0.33), 59);
    EXPECT_EQ(situation.sizeTo(0.0), 20);
    // Thousandths round half away from zero: 0.0005 is one thousandth.
    EXPECT_EQ(situation.sizeTo(0.0005), 20);
    EXPECT_EQ(situation.sizeTo(0.0105), 21);
}

TEST(Situation, WithoutOpponentsOrAHandStartedEvent) {
    TestTable table(3, 1000, 10, 20, 0);
    auto view = table.actorView();
    for (auto& seat : view.seats) {
        if (seat.index != *view.seatIndex) {
            seat.hasCards = false;
        }
    }
    view.log.erase(view.log.begin());
    const Situation situation(view);
    EXPECT_TRUE(situation.opponents.empty());
    EXPECT_EQ(situation.effectiveStack, 0);
    EXPECT_EQ(situation.playersDealt, 0);
    EXPECT_EQ(situation.position, Position::early);
}

TEST(Situation, EffectiveStackIsTheSmallerOfOwnAndDeepestOpponent) {
    TestTable table(3, 1000, 10, 20, 0);
    auto view = table.actorView();
    view.seats[1].stack = 300;
    view.seats[2].stack = 4000;
    EXPECT_EQ(Situation(view).effectiveStack, 1000);
    view.seats[2].stack = 500;
    // The deepest opponent: 500 behind plus the 20 of its big blind.
    EXPECT_EQ(Situation(view).effectiveStack, 520);
}

TEST(SituationDeathTest, NeedsTheViewersSeat) {
    TestTable table(3, 1000, 10, 20, 0);
    auto view = table.actorView();
    view.seatIndex.reset();
    EXPECT_DEATH(Situation{view}, "Precondition failed");
    view.seatIndex = 7;
    EXPECT_DEATH(Situation{view}, "Precondition failed");
}
