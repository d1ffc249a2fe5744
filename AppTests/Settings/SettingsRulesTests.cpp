#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Views/Settings/SettingsRules.h"

#include <gtest/gtest.h>

using namespace SettingsRules;

TEST(SettingsRules, SitAndGoSummaryCountsInPlainDigits) {
    EXPECT_EQ(sitAndGoSummary(0, 0, 0), "0 wins, 0 second places, 0 played");
    EXPECT_EQ(sitAndGoSummary(1, 1, 3), "1 win, 1 second place, 3 played");
    EXPECT_EQ(sitAndGoSummary(2, 0, 5), "2 wins, 0 second places, 5 played");
    EXPECT_EQ(sitAndGoSummary(1234, 1, 1), "1234 wins, 1 second place, 1 played");
    EXPECT_EQ(bankrollText(1234567), "1,234,567 chips");
    EXPECT_EQ(handsPlayedText(0), "0");
    EXPECT_EQ(spokenValue("Bankroll", bankrollText(10000)), "Bankroll, 10,000 chips");
}

TEST(SettingsRules, LaunchSurfaceSubtitleFollowsTheStoredSurface) {
    EXPECT_EQ(launchSurfaceSubtitle(LaunchSurface::window),
              "Opens in a full window with the action log, and shows in the task bar while it's open.");
    EXPECT_EQ(launchSurfaceSubtitle(LaunchSurface::menuBar),
              "Opens as a small popover from the chip icon in the system tray. It pauses the moment you "
              "click away.");
}

TEST(SettingsRules, DefaultTablePickerOffersTwoModes) {
    EXPECT_EQ(defaultTableIndex(GameMode::quickHand), 0);
    EXPECT_EQ(defaultTableIndex(GameMode::sitAndGo), 1);
    EXPECT_EQ(defaultTableIndex(GameMode::cashTable), std::nullopt);
    EXPECT_EQ(defaultTableIndex(GameMode::practice), std::nullopt);
    EXPECT_EQ(defaultTableAt(1), GameMode::sitAndGo);
    EXPECT_EQ(defaultTableAt(0), GameMode::quickHand);
}

TEST(SettingsRules, HotkeyRowsWriteTheWholeSettingBack) {
    HotkeySetting stored;
    KeyShortcut k;
    k.keyCode = 40;
    k.key = "K";
    stored.shortcut = k;

    const auto on = withEnabled(stored, true);
    EXPECT_TRUE(on.enabled);
    EXPECT_EQ(on.shortcut, k);
    EXPECT_TRUE(showsRecorder(on));
    EXPECT_FALSE(showsRecorder(stored));

    const auto recorded = withShortcut(on, KeyShortcut{});
    EXPECT_TRUE(recorded.enabled);
    EXPECT_EQ(recorded.shortcut, KeyShortcut{});

    EXPECT_TRUE(showsHotkeyProblem(on, QString("already used")));
    EXPECT_FALSE(showsHotkeyProblem(on, std::nullopt));
    EXPECT_FALSE(showsHotkeyProblem(stored, QString("already used")));
}

TEST(SettingsRules, ResetTextsSayWhatEnds) {
    EXPECT_EQ(resetTitle(), "Reset your bankroll to 10,000 chips?");
    EXPECT_EQ(resetMessage(false, false), "Lifetime counters are kept.");
    EXPECT_EQ(resetMessage(true, false), "This also ends the game in progress. Lifetime counters are kept.");
    EXPECT_EQ(resetMessage(false, true), "This also ends the game in progress. Lifetime counters are kept.");
}

class BankrollReset : public ::testing::Test {
  protected:
    BankrollReset() {
        harness.controller.setSession(&state);
        Profile profile = state.profile();
        profile.onboarded = true;
        profile.bankroll = 4321;
        profile.counters.handsPlayed = 17;
        state.setProfile(profile);
    }

    GameSetup quickHand() {
        QuickHandSetup setup;
        setup.opponent = BotKit::BotProfile::standard(BotKit::BotTier::easy);
        setup.seed = 7;
        setup.hands = 3;
        return GameSetup::quickHand(setup);
    }

