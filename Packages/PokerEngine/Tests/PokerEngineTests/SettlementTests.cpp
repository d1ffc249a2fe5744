#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

// Plays the hand out: the seat to act goes all-in when it can, else calls, else checks.
GameState shoveAll(GameState state) {
    while (state.street() != Street::handComplete) {
        const auto legal = legalActions(state);
        state = act(state,
                    legal.canAllIn ? Action::allIn() : (legal.canCheck ? Action::check() : Action::call()));
    }
    return state;
}

GameState checkDown(GameState state) {
    while (state.street() != Street::handComplete) {
        state = act(state, legalActions(state).canCheck ? Action::check() : Action::call());
    }
    return state;
}

// Stacks that put `stacksAfterButton[k]` at the seat k + 1 places after the first hand's button.
GameState tableByPosition(const std::vector<std::int64_t>& stacksAfterButton, BlindSchedule blinds) {
    const auto count = stacksAfterButton.size();
    const auto probe = startHand(tableWithStacks(std::vector<std::int64_t>(count, 1000), blinds));
    std::vector<std::int64_t> seatStacks(count);
    for (std::size_t k = 0; k < count; ++k) {
        seatStacks[static_cast<std::size_t>(afterButton(probe, static_cast<std::int64_t>(k) + 1))] =
            stacksAfterButton[k];
    }
    return tableWithStacks(seatStacks, blinds);
}

} // namespace

TEST(Settlement, FoldsToTheBigBlindReturnTheUncalledPart) {
    auto state = startHand(table(3));
    const auto bigBlind = afterButton(state, 2);
    state = act(state, Action::fold());
    state = act(state, Action::fold());
    EXPECT_EQ(state.street(), Street::handComplete);
    const auto returned = eventsOf<HandEvent::UncalledBetReturned>(state);
    ASSERT_EQ(returned.size(), 1u);
    EXPECT_EQ(returned[0], (HandEvent::UncalledBetReturned{bigBlind, 10}));
    const auto awards = eventsOf<HandEvent::PotAwarded>(state);
    ASSERT_EQ(awards.size(), 1u);
    EXPECT_EQ(awards[0], (HandEvent::PotAwarded{0, 20, {SeatAmount{bigBlind, 20}}, std::nullopt}));
    EXPECT_EQ(state.seat(bigBlind).stack, 1010);
    EXPECT_TRUE(state.pots().empty());
    EXPECT_EQ(state.currentBet(), 0);
    for (const auto& seat : state.seats()) {
        EXPECT_EQ(seat.streetBet, 0);
        EXPECT_EQ(seat.totalCommitted, 0);
    }
}

TEST(Settlement, ARaiseEveryoneFoldsToComesBack) {
    auto state = startHand(table(3));
    const auto raiser = *state.actingIndex();
    state = act(state, Action::raise(100));
    state = act(state, Action::fold());
    state = act(state, Action::fold());
    EXPECT_EQ(eventsOf<HandEvent::UncalledBetReturned>(state).front(),
              (HandEvent::UncalledBetReturned{raiser, 80}));
    EXPECT_EQ(state.seat(raiser).stack, 1030);
    EXPECT_EQ(state.lastAggressorIndex(), raiser);
}

TEST(Settlement, SidePotsForThreeAllInsOfDifferentSizes) {
    RiggedDeal rigged;
    auto state = tableByPosition({100, 300, 500}, BlindSchedule::fixed(10, 20, 0));
    const auto probe = startHand(state);
    const auto small = afterButton(probe, 1);
    const auto middle = afterButton(probe, 2);
    const auto large = afterButton(probe, 3);
    // The short stack holds the best hand, the middle stack the second best.
    rigged.holeCards[small] = cards({"As", "Ad"});
    rigged.holeCards[middle] = cards({"Ks", "Kd"});
    rigged.holeCards[large] = cards({"Qs", "Qd"});
    rigged.board = cards({"2c", "7h", "9d", "3s", "8c"});
    state = shoveAll(startHand(state, rigged));

    EXPECT_EQ(eventsOf<HandEvent::UncalledBetReturned>(state).front(),
              (HandEvent::UncalledBetReturned{large, 200}));
    const auto awards = eventsOf<HandEvent::PotAwarded>(state);
    ASSERT_EQ(awards.size(), 2u);
    EXPECT_EQ(awards[0].potIndex, 1);
    EXPECT_EQ(awards[0].amount, 400);
    EXPECT_EQ(awards[0].shares, (std::vector<SeatAmount>{{middle, 400}}));
    EXPECT_EQ(awards[1].potIndex, 0);
    EXPECT_EQ(awards[1].amount, 300);
    EXPECT_EQ(awards[1].shares, (std::vector<SeatAmount>{{small, 300}}));
    EXPECT_EQ(state.seat(small).stack, 300);
    EXPECT_EQ(state.seat(middle).stack, 400);
    EXPECT_EQ(state.seat(large).stack, 200);
    EXPECT_EQ(state.seat(small).status, SeatStatus::allIn); // kept until the next hand starts
    EXPECT_EQ(state.totalChips(), 900);
    EXPECT_EQ(startHand(state).seat(small).status, SeatStatus::active);
}

