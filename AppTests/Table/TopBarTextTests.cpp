// The top bar's words: mode, level, blinds, hand number, the window subtitle and the buttons' help.
#include "Table/Screen/TopBarText.h"

#include <gtest/gtest.h>

using PokerEngine::BlindLevel;
using namespace TopBarText;

TEST(TopBarText, SitAndGoLevelsCountEightHands) {
    EXPECT_EQ(levelText(1), "L1");
    EXPECT_EQ(levelText(8), "L1");
    EXPECT_EQ(levelText(9), "L2");
    EXPECT_EQ(levelText(80), "L10"); // past the schedule's last level the number keeps growing
    EXPECT_EQ(levelText(0), "L1");
    EXPECT_EQ(levelText(-5), "L1");
    EXPECT_EQ(levelSpoken(17), "Level 3");
    EXPECT_EQ(levelText(8001), "L1001"); // plain digits, never grouped
}

TEST(TopBarText, ModeTitlesAndLeaveButtons) {
    EXPECT_EQ(modeTitle(GameMode::quickHand), "Quick Hand");
    EXPECT_EQ(modeTitle(GameMode::cashTable), "Cash");
    EXPECT_EQ(modeTitle(GameMode::sitAndGo), "Sit & Go");
    EXPECT_EQ(modeTitle(GameMode::practice), "Practice");
    EXPECT_EQ(modeTitle(std::nullopt), "");
    EXPECT_EQ(leaveTitle(GameMode::sitAndGo), "Forfeit");
    EXPECT_EQ(leaveTitle(GameMode::quickHand), "Leave");
    EXPECT_EQ(leaveTitle(GameMode::practice), "Leave");
    EXPECT_EQ(leaveTitle(GameMode::cashTable), "Leave Table");
    EXPECT_EQ(leaveTitle(std::nullopt), "Leave Table");
}

TEST(TopBarText, BlindsAreGroupedAndTheAnteOnlyWhenThereIsOne) {
    const BlindLevel plain{10, 20, 0};
    const BlindLevel big{1000, 2000, 1};
    EXPECT_EQ(blindsText(BlindLevel{150, 300, 0}), "150/300");
    EXPECT_EQ(blindsText(big), "1,000/2,000");
    EXPECT_EQ(blindsSpoken(plain), "Blinds 10/20");
    EXPECT_EQ(blindsSpoken(big), "Blinds 1,000/2,000, ante 1");
    EXPECT_EQ(blindsHelp(plain), "Blinds 10/20: the two forced bets that start each pot.");
    EXPECT_EQ(
        blindsHelp(BlindLevel{100, 200, 1500}),
        "Blinds 100/200: the two forced bets that start each pot. Everyone also puts in an ante of 1,500.");
    EXPECT_EQ(blindsHint(),
              "Two forced bets that start the pot each hand: the small blind and the big blind.");
}

TEST(TopBarText, HandNumberShowsTheSeriesOfAQuickHand) {
    EXPECT_EQ(handText(1, 1), "#1");
    EXPECT_EQ(handSpoken(1, 1), "Hand 1");
    EXPECT_EQ(handText(3, 5), "#3/5");
    EXPECT_EQ(handSpoken(3, 5), "Hand 3 of 5");
    EXPECT_EQ(handText(12, std::nullopt), "#12");
    EXPECT_EQ(handText(1000, std::nullopt), "#1000");
}

TEST(TopBarText, WindowSubtitle) {
    EXPECT_EQ(subtitle(GameMode::sitAndGo, BlindLevel{15, 30, 0}, 9), "Level 2 · Blinds 15/30 · Hand 9");
    EXPECT_EQ(subtitle(GameMode::sitAndGo, BlindLevel{100, 200, 25}, 41),
              "Level 6 · Blinds 100/200 (ante 25) · Hand 41");
    EXPECT_EQ(subtitle(GameMode::cashTable, BlindLevel{10, 20, 0}, 1), "Blinds 10/20 · Hand 1");
    EXPECT_EQ(subtitle(std::nullopt, BlindLevel{10, 20, 0}, 1), "Blinds 10/20 · Hand 1");
    EXPECT_EQ(subtitle(GameMode::quickHand, BlindLevel{1000, 2000, 1}, 1000),
              "Blinds 1,000/2,000 (ante 1) · Hand 1000");
}

TEST(TopBarText, PausedShowsForEveryReasonButThePracticeHold) {
    EXPECT_FALSE(showsPaused({}));
    EXPECT_FALSE(showsPaused({PauseReason::practice}));
    EXPECT_TRUE(showsPaused({PauseReason::hidden}));
    EXPECT_TRUE(showsPaused({PauseReason::guide, PauseReason::practice}));
    EXPECT_TRUE(showsPaused({PauseReason::user}));
    // A game that is over holds nothing, its last result included.
    EXPECT_TRUE(pauseAvailable(false));
    EXPECT_FALSE(pauseAvailable(true));
}

