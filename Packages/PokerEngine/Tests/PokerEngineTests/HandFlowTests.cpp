#include "EngineTestSupport.h"

#include "PokerEngine/EngineError.h"
#include "PokerEngine/SeededRNG.h"

#include <gtest/gtest.h>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

void expectRefusal(const GameState& state, const Action& action, const EngineError& expected) {
    const auto before = state;
    try {
        (void)apply(action, actor(state), state);
        ADD_FAILURE() << "accepted, expected " << expected.what();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, expected) << error.what();
    }
    EXPECT_EQ(state, before);
}

} // namespace

TEST(NewTable, SeatsPlayersAndDrawsTheButton) {
    const TableConfig config{6, BlindSchedule::sitAndGoTurbo(), 1500};
    const auto state = newTable(config, players(4), 42);
    SeededRNG rng(42);
    EXPECT_EQ(state.buttonIndex(), rng.next(6));
    EXPECT_EQ(state.rng(), rng);
    EXPECT_EQ(state.schemaVersion(), 1);
    EXPECT_EQ(state.street(), Street::waitingToStart);
    EXPECT_EQ(state.blinds(), (BlindLevel{10, 20, 0}));
    EXPECT_EQ(state.handNumber(), 0);
    EXPECT_EQ(state.deck(), Deck());
    EXPECT_FALSE(state.actingIndex());
    EXPECT_EQ(state.totalChips(), 6000);
    ASSERT_EQ(state.seats().size(), 6u);
    EXPECT_EQ(state.seat(3).player, player(3));
    EXPECT_EQ(state.seat(3).status, SeatStatus::active);
    EXPECT_EQ(state.seat(4).status, SeatStatus::empty);
    EXPECT_EQ(state.seat(5).stack, 0);
    EXPECT_EQ(legalActions(state), LegalActions::none());
}

TEST(NewTableDeathTest, ProgrammingErrorsStop) {
    const auto blinds = BlindSchedule::fixed(10, 20, 0);
    EXPECT_DEATH(newTable(TableConfig{1, blinds, 100}, players(1), 1), "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{7, blinds, 100}, players(2), 1), "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{2, blinds, 100}, players(3), 1), "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{3, blinds, 100}, {player(1), player(1)}, 1), "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{3, blinds, 0}, players(2), 1), "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{3, BlindSchedule::fixed(-10, 20, 0), 100}, players(2), 1),
                 "Precondition failed");
    EXPECT_DEATH(newTable(TableConfig{3, BlindSchedule::fixed(10, 20, -1), 100}, players(2), 1),
                 "Precondition failed");
}

TEST(StartHand, HeadsUpButtonPostsSmallBlindAndActsFirstPreflopOnly) {
    auto state = startHand(table(2, 1000, 0, 6));
    const auto button = state.buttonIndex();
    const auto other = 1 - button;
    const auto blinds = eventsOf<HandEvent::BlindPosted>(state);
    ASSERT_EQ(blinds.size(), 2u);
    EXPECT_EQ(blinds[0], (HandEvent::BlindPosted{button, 10, BlindKind::small}));
    EXPECT_EQ(blinds[1], (HandEvent::BlindPosted{other, 20, BlindKind::big}));
    EXPECT_EQ(state.actingIndex(), button);
    state = act(state, Action::call());
    EXPECT_EQ(state.actingIndex(), other);
    state = act(state, Action::check());
    EXPECT_EQ(state.street(), Street::flop);
    EXPECT_EQ(state.actingIndex(), other);
}

TEST(StartHand, BlindsAndFirstActionSkipEmptySeats) {
    // Seats 1, 3 and 4 are empty: the hand is played by seats 0, 2 and 5.
    const auto state = startHand(tableWithStacks({500, 0, 500, 0, 0, 500}));
    const auto started = eventsOf<HandEvent::HandStarted>(state).front();
    std::vector<std::int64_t> dealt;
    for (const auto& entry : started.stacks) {
        dealt.push_back(entry.seat);
        EXPECT_EQ(entry.amount, 500);
    }
    ASSERT_EQ(dealt.size(), 3u);
    EXPECT_EQ(dealt.back(), state.buttonIndex());
    for (const auto seatIndex : dealt) {
        EXPECT_TRUE(seatIndex == 0 || seatIndex == 2 || seatIndex == 5);
    }
    const auto blinds = eventsOf<HandEvent::BlindPosted>(state);
    EXPECT_EQ(blinds[0], (HandEvent::BlindPosted{dealt[0], 10, BlindKind::small}));
    EXPECT_EQ(blinds[1], (HandEvent::BlindPosted{dealt[1], 20, BlindKind::big}));
    EXPECT_EQ(state.actingIndex(), dealt[2]);
    EXPECT_EQ(eventsOf<HandEvent::HoleCardsDealt>(state).size(), 3u);
}

