// The hotkey's states and problem texts against a recording grabber, the key translation and the
// repeat filter.
#include "System/GlobalHotkey.h"
#include "System/HotkeyKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class RecordingGrabber final : public HotkeyGrabber {
  public:
    struct Log {
        std::vector<KeyShortcut> grabs;
        int releases = 0;
        std::function<void()> pressed;
    };
    explicit RecordingGrabber(Log& log, HotkeyGrab answer = {})
        : log_(log)
        , answer_(answer) {}
    HotkeyGrab grab(const KeyShortcut& shortcut, std::function<void()> pressed) override {
        log_.grabs.push_back(shortcut);
        if (answer_.outcome == HotkeyGrab::Outcome::grabbed) {
            log_.pressed = std::move(pressed);
        }
        return answer_;
    }
    void release() override {
        ++log_.releases;
        log_.pressed = nullptr;
    }

  private:
    Log& log_;
    HotkeyGrab answer_;
};

KeyShortcut shortcut(bool command, bool shift, bool option, bool control, std::uint16_t code = 35,
                     std::string key = "P") {
    return KeyShortcut{code, command, shift, option, control, std::move(key)};
}

TEST(GlobalHotkey, GrabsOnceAndRunsTheActionOnEachPress) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log));
    int presses = 0;
    hotkey.setAction([&] { ++presses; });
    hotkey.update(KeyShortcut{});
    hotkey.update(KeyShortcut{});
    EXPECT_EQ(log.grabs.size(), 1u);
    EXPECT_TRUE(hotkey.isActive());
    EXPECT_EQ(hotkey.problem(), std::nullopt);
    log.pressed();
    log.pressed();
    EXPECT_EQ(presses, 2);
}

TEST(GlobalHotkey, APressWithoutAnActionDoesNothing) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log));
    hotkey.update(KeyShortcut{});
    log.pressed();
    SUCCEED();
}

TEST(GlobalHotkey, SwitchingOffReleasesAndClearsTheProblem) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log));
    hotkey.update(shortcut(false, true, false, false));
    ASSERT_TRUE(hotkey.problem());
    hotkey.update(KeyShortcut{});
    hotkey.update(std::nullopt);
    EXPECT_EQ(log.releases, 1);
    EXPECT_FALSE(hotkey.isActive());
    EXPECT_EQ(hotkey.problem(), std::nullopt);
}

TEST(GlobalHotkey, ShiftAloneIsRefusedWithoutAGrab) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log));
    hotkey.update(shortcut(false, true, false, false));
    EXPECT_EQ(hotkey.problem(), "Add Ctrl, Alt or Super to use a shortcut from other apps.");
    EXPECT_TRUE(log.grabs.empty());
    for (const auto& accepted : {shortcut(false, false, true, false), shortcut(false, false, false, true)}) {
        hotkey.update(accepted);
        EXPECT_EQ(hotkey.problem(), std::nullopt);
    }
}

TEST(GlobalHotkey, AKeyAnotherClientHoldsIsAlreadyUsed) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(
        std::make_unique<RecordingGrabber>(log, HotkeyGrab{HotkeyGrab::Outcome::alreadyUsed, 10}));
    int changes = 0;
    QObject::connect(&hotkey, &GlobalHotkey::problemChanged, [&] { ++changes; });
    hotkey.update(KeyShortcut{});
    EXPECT_EQ(hotkey.problem(), "Ctrl+Shift+P is already used by another app. Pick another shortcut.");
    EXPECT_FALSE(hotkey.isActive());
    hotkey.update(KeyShortcut{});
    EXPECT_EQ(changes, 1) << "the same shortcut again is not retried";
    EXPECT_EQ(log.grabs.size(), 1u);
}

TEST(GlobalHotkey, OtherFailuresGiveTheErrorNumber) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log, HotkeyGrab{HotkeyGrab::Outcome::failed, 2}));
    hotkey.update(shortcut(true, false, true, true, 999, "?"));
    EXPECT_EQ(hotkey.problem(), "Couldn't set Ctrl+Alt+Super+? (error 2).");
}

TEST(GlobalHotkey, GoingAwayReleasesTheGrab) {
    RecordingGrabber::Log log;
    {
        GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log));
        hotkey.update(KeyShortcut{});
    }
    EXPECT_EQ(log.releases, 1);
}

TEST(GlobalHotkey, WithoutAGrabberNothingIsGrabbedButRulesStillHold) {
    GlobalHotkey hotkey;
    hotkey.update(KeyShortcut{});
    EXPECT_FALSE(hotkey.isActive());
    EXPECT_EQ(hotkey.problem(), std::nullopt);
    hotkey.update(shortcut(false, true, false, false));
    EXPECT_TRUE(hotkey.problem());
}