TEST(Settlement, FoldedChipsStayInThePotsWithoutEligibility) {
    auto state = startHand(table(3));
    const auto folder = *state.actingIndex();
    state = act(state, Action::call());
    state = act(state, Action::call());
    state = act(state, Action::check());
    ASSERT_EQ(state.pots().size(), 1u);
    EXPECT_EQ(state.pots()[0].amount, 60);
    state = act(state, Action::bet(40));
    while (state.actingIndex() != folder) {
        state = act(state, Action::call());
    }
    state = act(state, Action::fold());
    ASSERT_EQ(state.street(), Street::turn);
    ASSERT_EQ(state.pots().size(), 1u);
    EXPECT_EQ(state.pots()[0].amount, 140);
    EXPECT_FALSE(state.pots()[0].eligible.contains(player(static_cast<int>(folder))));
    EXPECT_EQ(state.pots()[0].eligible.size(), 2u);
}

TEST(Settlement, SplitPotsGiveOddChipsFromTheButtonsLeft) {
    // Blinds 5/10: the button calls, the small blind folds, the big blind checks: a pot of 25
    // split two ways on a board that plays.
    RiggedDeal rigged;
    rigged.board = cards({"Ah", "Kh", "Qh", "Jh", "Th"});
    auto state = startHand(tableByPosition({1000, 1000, 1000}, BlindSchedule::fixed(5, 10, 0)), rigged);
    const auto smallBlind = afterButton(state, 1);
    const auto bigBlind = afterButton(state, 2);
    const auto button = state.buttonIndex();
    state = act(state, Action::call());
    state = act(state, Action::fold());
    state = checkDown(state);
    const auto award = eventsOf<HandEvent::PotAwarded>(state).front();
    EXPECT_EQ(award.amount, 25);
    EXPECT_EQ(award.shares, (std::vector<SeatAmount>{{bigBlind, 13}, {button, 12}}));
    EXPECT_EQ(award.hand, HandValue{7462});
    EXPECT_EQ(state.seat(smallBlind).stack, 995);
}

TEST(Settlement, ThreeWaySplitOfTwentyFive) {
    // Four players at 1/8: the small blind folds its 1 chip, three see a royal flush on board.
    RiggedDeal rigged;
    rigged.board = cards({"Ah", "Kh", "Qh", "Jh", "Th"});
    auto state = startHand(tableByPosition({1000, 1000, 1000, 1000}, BlindSchedule::fixed(1, 8, 0)), rigged);
    const auto smallBlind = afterButton(state, 1);
    state = act(state, Action::call());
    state = act(state, Action::call());
    ASSERT_EQ(state.actingIndex(), smallBlind);
    state = act(state, Action::fold());
    state = checkDown(state);
    const auto award = eventsOf<HandEvent::PotAwarded>(state).front();
    EXPECT_EQ(award.amount, 25);
    EXPECT_EQ(award.shares,
              (std::vector<SeatAmount>{
                  {afterButton(state, 2), 9}, {afterButton(state, 3), 8}, {state.buttonIndex(), 8}}));
}