TEST(StartHand, ButtonMovesToTheNextActiveSeat) {
    auto state = tableWithStacks({500, 500, 500, 500});
    state = startHand(state);
    const auto firstButton = state.buttonIndex();
    // Everyone folds to the big blind.
    while (state.street() != Street::handComplete) {
        state = act(state, Action::fold());
    }
    state = startHand(state);
    EXPECT_EQ(state.buttonIndex(), (firstButton + 1) % 4);
    EXPECT_EQ(state.handNumber(), 2);
}

TEST(StartHand, BigBlindKeepsItsOption) {
    auto state = startHand(table(3));
    const auto bigBlind = afterButton(state, 2);
    state = act(state, Action::call());
    state = act(state, Action::call());
    ASSERT_EQ(state.actingIndex(), bigBlind);
    const auto legal = legalActions(state);
    EXPECT_TRUE(legal.canCheck);
    EXPECT_EQ(legal.minRaiseTo, 40);
    EXPECT_FALSE(legal.opensBetting);
    const auto raised = act(state, Action::raise(60));
    EXPECT_EQ(raised.street(), Street::preflop);
    const auto checked = act(state, Action::check());
    EXPECT_EQ(checked.street(), Street::flop);
}

TEST(StartHand, RefusesWhatTheTableCannotDo) {
    auto state = startHand(table(3));
    try {
        (void)startHand(state);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::handInProgress());
    }
    const auto lonely = tableWithStacks({500, 0, 0});
    EXPECT_THROW((void)startHand(lonely), EngineError);
    try {
        (void)startHand(lonely);
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::notEnoughPlayers());
    }
}

TEST(StartHand, EveryoneAllInFromTheBlindsSettlesAtOnce) {
    const auto state = startHand(tableWithStacks({10, 20, 0}, BlindSchedule::fixed(10, 20, 0)));
    EXPECT_EQ(state.street(), Street::handComplete);
    EXPECT_EQ(eventsOf<HandEvent::BoardDealt>(state).size(), 3u);
    EXPECT_EQ(eventsOf<HandEvent::HandRevealed>(state).size(), 2u);
    EXPECT_EQ(state.board().size(), 5u);
    EXPECT_FALSE(state.actingIndex());
    EXPECT_EQ(state.totalChips(), 30);
}

TEST(StartHand, HeadsUpShortBigBlindBelowTheSmallBlindEndsTheRoundAtOnce) {
    // Whoever has the button posts the small blind of 10; the other seat holds 5 chips.
    auto probe = startHand(tableWithStacks({500, 500}));
    const auto button = probe.buttonIndex();
    std::vector<std::int64_t> stacksBySeat(2, 500);
    stacksBySeat[static_cast<std::size_t>(1 - button)] = 5;
    const auto state = startHand(tableWithStacks(stacksBySeat));
    ASSERT_EQ(state.buttonIndex(), button);
    EXPECT_EQ(state.street(), Street::handComplete);
    const auto returned = eventsOf<HandEvent::UncalledBetReturned>(state);
    ASSERT_EQ(returned.size(), 1u);
    EXPECT_EQ(returned[0], (HandEvent::UncalledBetReturned{button, 5}));
    EXPECT_TRUE(eventsOf<HandEvent::Acted>(state).empty());
}

TEST(StartHand, HeadsUpShortBigBlindAboveTheSmallBlindLetsTheButtonAct) {
    auto probe = startHand(tableWithStacks({500, 500}));
    const auto button = probe.buttonIndex();
    std::vector<std::int64_t> stacksBySeat(2, 500);
    stacksBySeat[static_cast<std::size_t>(1 - button)] = 15;
    const auto state = startHand(tableWithStacks(stacksBySeat));
    EXPECT_EQ(state.actingIndex(), button);
    EXPECT_EQ(state.currentBet(), 20);
    EXPECT_EQ(legalActions(state).callAmount, 10);
    EXPECT_FALSE(legalActions(state).minRaiseTo);
}

