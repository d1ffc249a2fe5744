// The hotkey's states and problem texts against a recording grabber, the key translation and the
// repeat filter.
#include "System/GlobalHotkey.h"
#include "System/HotkeyKeys.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(hotkey.problem(), "Add ⌘, ⌥ or ⌃ to use a shortcut from other apps.");
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
    EXPECT_EQ(hotkey.problem(), "⇧⌘P is already used by another app. Pick another shortcut.");
    EXPECT_FALSE(hotkey.isActive());
    hotkey.update(KeyShortcut{});
    EXPECT_EQ(changes, 1) << "the same shortcut again is not retried";
    EXPECT_EQ(log.grabs.size(), 1u);
}

TEST(GlobalHotkey, OtherFailuresGiveTheErrorNumber) {
    RecordingGrabber::Log log;
    GlobalHotkey hotkey(std::make_unique<RecordingGrabber>(log, HotkeyGrab{HotkeyGrab::Outcome::failed, 2}));
    hotkey.update(shortcut(true, false, true, true, 999, "?"));
    EXPECT_EQ(hotkey.problem(), "Couldn't set ⌃⌥⌘? (error 2).");
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
