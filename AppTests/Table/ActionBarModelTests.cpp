#include "Table/ActionBarModel.h"

#include <gtest/gtest.h>

namespace {

using PokerEngine::Action;
using PokerEngine::LegalActions;

// The player in seat 0 with `stack` behind and `bet` in front, the street's bet at `currentBet`, blinds
// 10/20 and `pot` chips already in the middle.
PokerEngine::PlayerView table(std::int64_t stack, std::int64_t bet, std::int64_t currentBet,
                              std::int64_t pot = 0, std::int64_t smallBlind = 10) {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.currentBet = currentBet;
    view.blinds = PokerEngine::BlindLevel{smallBlind, 2 * smallBlind, 0};
    PokerEngine::SeatView hero;
    hero.index = 0;
    hero.stack = stack;
    hero.streetBet = bet;
    hero.status = PokerEngine::SeatStatus::active;
    PokerEngine::SeatView other = hero;
    other.index = 1;
    other.stack = 5000;
    other.streetBet = currentBet;
    view.seats = {hero, other};
    if (pot > 0)
        view.pots.push_back(PokerEngine::Pot{pot, {}});
    return view;
}

LegalActions legal(bool canCheck, std::optional<std::int64_t> call, std::optional<std::int64_t> minRaise,
                   std::int64_t maxRaise, bool opens, bool canAllIn = true) {
    LegalActions actions;
    actions.canFold = true;
    actions.canCheck = canCheck;
    actions.callAmount = call;
    actions.minRaiseTo = minRaise;
    actions.maxRaiseTo = maxRaise;
    actions.opensBetting = opens;
    actions.canAllIn = canAllIn;
    return actions;
}

ActionBarModel bar(const PokerEngine::PlayerView& view, const LegalActions& actions, std::int64_t raiseTo = 0,
                   std::optional<RaisePreset> chosen = std::nullopt) {
    PokerEngine::PlayerView withLegal = view;
    withLegal.legalActions = actions;
    return {withLegal, actions, raiseTo, chosen};
}

} // namespace

TEST(ActionBarModel, CheckingWithAnOpeningBet) {
    const auto model = bar(table(1000, 0, 0, 60), legal(true, std::nullopt, 20, 1000, true));
    EXPECT_EQ(model.passiveTitle(), "Check");
    EXPECT_EQ(model.passiveTooltip(), "Check (C or Space)");
    EXPECT_EQ(model.passiveAction(), Action::check());
    EXPECT_EQ(model.raiseTitle(), "Bet 20");
    EXPECT_EQ(model.raiseTooltip(), "Bet (R to edit, Return to confirm)");
    EXPECT_EQ(ActionBarModel::foldTooltip(), "Fold (F)");
    EXPECT_EQ(model.confirmRaise(), Action::bet(20));
    EXPECT_TRUE(model.canRaise());
}

TEST(ActionBarModel, FacingABet) {
    const auto view = table(1500, 0, 40, 60);
    const auto actions = legal(false, 40, 80, 1500, false);
    EXPECT_EQ(bar(view, actions).passiveTitle(), "Call 40");
    EXPECT_EQ(bar(view, actions).passiveTooltip(), "Call (C or Space)");
    EXPECT_EQ(bar(view, actions).passiveAction(), Action::call());
    EXPECT_EQ(bar(view, actions, 150).raiseTitle(), "Raise to 150");
    EXPECT_EQ(bar(view, actions, 150).confirmRaise(), Action::raise(150));
    EXPECT_EQ(bar(view, actions, 1250).raiseTitle(), "Raise to 1,250");
    EXPECT_EQ(bar(view, actions).raiseTooltip(), "Raise (R to edit, Return to confirm)");
    // A target below the minimum shows and sends the minimum; a negative one too.
    EXPECT_EQ(bar(view, actions, 50).raiseTitle(), "Raise to 80");
    EXPECT_EQ(bar(view, actions, -500).confirmRaise(), Action::raise(80));
}