// A desktop on which another program holds the shortcuts in `taken`.
class SharedDesktopGrabber final : public HotkeyGrabber {
  public:
    SharedDesktopGrabber(std::vector<KeyShortcut> taken, RecordingGrabber::Log& log)
        : taken_(std::move(taken))
        , log_(log) {}
    HotkeyGrab grab(const KeyShortcut& shortcut, std::function<void()> pressed) override {
        log_.grabs.push_back(shortcut);
        if (std::find(taken_.begin(), taken_.end(), shortcut) != taken_.end())
            return {HotkeyGrab::Outcome::alreadyUsed, 10};
        log_.pressed = std::move(pressed);
        return {};
    }
    void release() override {
        ++log_.releases;
        log_.pressed = nullptr;
    }

  private:
    std::vector<KeyShortcut> taken_;
    RecordingGrabber::Log& log_;
};

// The problem text speaks of the stored shortcut: a refused replacement is answered to the caller,
// and while the previous shortcut works there is no problem to show, now or when Settings reopens.
TEST(GlobalHotkey, ARefusedReplacementLeavesThePreviousShortcutInForceWithoutAProblem) {
    const KeyShortcut taken = shortcut(true, true, false, false, 40, "K");
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<SharedDesktopGrabber>(std::vector{taken}, log));
    int presses = 0;
    hotkey.setAction([&] { ++presses; });
    hotkey.update(KeyShortcut{});

    EXPECT_EQ(hotkey.replace(taken), "Ctrl+Shift+K is already used by another app. Pick another shortcut.");
    EXPECT_EQ(hotkey.problem(), std::nullopt) << "the stored shortcut is in force";
    EXPECT_TRUE(hotkey.isActive());
    EXPECT_EQ(hotkey.registered(), KeyShortcut{});
    ASSERT_EQ(log.grabs.size(), 3u);
    EXPECT_EQ(log.grabs.back(), KeyShortcut{}) << "the previous shortcut is taken back";
    log.pressed();
    EXPECT_EQ(presses, 1);

    // The stored setting did not change, so the shell's next update changes nothing either.
    hotkey.update(KeyShortcut{});
    EXPECT_EQ(log.grabs.size(), 3u);
    EXPECT_EQ(hotkey.problem(), std::nullopt);

    const KeyShortcut free = shortcut(true, true, false, false, 37, "L");
    EXPECT_EQ(hotkey.replace(free), std::nullopt);
    EXPECT_EQ(hotkey.problem(), std::nullopt);
    EXPECT_EQ(hotkey.registered(), free);
    EXPECT_TRUE(hotkey.isActive());
    hotkey.update(free);
    EXPECT_EQ(log.grabs.size(), 4u);
}

TEST(GlobalHotkey, ARefusedReplacementDoesNotRevivePreviousShortcutThatWasNotInForce) {
    const KeyShortcut taken = shortcut(true, true, false, false, 40, "K");
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<SharedDesktopGrabber>(std::vector{KeyShortcut{}, taken}, log));
    hotkey.update(KeyShortcut{});
    const auto storedProblem = "Ctrl+Shift+P is already used by another app. Pick another shortcut.";
    ASSERT_EQ(hotkey.problem(), storedProblem);

    EXPECT_EQ(hotkey.replace(taken), "Ctrl+Shift+K is already used by another app. Pick another shortcut.");
    EXPECT_EQ(log.grabs.size(), 2u);
    EXPECT_FALSE(hotkey.isActive());
    EXPECT_EQ(hotkey.problem(), storedProblem) << "the stored shortcut is still not in force";

    EXPECT_EQ(hotkey.replace(shortcut(false, true, false, false)),
              "Add Ctrl, Alt or Super to use a shortcut from other apps.");
    EXPECT_EQ(log.grabs.size(), 2u)
        << "a shortcut without Ctrl, Alt or Super is refused before the desktop is asked";
    EXPECT_EQ(hotkey.problem(), storedProblem);
}

TEST(GlobalHotkey, WithoutAGrabberAReplacementIsTakenAsIs) {
    GlobalHotkey hotkey;
    const KeyShortcut free = shortcut(true, true, false, false, 37, "L");
    EXPECT_EQ(hotkey.replace(free), std::nullopt);
    EXPECT_EQ(hotkey.registered(), free);
    EXPECT_EQ(hotkey.problem(), std::nullopt);
}

TEST(HotkeyKeys, CommandIsControlAndControlIsSuper) {
    EXPECT_EQ(x11Modifiers(KeyShortcut{}), (1 << 0) | (1 << 2));
    EXPECT_EQ(x11Modifiers(shortcut(false, false, true, true)), (1 << 3) | (1 << 6));
}

TEST(KeyRepeatFilter, AHeldKeyActsOnce) {
    KeyRepeatFilter detectable;
    EXPECT_TRUE(detectable.press(100));
    EXPECT_FALSE(detectable.press(130));
    EXPECT_FALSE(detectable.press(160));
    detectable.release(170);
    EXPECT_TRUE(detectable.press(400));

    KeyRepeatFilter plain;
    EXPECT_TRUE(plain.press(100));
    plain.release(130);
    EXPECT_FALSE(plain.press(130)) << "a repeat arrives as a release and a press at the same time";
    plain.release(160);
    EXPECT_TRUE(plain.press(500));
}

} // namespace
