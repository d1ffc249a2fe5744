#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "System/GlobalHotkey.h"
#include "System/LaunchAtLogin.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Settings/ShortcutRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A grabber whose every grab is refused as taken by another program.
class TakenGrabber final : public HotkeyGrabber {
  public:
    HotkeyGrab grab(const KeyShortcut&, std::function<void()>) override {
        return {HotkeyGrab::Outcome::alreadyUsed, 10};
    }
    void release() override {}
};

struct SettingsWindow {
    SettingsWindow()
        : launchAtLogin(autostart.path(), QStringLiteral("/usr/bin/chipwhistle"))
        , view(AppEnvironment{&state, &harness.controller, nullptr, &hotkey, &launchAtLogin, nullptr}) {
        harness.controller.setSession(&state);
    }

    template <class T> T* find(const QString& text) const {
        for (auto* widget : view.findChildren<T*>())
            if (widget->text() == text)
                return widget;
        return nullptr;
    }
    QComboBox* combo(int index) const { return view.findChildren<QComboBox*>().at(index); }
    bool shows(QWidget* widget) const { return widget && widget->isVisibleTo(&view); }

    AppState state{std::nullopt};
    ControllerHarness harness;
    GlobalHotkey hotkey{std::make_unique<TakenGrabber>()};
    QTemporaryDir autostart;
    LaunchAtLogin launchAtLogin;
    SettingsView view;
};

} // namespace

TEST(SettingsView, AFreshProfileShowsTheDefaults) {
    SettingsWindow window;
    EXPECT_EQ(window.combo(0)->currentText(), "Normal");
    EXPECT_FALSE(window.find<QCheckBox>("Deal next hand automatically")->isChecked());
    EXPECT_EQ(window.combo(1)->currentText(), "Quick Hand");
    EXPECT_FALSE(window.find<QCheckBox>("Learning mode")->isChecked());
    EXPECT_FALSE(window.find<QCheckBox>("Four-color deck")->isChecked());
    EXPECT_TRUE(window.find<QCheckBox>("Sounds")->isChecked());
    EXPECT_FALSE(window.find<QCheckBox>("Global shortcut")->isChecked());
    EXPECT_FALSE(window.shows(window.view.findChild<ShortcutRecorder*>()));
    EXPECT_EQ(window.combo(2)->currentText(), "Menu Bar");
    EXPECT_TRUE(window.find<QLabel>("10,000 chips"));
    EXPECT_TRUE(window.find<QLabel>("0 wins, 0 second places, 0 played"));
    EXPECT_FALSE(window.find<QPushButton>("Poker Basics…")->isEnabled()) << "nothing to open yet";
}

TEST(SettingsView, EveryControlWritesAtOnce) {
    SettingsWindow window;
    window.find<QCheckBox>("Deal next hand automatically")->click();
    window.find<QCheckBox>("Four-color deck")->click();
    window.find<QCheckBox>("Sounds")->click();
    window.find<QCheckBox>("Show stack in menu bar")->click();
    window.find<QCheckBox>("Learning mode")->click();
    window.combo(0)->activated(2);
    window.combo(1)->activated(1);
    window.combo(2)->activated(1);

    const AppSettings& settings = window.state.profile().settings;
    EXPECT_TRUE(settings.autoDeal);
    EXPECT_TRUE(settings.fourColorDeck);
    EXPECT_FALSE(settings.soundsOn);
    EXPECT_TRUE(settings.showStackInMenuBar);
    EXPECT_TRUE(settings.learningMode);
    EXPECT_EQ(settings.botSpeed, BotSpeed::slow);
    EXPECT_EQ(settings.defaultTable, GameMode::sitAndGo);
    EXPECT_EQ(settings.launchSurface, LaunchSurface::window);
    EXPECT_TRUE(window.find<QLabel>(
        "Opens in a full window with the action log, and shows in the Dock while it's open."));
}

TEST(SettingsView, FollowsChangesMadeElsewhere) {
    SettingsWindow window;
    window.state.setDefaultTable(GameMode::cashTable);
    EXPECT_EQ(window.combo(1)->currentIndex(), -1) << "a cash table matches neither option";
    window.state.setFourColorDeck(true);
    EXPECT_TRUE(window.find<QCheckBox>("Four-color deck")->isChecked());
}

TEST(SettingsView, TheShortcutRowsFollowTheSwitch) {
    SettingsWindow window;
    window.find<QCheckBox>("Global shortcut")->click();
    EXPECT_TRUE(window.state.hotkey().enabled);
    EXPECT_EQ(window.state.hotkey().shortcut, KeyShortcut{});
    auto* recorder = window.view.findChild<ShortcutRecorder*>();
    EXPECT_TRUE(window.shows(recorder));

    // The shell puts the setting in force; the grab is refused and the form says why.
    window.hotkey.update(window.state.hotkey().shortcut);
    ASSERT_TRUE(window.hotkey.problem());
    EXPECT_TRUE(window.shows(window.find<QLabel>(*window.hotkey.problem())));

    window.find<QCheckBox>("Global shortcut")->click();
    EXPECT_FALSE(window.shows(recorder));
    EXPECT_FALSE(window.shows(window.find<QLabel>(*window.hotkey.problem())));
}

TEST(SettingsView, LaunchAtLoginShowsWhatTheDesktopReports) {
    SettingsWindow window;
    auto* toggle = window.find<QCheckBox>("Launch at login");
    toggle->click();
    EXPECT_EQ(window.launchAtLogin.status(), LoginItemStatus::enabled);
    EXPECT_TRUE(toggle->isChecked());
    toggle->click();
    EXPECT_EQ(window.launchAtLogin.status(), LoginItemStatus::notRegistered);
    EXPECT_FALSE(toggle->isChecked());
}

TEST(SettingsView, ResetAsksFirstAndCancellingChangesNothing) {
    SettingsWindow window;
    Profile profile = window.state.profile();
    profile.bankroll = 55;
    window.state.setProfile(profile);

    QString asked;
    window.view.setConfirm([&](const QString& title, const QString& message) {
        asked = title + " / " + message;
        return false;
    });
    window.find<QPushButton>("Reset Bankroll…")->click();
    EXPECT_EQ(asked, "Reset your bankroll to 10,000 chips? / Lifetime counters are kept.");
    EXPECT_EQ(window.state.profile().bankroll, 55);

    window.view.setConfirm([](const QString&, const QString&) { return true; });
    window.find<QPushButton>("Reset Bankroll…")->click();
    EXPECT_EQ(window.state.profile().bankroll, 10000);
    EXPECT_TRUE(window.find<QLabel>("10,000 chips"));
}