    AppState state{std::nullopt};
    ControllerHarness harness;
};

TEST_F(BankrollReset, WithNothingInProgressKeepsTheCounters) {
    resetBankroll(state, harness.controller);
    EXPECT_EQ(state.profile().bankroll, 10000);
    EXPECT_EQ(state.profile().counters.handsPlayed, 17);
    EXPECT_FALSE(state.savedGame().has_value());
}

TEST_F(BankrollReset, WithARunningTableLeavesItAndDeletesTheSave) {
    harness.controller.start(quickHand());
    ASSERT_TRUE(harness.controller.hasTable());
    resetBankroll(state, harness.controller);
    EXPECT_FALSE(harness.controller.hasTable());
    EXPECT_FALSE(state.savedGame().has_value());
    EXPECT_EQ(state.profile().bankroll, 10000);
}

TEST_F(BankrollReset, WithAPracticeHandEndsItWithoutAForfeit) {
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    ASSERT_TRUE(harness.controller.hasTable());
    const auto played = state.profile().counters;
    resetBankroll(state, harness.controller);
    EXPECT_FALSE(harness.controller.hasTable());
    EXPECT_EQ(state.profile().bankroll, 10000);
    EXPECT_EQ(state.profile().counters, played);
}

TEST_F(BankrollReset, WithASavedGameOnlyAbandonsIt) {
    harness.controller.start(quickHand());
    ASSERT_TRUE(state.savedGame().has_value());
    const auto saved = *state.savedGame();
    // The process restarts: the save is on disk, no table runs.
    ControllerHarness fresh;
    fresh.controller.setSession(&state);
    state.setSavedGame(saved);
    resetBankroll(state, fresh.controller);
    EXPECT_FALSE(state.savedGame().has_value());
    EXPECT_EQ(state.profile().bankroll, 10000);
}

TEST_F(BankrollReset, APracticeHandLeavesAnOlderSaveToBeAbandonedToo) {
    harness.controller.start(quickHand());
    const auto saved = *state.savedGame();
    ControllerHarness fresh;
    fresh.controller.setSession(&state);
    state.setSavedGame(saved);
    fresh.controller.start(GameSetup::practice(PracticeSetup{}));
    ASSERT_TRUE(state.savedGame().has_value()) << "a practice hand never touches the save";

    resetBankroll(state, fresh.controller);
    EXPECT_FALSE(fresh.controller.hasTable());
    EXPECT_FALSE(state.savedGame().has_value()) << "nothing is left half-booked";
    EXPECT_EQ(state.profile().bankroll, 10000);
}

TEST(SettingsRules, WithoutAShellARecordedShortcutIsStoredAsIs) {
    AppState state{std::nullopt};
    const KeyShortcut recorded{40, true, true, false, false, "K"};
    EXPECT_EQ(recordShortcut(state, nullptr, recorded), std::nullopt);
    EXPECT_EQ(state.hotkey().shortcut, recorded);
}

TEST(SettingsRules, TheGuideDrawsItsPicturesInAnOfferedStyleAndItsControlsInSatin) {
    const auto light = guideThemes(TableStyleID::paper, AppearanceFlags{}, false);
    EXPECT_EQ(light.art.style, TableStyleID::satin) << "paper is not offered";
    EXPECT_EQ(light.theme.style, TableStyleID::satin);
    EXPECT_EQ(light.art.surface, TableSurface::popover);
    EXPECT_FALSE(light.art.fourColorDeck);

    const auto dark = guideThemes(TableStyleID::satin, AppearanceFlags{true, true, true}, true);
    for (const TableTheme& theme : {dark.art, dark.theme}) {
        EXPECT_TRUE(theme.dark);
        EXPECT_TRUE(theme.increaseContrast);
        EXPECT_TRUE(theme.reduceMotion);
        EXPECT_TRUE(theme.fourColorDeck);
        EXPECT_EQ(theme.palette, TableTheme::paletteFor(TableStyleID::satin, true, true));
    }
}