TEST(StartHand, RiggedDealComesOutExactlyWithoutTouchingTheGenerator) {
    const auto before = table(3);
    RiggedDeal rigged;
    rigged.board = cards({"Ah", "Kh", "Qh", "Jh", "Th"});
    const auto probe = startHand(before);
    const auto firstDealt = afterButton(probe, 1);
    rigged.holeCards[firstDealt] = cards({"2s", "7d"});
    auto state = startHand(before, rigged);
    EXPECT_EQ(state.rng(), before.rng());
    EXPECT_EQ(state.seat(firstDealt).holeCards, cards({"2s", "7d"}));
    // The other seats take the remaining cards in Card::all() order, round by round.
    EXPECT_EQ(state.seat(afterButton(state, 2)).holeCards, cards({"2c", "4c"}));
    EXPECT_EQ(state.seat(afterButton(state, 3)).holeCards, cards({"3c", "5c"}));
    while (state.street() != Street::handComplete) {
        state = act(state, legalActions(state).canCheck ? Action::check() : Action::call());
    }
    EXPECT_EQ(state.board(), rigged.board);
}

TEST(RiggedDealDeathTest, RepeatedCardsStop) {
    RiggedDeal rigged;
    rigged.board = cards({"Ah", "Ah"});
    EXPECT_DEATH((void)startHand(table(2), rigged), "Precondition failed");
}

TEST(LegalActionsRules, BetsAndRaisesAfterTheFlop) {
    auto state = startHand(table(3));
    state = act(state, Action::call());
    state = act(state, Action::call());
    state = act(state, Action::check());
    ASSERT_EQ(state.street(), Street::flop);
    auto legal = legalActions(state);
    EXPECT_TRUE(legal.opensBetting);
    EXPECT_EQ(legal.minRaiseTo, 20);
    EXPECT_EQ(legal.maxRaiseTo, 980);
    expectRefusal(state, Action::raise(40), EngineError::illegalAction());
    expectRefusal(state, Action::call(), EngineError::illegalAction());
    expectRefusal(state, Action::bet(19), EngineError::amountBelowMinimum(20));
    expectRefusal(state, Action::bet(981), EngineError::amountAboveStack());

    state = act(state, Action::bet(50));
    legal = legalActions(state);
    EXPECT_EQ(legal.callAmount, 50);
    EXPECT_EQ(legal.minRaiseTo, 100);
    expectRefusal(state, Action::check(), EngineError::illegalAction());
    expectRefusal(state, Action::bet(100), EngineError::illegalAction());
    expectRefusal(state, Action::raise(99), EngineError::amountBelowMinimum(100));
    const auto raised = act(state, Action::raise(100));
    EXPECT_EQ(raised.currentBet(), 100);
    EXPECT_EQ(raised.lastFullRaiseSize(), 50);
    EXPECT_EQ(raised.lastAggressorIndex(), state.actingIndex());
    const auto acted = eventsOf<HandEvent::Acted>(raised).back();
    EXPECT_EQ(acted.kind, ActionKind::raise);
    EXPECT_EQ(acted.amount, 100);
    const auto allIn = act(state, Action::raise(980));
    EXPECT_EQ(allIn.seat(*state.actingIndex()).status, SeatStatus::allIn);
}

TEST(LegalActionsRules, RefusalsFromTheWrongPlayerOrOutsideAHand) {
    const auto fresh = table(3);
    try {
        (void)apply(Action::check(), player(0), fresh);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::handNotInProgress());
    }
    const auto state = startHand(fresh);
    const auto waiting = *state.seat(afterButton(state, 1)).player;
    try {
        (void)apply(Action::fold(), waiting, state);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::notYourTurn());
    }
    try {
        (void)apply(Action::fold(), player(99), state);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::notYourTurn());
    }
}