TEST(Showdown, EveryContenderRevealsStartingWithTheRiverAggressor) {
    RiggedDeal rigged;
    rigged.board = cards({"2c", "7h", "9d", "3s", "8c"});
    auto state = startHand(table(3), rigged);
    state = act(state, Action::call());
    state = act(state, Action::call());
    state = act(state, Action::check());
    state = act(state, Action::check());
    state = act(state, Action::check());
    state = act(state, Action::check());
    state = act(state, Action::check());
    state = act(state, Action::check());
    state = act(state, Action::check());
    ASSERT_EQ(state.street(), Street::river);
    state = act(state, Action::check());
    const auto bettor = *state.actingIndex();
    state = act(state, Action::bet(20));
    state = act(state, Action::call());
    state = act(state, Action::call());
    const auto reveals = eventsOf<HandEvent::HandRevealed>(state);
    ASSERT_EQ(reveals.size(), 3u);
    EXPECT_EQ(reveals[0].seat, bettor);
    EXPECT_EQ(reveals[1].seat, (bettor + 1) % 3);
    EXPECT_EQ(reveals[2].seat, (bettor + 2) % 3);
    for (const auto& reveal : reveals) {
        EXPECT_EQ(reveal.cards, state.seat(reveal.seat).holeCards);
    }
}

TEST(Showdown, CheckedDownRiverRevealsFromTheButtonsLeft) {
    auto state = checkDown(startHand(table(3)));
    const auto reveals = eventsOf<HandEvent::HandRevealed>(state);
    ASSERT_EQ(reveals.size(), 3u);
    EXPECT_EQ(reveals[0].seat, afterButton(state, 1));
    EXPECT_FALSE(state.lastAggressorIndex());
}

TEST(Eliminations, OrderedByStartingStackThenSeat) {
    // The big stack beats both short stacks, who bust in the same hand.
    RiggedDeal rigged;
    rigged.board = cards({"2c", "7h", "9d", "3s", "8c"});
    auto state = tableByPosition({300, 200, 1000}, BlindSchedule::fixed(10, 20, 0));
    const auto probe = startHand(state);
    rigged.holeCards[afterButton(probe, 3)] = cards({"As", "Ad"});
    state = shoveAll(startHand(state, rigged));
    const auto out = eventsOf<HandEvent::PlayerEliminated>(state);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].seat, afterButton(state, 2));
    EXPECT_EQ(out[1].seat, afterButton(state, 1));
    EXPECT_EQ(state.eliminated(), (std::vector<PlayerID>{out[0].player, out[1].player}));
    EXPECT_EQ(state.seat(out[0].seat).status, SeatStatus::busted);
    EXPECT_EQ(state.seatIndex(out[0].player), out[0].seat);

    // A busted seat is not dealt in again, so its player is not eliminated twice.
    auto next = seat(player(10), out[0].seat, 500, state);
    next = checkDown(startHand(next));
    EXPECT_EQ(next.eliminated().size(), 2u);
}

TEST(Eliminations, EqualStartingStacksGoOutInSeatOrder) {
    RiggedDeal rigged;
    rigged.board = cards({"2c", "7h", "9d", "3s", "8c"});
    auto state = tableByPosition({200, 200, 1000}, BlindSchedule::fixed(10, 20, 0));
    const auto probe = startHand(state);
    rigged.holeCards[afterButton(probe, 3)] = cards({"As", "Ad"});
    state = shoveAll(startHand(state, rigged));
    const auto out = eventsOf<HandEvent::PlayerEliminated>(state);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_LT(out[0].seat, out[1].seat);
}

TEST(Antes, AShortStackPostsItAllAndCanWinOnlyTheMainPot) {
    const auto blinds = BlindSchedule::fixed(10, 20, 25);
    const auto state = startHand(tableByPosition({1000, 1000, 15}, blinds));
    const auto shortSeat = state.buttonIndex();
    const auto antes = eventsOf<HandEvent::AntePosted>(state);
    ASSERT_EQ(antes.size(), 3u);
    EXPECT_EQ(antes[2], (HandEvent::AntePosted{shortSeat, 15}));
    ASSERT_EQ(state.pots().size(), 2u);
    EXPECT_EQ(state.pots()[0].amount, 45);
    EXPECT_EQ(state.pots()[0].eligible.size(), 3u);
    EXPECT_EQ(state.pots()[1].amount, 20);
    EXPECT_FALSE(state.pots()[1].eligible.contains(*state.seat(shortSeat).player));
    EXPECT_EQ(state.seat(shortSeat).status, SeatStatus::allIn);
}

TEST(Antes, ASeatLeftWithNothingPostsAZeroBlind) {
    const auto state = startHand(tableByPosition({20, 1000, 1000}, BlindSchedule::fixed(10, 20, 25)));
    const auto blinds = eventsOf<HandEvent::BlindPosted>(state);
    EXPECT_EQ(blinds[0], (HandEvent::BlindPosted{afterButton(state, 1), 0, BlindKind::small}));
    EXPECT_EQ(blinds[1].amount, 20);
}