TEST(ActionBarModel, ACallOfTheWholeStackSaysAllInButSendsACall) {
    const auto model = bar(table(300, 0, 2000), legal(false, 300, std::nullopt, 300, false));
    EXPECT_EQ(model.passiveTitle(), "Call 300 (all-in)");
    EXPECT_EQ(model.passiveAction(), Action::call());
    EXPECT_FALSE(model.canRaise());
    EXPECT_EQ(model.confirmRaise(), std::nullopt);
    EXPECT_TRUE(model.presetAmounts().empty());
    // Fold and Call share the row: 0.24 and 0.76 of the width less two gaps.
    const auto widths = model.buttonWidths(416);
    EXPECT_DOUBLE_EQ(widths.fold, 96);
    EXPECT_DOUBLE_EQ(widths.passive, 304);
    EXPECT_DOUBLE_EQ(widths.raise, 0);
    // Without a seat the call is plain.
    auto spectator = table(300, 0, 2000);
    spectator.seatIndex.reset();
    EXPECT_EQ(bar(spectator, legal(false, 300, std::nullopt, 300, false)).passiveTitle(), "Call 300");
    EXPECT_EQ(bar(spectator, legal(false, std::nullopt, std::nullopt, 300, false)).passiveTitle(), "Call");
}

TEST(ActionBarModel, OnlyAllInLeft) {
    const auto view = table(500, 0, 200);
    const auto allowed = legal(false, 200, 500, 500, false, true);
    EXPECT_EQ(bar(view, allowed).raiseTitle(), "All-in 500");
    EXPECT_EQ(bar(view, allowed).confirmRaise(), Action::allIn());
    const auto refused = legal(false, 200, 500, 500, false, false);
    EXPECT_EQ(bar(view, refused).raiseTitle(), "All-in 500");
    EXPECT_EQ(bar(view, refused).confirmRaise(), Action::raise(500));
    const auto opening = legal(true, std::nullopt, 500, 500, true, false);
    EXPECT_EQ(bar(view, opening).confirmRaise(), Action::bet(500));
}

TEST(ActionBarModel, ATargetBeyondTheStackIsAllIn) {
    const auto view = table(900, 0, 0);
    const auto withAllIn = legal(true, std::nullopt, 20, 900, true, true);
    EXPECT_EQ(bar(view, withAllIn, 5000).raiseTitle(), "All-in 900");
    EXPECT_EQ(bar(view, withAllIn, 5000).confirmRaise(), Action::allIn());
    const auto withoutAllIn = legal(true, std::nullopt, 20, 900, true, false);
    EXPECT_EQ(bar(view, withoutAllIn, 900).raiseTitle(), "All-in 900");
    EXPECT_EQ(bar(view, withoutAllIn, 5000).confirmRaise(), Action::bet(900));
}

TEST(ActionBarModel, WidthsWithARaiseAddUpToTheRow) {
    const auto model = bar(table(1000, 0, 0), legal(true, std::nullopt, 20, 1000, true));
    const auto widths = model.buttonWidths(516);
    EXPECT_DOUBLE_EQ(widths.fold, 120);
    EXPECT_DOUBLE_EQ(widths.passive, 170);
    EXPECT_DOUBLE_EQ(widths.raise, 210);
    EXPECT_DOUBLE_EQ(widths.fold + widths.passive + widths.raise + 2 * ActionBarModel::buttonSpacing, 516);
}

TEST(ActionBarModel, PresetsAndTheLitOne) {
    // Pot 100 on an unopened street: half pot 50, three quarters 75 (rounded to 80), pot 100.
    const auto view = table(1000, 0, 0, 100);
    const auto actions = legal(true, std::nullopt, 20, 1000, true);
    const auto amounts = bar(view, actions).presetAmounts();
    EXPECT_EQ(amounts.at(RaisePreset::min), 20);
    EXPECT_EQ(amounts.at(RaisePreset::halfPot), 50);
    EXPECT_EQ(amounts.at(RaisePreset::threeQuarterPot), 80);
    EXPECT_EQ(amounts.at(RaisePreset::pot), 100);
    EXPECT_EQ(amounts.at(RaisePreset::allIn), 1000);
    EXPECT_EQ(bar(view, actions, 50).selectedPreset(), RaisePreset::halfPot);
    EXPECT_EQ(bar(view, actions, 0).selectedPreset(), RaisePreset::min);
    EXPECT_EQ(bar(view, actions, 60).selectedPreset(), std::nullopt);
    EXPECT_EQ(bar(view, actions, 5000).selectedPreset(), RaisePreset::allIn);
}

