#include "Game/RaisePreset.h"

#include "PokerEngine/PlayerView.h"

#include <gtest/gtest.h>

using PokerEngine::LegalActions;
using PokerEngine::PlayerView;

namespace {

// A heads-up view at the viewer's turn, with the pot made of the street bets and `pot` gathered.
PlayerView viewWith(std::int64_t smallBlind, std::int64_t currentBet, std::int64_t ownBet,
                    std::int64_t otherBet, std::int64_t gathered, std::int64_t minRaiseTo,
                    std::int64_t maxRaiseTo) {
    PlayerView view;
    view.seatIndex = 0;
    view.seats.resize(2);
    view.seats[0].index = 0;
    view.seats[0].streetBet = ownBet;
    view.seats[1].index = 1;
    view.seats[1].streetBet = otherBet;
    if (gathered > 0) {
        view.pots.push_back(PokerEngine::Pot{gathered, {}});
    }
    view.currentBet = currentBet;
    view.blinds = PokerEngine::BlindLevel{smallBlind, smallBlind * 2, 0};
    LegalActions legal;
    legal.canFold = true;
    legal.callAmount =
        currentBet - ownBet > 0 ? std::optional<std::int64_t>(currentBet - ownBet) : std::nullopt;
    legal.canCheck = !legal.callAmount;
    legal.minRaiseTo = minRaiseTo;
    legal.maxRaiseTo = maxRaiseTo;
    legal.canAllIn = true;
    view.legalActions = legal;
    return view;
}

RaisePresetAmounts amountsIn(const PlayerView& view) {
    RaisePresetAmounts amounts;
    for (const RaisePreset preset : allRaisePresets) {
        if (const auto chips = amount(preset, view)) {
            amounts[preset] = *chips;
        }
    }
    return amounts;
}

} // namespace

TEST(RaisePreset, TextsAndKeys) {
    EXPECT_EQ(help(RaisePreset::min), "Min: the smallest raise allowed");
    EXPECT_EQ(help(RaisePreset::halfPot), "½ Pot (1): raise by half the pot");
    EXPECT_EQ(help(RaisePreset::threeQuarterPot), "¾ Pot (2): raise by three quarters of the pot");
    EXPECT_EQ(help(RaisePreset::pot), "Pot (3): raise by the size of the pot");
    EXPECT_EQ(help(RaisePreset::allIn), "All-in (4): bet every chip you have");
    EXPECT_EQ(raisePresetForDigit('1'), RaisePreset::halfPot);
    EXPECT_EQ(raisePresetForDigit('2'), RaisePreset::threeQuarterPot);
    EXPECT_EQ(raisePresetForDigit('3'), RaisePreset::pot);
    EXPECT_EQ(raisePresetForDigit('4'), RaisePreset::allIn);
    for (const char other : {'0', '5', '9', 'a', ' '}) {
        EXPECT_EQ(raisePresetForDigit(QChar(other)), std::nullopt) << other;
    }
    EXPECT_EQ(raisePresetFromRaw(3), RaisePreset::pot);
    EXPECT_EQ(raisePresetFromRaw(5), std::nullopt);
    EXPECT_EQ(raisePresetFromRaw(-1), std::nullopt);
}

TEST(RaisePreset, SmallBlindFacingTheBigBlindPreflop) {
    // Blinds 10/20, the viewer in the small blind with 10 in: toCall 10, base 40.
    const auto amounts = amountsIn(viewWith(10, 20, 10, 20, 0, 40, 1000));
    EXPECT_EQ(amounts.at(RaisePreset::min), 40);
    EXPECT_EQ(amounts.at(RaisePreset::halfPot), 40);
    EXPECT_EQ(amounts.at(RaisePreset::threeQuarterPot), 50);
    EXPECT_EQ(amounts.at(RaisePreset::pot), 60);
    EXPECT_EQ(amounts.at(RaisePreset::allIn), 1000);
}

TEST(RaisePreset, PotSizesRoundToTheSmallBlindHalvesUp) {
    // Small blind 15, nothing bet, 100 in the pot.
    const auto amounts = amountsIn(viewWith(15, 0, 0, 0, 100, 30, 2000));
    EXPECT_EQ(amounts.at(RaisePreset::halfPot), 45);
    EXPECT_EQ(amounts.at(RaisePreset::threeQuarterPot), 75);
    EXPECT_EQ(amounts.at(RaisePreset::pot), 105);
}

TEST(RaisePreset, ShortStackAndNoBlindStayLegal) {
    const auto shortStack = amountsIn(viewWith(10, 0, 0, 0, 400, 20, 150));
    EXPECT_EQ(shortStack.at(RaisePreset::pot), 150);
    EXPECT_EQ(shortStack.at(RaisePreset::threeQuarterPot), 150);
    EXPECT_EQ(shortStack.at(RaisePreset::halfPot), 150);
    EXPECT_EQ(selectedRaisePreset(150, std::nullopt, shortStack), RaisePreset::halfPot);
    EXPECT_EQ(selectedRaisePreset(150, RaisePreset::allIn, shortStack), RaisePreset::allIn);
    EXPECT_EQ(selectedRaisePreset(150, RaisePreset::min, shortStack), RaisePreset::halfPot);
    EXPECT_EQ(selectedRaisePreset(151, std::nullopt, shortStack), std::nullopt);

    // A small blind of 0 rounds to single chips: 7 in the pot, half is 3.
    EXPECT_EQ(amount(RaisePreset::halfPot, viewWith(0, 0, 0, 0, 7, 1, 100)), 3);
}

TEST(RaisePreset, NothingWithoutARaise) {
    PlayerView noTurn = viewWith(10, 20, 10, 20, 0, 40, 1000);
    noTurn.legalActions.reset();
    PlayerView closed = viewWith(10, 20, 10, 20, 0, 40, 1000);
    closed.legalActions->minRaiseTo.reset();
    for (const RaisePreset preset : allRaisePresets) {
        EXPECT_EQ(amount(preset, noTurn), std::nullopt);
        EXPECT_EQ(amount(preset, closed), std::nullopt);
    }
    EXPECT_EQ(selectedRaisePreset(40, RaisePreset::pot, {}), std::nullopt);
}