TEST(TopBarText, ButtonsFollowTheState) {
    TopBarState state;
    EXPECT_EQ(icon(TopBarButton::pause, state).symbol, "pause.fill");
    EXPECT_EQ(icon(TopBarButton::pause, state).help, "Pause (P)");
    EXPECT_EQ(icon(TopBarButton::pause, state).pixel, PixelGlyph(5, "##.##"));
    EXPECT_EQ(icon(TopBarButton::sound, state).help, "Mute Sounds");
    EXPECT_EQ(icon(TopBarButton::surface, state).help, "Open in Window");
    EXPECT_EQ(icon(TopBarButton::guide, state).help, "Poker Basics (?)");
    EXPECT_EQ(icon(TopBarButton::settings, state).symbol, "gearshape.fill");
    EXPECT_EQ(icon(TopBarButton::leave, state).help, "Leave Table");

    state.paused = true;
    state.soundsOn = false;
    state.surface = TableSurface::window;
    state.mode = GameMode::sitAndGo;
    EXPECT_EQ(icon(TopBarButton::pause, state).symbol, "play.fill");
    EXPECT_EQ(icon(TopBarButton::pause, state).help, "Resume (P)");
    EXPECT_EQ(icon(TopBarButton::pause, state).pixel[2], "#####");
    EXPECT_EQ(icon(TopBarButton::sound, state).symbol, "speaker.slash.fill");
    EXPECT_EQ(icon(TopBarButton::sound, state).help, "Unmute Sounds");
    EXPECT_EQ(icon(TopBarButton::surface, state).symbol, "arrow.down.right.and.arrow.up.left");
    EXPECT_EQ(icon(TopBarButton::surface, state).help, "Back to System Tray");
    EXPECT_EQ(icon(TopBarButton::leave, state).help, "Forfeit");
    state.pauseAvailable = false;
    state.leaveAvailable = false;
    for (const auto button : allTopBarButtons) {
        EXPECT_EQ(available(button, state), button != TopBarButton::pause && button != TopBarButton::leave);
        const auto drawn = icon(button, state);
        ASSERT_EQ(drawn.pixel.size(), 5u);
        for (const auto& row : drawn.pixel) {
            EXPECT_EQ(row.size(), 5u);
        }
    }
}

TEST(TopBarRow, TheButtonsTakeTheirFacesAndTheTextsKeepTheirWidths) {
    TopBarRow row; // the popover: 420 wide, satin
    row.width = 420;
    // "Sit & Go", "L1", "10/20", "#1" at about their drawn widths.
    const auto placement = placeRow(row, {49, 13, 33, 15});
    ASSERT_EQ(placement.faces.size(), 6u);
    // Six 28-point faces 8 apart end at the right margin: 420 − 12 − 208 = 200.
    EXPECT_EQ(placement.faces.front(), 200);
    EXPECT_EQ(placement.faces.back(), 200 + 5 * 36);
    EXPECT_EQ(placement.texts, (std::vector<TopBarPlacement::Span>{{12, 49}, {67, 13}, {86, 33}, {125, 15}}));
}

TEST(TopBarRow, TheModeTitleGivesWayFirstWhenTheTextsAreTooLong) {
    TopBarRow row;
    row.width = 420;
    // Room for texts: 200 − 4 − 12 = 184; these need 60 + 30 + 70 + 40 + 3 × 6 = 218, 34 too many.
    auto placement = placeRow(row, {60, 30, 70, 40});
    EXPECT_EQ(placement.texts[0].width, 26);
    EXPECT_EQ(placement.texts[1].width, 30);
    const auto& last = placement.texts.back();
    EXPECT_EQ(last.x + last.width + 4, placement.faces.front());
    // Far too long: the title is gone, then the level shortens.
    placement = placeRow(row, {60, 30, 100, 40});
    EXPECT_EQ(placement.texts[0].width, 0);
    EXPECT_EQ(placement.texts[1].width, 26);
    EXPECT_EQ(placement.texts[2].width, 100);
    // With nothing to show, only the buttons are placed.
    EXPECT_TRUE(placeRow(row, {}).texts.empty());
}

TEST(TopBarRow, PixelMeasuresInUnits) {
    TopBarRow row;
    row.width = 420;
    row.margin = 8;        // 4 u at u = 2
    row.spacing = 8;       // 4 u
    row.faceWidth = 28;    // 14 u
    row.buttonSpacing = 4; // 2 u
    const auto placement = placeRow(row, {40});
    EXPECT_EQ(placement.faces.front(), 420 - 8 - (6 * 28 + 5 * 4));
    EXPECT_EQ(placement.texts.front(), (TopBarPlacement::Span{8, 40}));
}
