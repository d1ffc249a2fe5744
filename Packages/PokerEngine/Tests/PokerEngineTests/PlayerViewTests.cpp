#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

bool cardsHidden(const HandEvent& event) {
    const auto* dealt = event.as<HandEvent::HoleCardsDealt>();
    return dealt && !dealt->cards;
}

} // namespace

TEST(PlayerViewHiding, SeatedViewerSeesOnlyItsOwnCards) {
    const auto state = startHand(table(3, 1000, 0, 4));
    const auto me = actor(state);
    const auto mine = *state.seatIndex(me);
    const auto seen = view(state, me);
    EXPECT_EQ(seen.seatIndex, mine);
    EXPECT_EQ(seen.holeCards, state.seat(mine).holeCards);
    ASSERT_EQ(seen.seats.size(), 4u);
    for (const auto& seat : seen.seats) {
        if (seat.index == mine) {
            EXPECT_EQ(seat.holeCards, state.seat(mine).holeCards);
        } else {
            EXPECT_FALSE(seat.holeCards);
        }
        EXPECT_EQ(seat.hasCards, seat.index != 3);
    }
    EXPECT_FALSE(seen.seats[3].player);
    for (const auto& event : seen.log) {
        if (const auto* dealt = event.as<HandEvent::HoleCardsDealt>()) {
            EXPECT_EQ(dealt->cards.has_value(), dealt->seat == mine);
        }
    }
    EXPECT_TRUE(seen.isMyTurn());
    EXPECT_EQ(seen.legalActions, legalActions(state));
    const auto other = view(state, *state.seat((mine + 1) % 3).player);
    EXPECT_FALSE(other.isMyTurn());
}

TEST(PlayerViewHiding, OutsiderSeesNothingPrivate) {
    const auto state = startHand(table(3));
    const auto seen = view(state, player(42));
    EXPECT_FALSE(seen.seatIndex);
    EXPECT_TRUE(seen.holeCards.empty());
    EXPECT_FALSE(seen.legalActions);
    for (const auto& seat : seen.seats) {
        EXPECT_FALSE(seat.holeCards);
        EXPECT_TRUE(seat.hasCards);
    }
    for (const auto& event : seen.log) {
        EXPECT_FALSE(event.is<HandEvent::HoleCardsDealt>() && !cardsHidden(event));
    }
}

TEST(PlayerViewHiding, ShownHandsAppearOnSeatsButNotInTheDeal) {
    auto state = startHand(table(2));
    while (state.street() != Street::handComplete) {
        state = act(state, legalActions(state).canCheck ? Action::check() : Action::call());
    }
    const auto seen = view(state, player(42));
    for (const auto& seat : seen.seats) {
        EXPECT_EQ(seat.holeCards, state.seat(seat.index).holeCards);
    }
    for (const auto& event : seen.log) {
        if (event.is<HandEvent::HoleCardsDealt>()) {
            EXPECT_TRUE(cardsHidden(event));
        }
    }
    EXPECT_FALSE(seen.actingIndex);
    EXPECT_FALSE(view(state, player(0)).legalActions);
}

TEST(PlayerViewHiding, FoldedViewerKeepsItsCardsButHoldsNone) {
    auto state = startHand(table(3));
    const auto folder = actor(state);
    state = act(state, Action::fold());
    const auto seen = view(state, folder);
    const auto mine = *seen.seatIndex;
    EXPECT_EQ(seen.seats[static_cast<std::size_t>(mine)].holeCards, state.seat(mine).holeCards);
    EXPECT_FALSE(seen.seats[static_cast<std::size_t>(mine)].hasCards);
}

TEST(PlayerViewPot, CountsStreetBetsOnce) {
    auto state = startHand(table(3));
    EXPECT_EQ(view(state, player(0)).totalPot(), 30);
    state = act(state, Action::call());
    state = act(state, Action::call());
    state = act(state, Action::check());
    ASSERT_EQ(state.street(), Street::flop);
    EXPECT_EQ(view(state, player(0)).totalPot(), 60);
}

TEST(PlayerViewJson, RoundTripsWithoutAbsentKeys) {
    const auto state = startHand(table(3, 1000, 0, 4));
    for (const auto& viewer : {actor(state), player(42)}) {
        const auto seen = view(state, viewer);
        const nlohmann::json json = seen;
        EXPECT_EQ(json.get<PlayerView>(), seen);
        EXPECT_EQ(json.contains("seatIndex"), seen.seatIndex.has_value());
        EXPECT_EQ(json.contains("legalActions"), seen.legalActions.has_value());
        EXPECT_FALSE(json["seats"][3].contains("player"));
        EXPECT_FALSE(json["seats"][3].contains("holeCards"));
        EXPECT_FALSE(json.contains("deck"));
        EXPECT_FALSE(json.contains("rng"));
    }
}