TEST(ActionBarModel, EqualPresetsLightThePressedOne) {
    // An empty pot: every pot-sized preset clamps to the minimum.
    const auto view = table(1000, 0, 0, 0);
    const auto actions = legal(true, std::nullopt, 20, 1000, true);
    EXPECT_EQ(bar(view, actions, 20).selectedPreset(), RaisePreset::min);
    EXPECT_EQ(bar(view, actions, 20, RaisePreset::pot).selectedPreset(), RaisePreset::pot);
    // The pressed preset no longer gives the amount: the earliest that does lights.
    EXPECT_EQ(bar(view, actions, 20, RaisePreset::allIn).selectedPreset(), RaisePreset::min);
}

TEST(ActionBarModel, SliderRangeAndStep) {
    const auto model = bar(table(1000, 0, 0, 0, 0), legal(true, std::nullopt, 20, 1000, true));
    EXPECT_EQ(model.sliderLower(), 20);
    EXPECT_EQ(model.sliderUpper(), 1000);
    // A small blind of 0 still steps by 1.
    EXPECT_EQ(model.sliderStep(), 1);
    EXPECT_EQ(bar(table(1000, 0, 0), legal(true, std::nullopt, 20, 1000, true)).sliderStep(), 10);
    EXPECT_EQ(bar(table(10, 0, 0), legal(true, std::nullopt, 20, 10, true)).sliderUpper(), 20);
}

TEST(ActionBarModel, RowLayoutByTheme) {
    const auto window = TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, AppearanceFlags{});
    const auto popover =
        TableTheme::drawnIn(TableStyleID::paper, TableSurface::popover, 2, AppearanceFlags{});
    const auto pixel = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 3, AppearanceFlags{});
    EXPECT_EQ(ActionBarModel::buttonRowHeight(window), 42);
    EXPECT_EQ(ActionBarModel::buttonRowHeight(popover), 32);
    EXPECT_EQ(ActionBarModel::buttonRowHeight(pixel), 42);
    EXPECT_EQ(ActionBarModel::amountRowHeight(window), 28);
    EXPECT_EQ(ActionBarModel::amountRowHeight(popover), 24);
    EXPECT_EQ(ActionBarModel::amountFieldWidth(window), 120);
    EXPECT_EQ(ActionBarModel::amountFieldWidth(popover), 96);
    EXPECT_EQ(ActionBarModel::presetSpacing(window), 6);
    EXPECT_EQ(ActionBarModel::presetSpacing(pixel), 6);
}

TEST(Ordinal, EnglishSuffixes) {
    const std::vector<std::pair<std::int64_t, const char*>> cases{
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},   {4, "4th"},   {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"}, {22, "22nd"}, {23, "23rd"},
        {111, "111th"}, {101, "101st"}, {0, "0th"},   {-1, "-1th"}, {1000, "1000th"}};
    for (auto [number, text] : cases)
        EXPECT_EQ(ordinal(number), text) << number;
}

TEST(ActionMessageAnnouncement, TitleAndDetail) {
    EXPECT_EQ(actionMessageAnnouncement("You won", std::nullopt), "You won");
    EXPECT_EQ(actionMessageAnnouncement("You won", QString("Pot of 1,200")), "You won. Pot of 1,200");
    EXPECT_EQ(actionMessageAnnouncement("You won", QString()), "You won");
    EXPECT_EQ(actionMessageAnnouncement("", std::nullopt), "");
    // A question is read with its question mark alone, never a full stop after it.
    EXPECT_EQ(actionMessageAnnouncement("Forfeit the Sit & Go?", QString("You lose the 500-chip buy-in.")),
              "Forfeit the Sit & Go? You lose the 500-chip buy-in.");
    EXPECT_EQ(actionMessageAnnouncement("Leave mid-hand?", std::nullopt), "Leave mid-hand?");
}

TEST(ActionMessageButtonWidth, TheStyleFrameUnlessATitleNeedsMore) {
    const auto satin = TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, AppearanceFlags{});
    const auto pixel = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::popover, 2, AppearanceFlags{});
    EXPECT_EQ(actionMessageButtonWidth(satin, 90), 140);
    EXPECT_EQ(actionMessageButtonWidth(satin, 140), 140);
    EXPECT_EQ(actionMessageButtonWidth(satin, 171), 171);
    EXPECT_EQ(actionMessageButtonWidth(pixel, 0), 60 * pixel.pixelUnit);
    EXPECT_EQ(actionMessageButtonWidth(pixel, 60 * pixel.pixelUnit + 1), 60 * pixel.pixelUnit + 1);
}