TEST(LegalActionsRules, ShortAllInDoesNotReopenRaisingForThoseWhoActed) {
    // Flop: A bets 100, B goes all-in for 150 (a raise of 50, short of a full 100): A may only
    // call or fold, while C, who has not acted, may raise to at least 250.
    const auto probe = startHand(tableWithStacks({1000, 1000, 1000}));
    const auto a = afterButton(probe, 1);
    const auto b = afterButton(probe, 2);
    const auto c = afterButton(probe, 3);
    std::vector<std::int64_t> seatStacks(3, 1000);
    seatStacks[static_cast<std::size_t>(b)] = 170;
    auto state = startHand(tableWithStacks(seatStacks));
    ASSERT_EQ(state.buttonIndex(), probe.buttonIndex());
    state = act(state, Action::call());  // c
    state = act(state, Action::call());  // a
    state = act(state, Action::check()); // b
    ASSERT_EQ(state.actingIndex(), a);
    state = act(state, Action::bet(100));
    ASSERT_EQ(state.actingIndex(), b);
    EXPECT_EQ(legalActions(state).minRaiseTo, 150);
    state = act(state, Action::allIn());
    EXPECT_EQ(state.currentBet(), 150);
    EXPECT_EQ(state.lastFullRaiseSize(), 100);
    const auto allInEvent = eventsOf<HandEvent::Acted>(state).back();
    EXPECT_EQ(allInEvent, (HandEvent::Acted{b, ActionKind::raise, 150, 150, true}));
    ASSERT_EQ(state.actingIndex(), c);
    EXPECT_EQ(legalActions(state).minRaiseTo, 250);
    state = act(state, Action::call());
    ASSERT_EQ(state.actingIndex(), a);
    const auto legal = legalActions(state);
    EXPECT_EQ(legal.callAmount, 50);
    EXPECT_FALSE(legal.minRaiseTo);
    EXPECT_FALSE(legal.canAllIn);
    expectRefusal(state, Action::raise(400), EngineError::illegalAction());
    expectRefusal(state, Action::allIn(), EngineError::illegalAction());
    EXPECT_EQ(act(state, Action::call()).street(), Street::turn);
}

TEST(LegalActionsRules, AllInCallWhenRaisingIsClosed) {
    // Heads-up, the other player all-in for more than our stack: allIn is a call of everything.
    auto probe = startHand(tableWithStacks({500, 500}));
    const auto button = probe.buttonIndex();
    std::vector<std::int64_t> seatStacks(2, 800);
    seatStacks[static_cast<std::size_t>(button)] = 300;
    auto state = startHand(tableWithStacks(seatStacks));
    state = act(state, Action::call());
    state = act(state, Action::raise(800));
    ASSERT_EQ(state.actingIndex(), button);
    const auto legal = legalActions(state);
    EXPECT_EQ(legal.callAmount, 280);
    EXPECT_FALSE(legal.minRaiseTo);
    EXPECT_TRUE(legal.canAllIn);
    state = act(state, Action::allIn());
    EXPECT_EQ(state.street(), Street::handComplete);
    const auto calls = eventsOf<HandEvent::Acted>(state);
    EXPECT_EQ(calls.back(), (HandEvent::Acted{button, ActionKind::call, 280, 300, true}));
    EXPECT_EQ(eventsOf<HandEvent::UncalledBetReturned>(state).front().amount, 500);
}

TEST(SeatPlayer, TakesEmptyOrBustedSeatsBetweenHandsOnly) {
    auto state = tableWithStacks({500, 500, 0});
    state = seat(player(7), 2, 300, state);
    EXPECT_EQ(state.seat(2).player, player(7));
    EXPECT_EQ(state.seat(2).status, SeatStatus::active);
    EXPECT_EQ(state.totalChips(), 1300);
    try {
        (void)seat(player(8), 0, 300, state);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::seatOccupied());
    }
    const auto playing = startHand(state);
    try {
        (void)seat(player(8), 0, 300, playing);
        ADD_FAILURE();
    } catch (const EngineError& error) {
        EXPECT_EQ(error, EngineError::handInProgress());
    }
}

TEST(SeatPlayerDeathTest, ProgrammingErrorsStop) {
    const auto state = tableWithStacks({500, 0, 0});
    EXPECT_DEATH((void)seat(player(5), 1, 0, state), "Precondition failed");
    EXPECT_DEATH((void)seat(player(5), 3, 100, state), "Precondition failed");
    EXPECT_DEATH((void)seat(player(0), 1, 100, state), "Precondition failed");
}
