#include "Views/Settings/ShortcutRecording.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace ShortcutRecording;

namespace {

KeyPress key(std::uint16_t code, std::string characters, bool command = false, bool shift = false,
             bool option = false, bool control = false) {
    return {code, command, shift, option, control, std::move(characters)};
}

std::string recordedDisplay(const KeyPress& pressed) {
    const auto result = press(true, pressed);
    return result.shortcut ? result.shortcut->display() : "";
}

} // namespace

TEST(ShortcutRecording, IdleKeysPassOn) {
    EXPECT_EQ(press(false, key(deleteKey, "")).outcome, Outcome::passOn);
    EXPECT_EQ(press(false, key(escapeKey, "")).outcome, Outcome::passOn);
    EXPECT_EQ(press(false, key(40, "k", true)).outcome, Outcome::passOn);
}

TEST(ShortcutRecording, DeleteRestoresTheDefaultWhateverIsHeld) {
    for (auto code : {deleteKey, forwardDeleteKey}) {
        const auto result = press(true, key(code, "", true));
        EXPECT_EQ(result.outcome, Outcome::record);
        EXPECT_EQ(result.shortcut, KeyShortcut{});
        EXPECT_FALSE(result.recording);
    }
}

TEST(ShortcutRecording, EscapeCancelsWhateverIsHeld) {
    EXPECT_EQ(press(true, key(escapeKey, "")), (Result{Outcome::cancel, std::nullopt, false, std::nullopt}));
    EXPECT_EQ(press(true, key(escapeKey, "", false, false, true)).outcome, Outcome::cancel);
}

// Refused, the recorder keeps waiting. A key without Ctrl, Alt or Super plainly lacks one; the game's
// own keys and the desktop's editing keys say why, since a global grab would take them from every
// window on the desktop.
TEST(ShortcutRecording, RefusedCombinationsKeepRecordingAndSayWhy) {
    struct Case {
        KeyPress pressed;
        std::optional<QString> reason;
    };
    const std::vector<Case> cases{
        {key(35, "p"), "Add Ctrl, Alt or Super to use a shortcut from other apps."},
        {key(35, "p", false, true), "Add Ctrl, Alt or Super to use a shortcut from other apps."},
        {key(96, ""), "Add Ctrl, Alt or Super to use a shortcut from other apps."}, // function keys too
        {key(13, "w", true), "Ctrl+W closes Settings. Pick another shortcut."},
        {key(12, "q", true), "Ctrl+Q quits Chipwhistle. Pick another shortcut."},
        {key(43, ",", true), "Ctrl+, opens Settings. Pick another shortcut."},
        {key(44, "/", true, true), "Ctrl+? opens Poker Basics. Pick another shortcut."},
        {key(8, "c", true), "Ctrl+C copies in every app. Pick another shortcut."},
        {key(9, "v", true), "Ctrl+V pastes in every app. Pick another shortcut."},
        {key(7, "x", true), "Ctrl+X cuts in every app. Pick another shortcut."},
        {key(6, "z", true), "Ctrl+Z undoes in every app. Pick another shortcut."},
        {key(0, "a", true), "Ctrl+A selects all in every app. Pick another shortcut."},
        {key(8, "c", true, true), "Ctrl+Shift+C copies in a terminal. Pick another shortcut."},
        {key(9, "v", true, true), "Ctrl+Shift+V pastes in a terminal. Pick another shortcut."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(press(true, c.pressed), (Result{Outcome::refuse, std::nullopt, true, c.reason}))
            << c.pressed.keyCode << " " << c.reason.value_or("").toStdString();
    }
}

TEST(ShortcutRecording, AcceptedCombinationsAreRecordedWithTheirNames) {
    const auto result = press(true, key(40, "k", true, true));
    ASSERT_TRUE(result.shortcut);
    EXPECT_EQ(result.shortcut->keyCode, 40);
    EXPECT_TRUE(result.shortcut->command);
    EXPECT_TRUE(result.shortcut->shift);
    EXPECT_EQ(result.shortcut->key, "K");
    EXPECT_EQ(result.shortcut->display(), "Ctrl+Shift+K");

    EXPECT_EQ(recordedDisplay(key(spaceKey, " ", false, false, true, true)), "Alt+Super+Space");
    EXPECT_EQ(recordedDisplay(key(returnKey, "\r", true)), "Ctrl+Return");
    EXPECT_EQ(recordedDisplay(key(tabKey, "\t", false, false, true)), "Alt+Tab");
    EXPECT_EQ(recordedDisplay(key(111, "", false, false, false, true)), "Super+F12");
    EXPECT_EQ(recordedDisplay(key(126, "", true, false, false, true)), "Ctrl+Super+Up");
    // The same keys with another modifier are free.
    EXPECT_EQ(recordedDisplay(key(12, "q", true, true)), "Ctrl+Shift+Q");
    EXPECT_EQ(recordedDisplay(key(8, "c", true, false, true)), "Ctrl+Alt+C");
    EXPECT_EQ(recordedDisplay(key(13, "w", false, false, false, true)), "Super+W");
    EXPECT_EQ(recordedDisplay(key(44, "/", true)), "Ctrl+/");
    EXPECT_EQ(recordedDisplay(key(83, "", true)), "Ctrl+Keypad 1");
    EXPECT_EQ(recordedDisplay(key(114, "", true)), "Ctrl+Insert");
}

TEST(ShortcutRecording, KeyNamesFallBackToTheKeysText) {
    EXPECT_EQ(keyName(122, ""), "F1");
    EXPECT_EQ(keyName(123, ""), "Left");
    EXPECT_EQ(keyName(0, "a"), "A");
    EXPECT_EQ(keyName(0, ""), "?");
}

TEST(ShortcutRecording, TitleAndSpokenLabelFollowTheState) {
    const KeyShortcut standard;
    EXPECT_EQ(title(false, standard), "Ctrl+Shift+P");
    EXPECT_EQ(accessibleLabel(false, standard), "Shortcut Ctrl+Shift+P");
    EXPECT_EQ(title(true, standard), "Type shortcut…");
    EXPECT_EQ(accessibleLabel(true, standard), "Recording shortcut");
    EXPECT_EQ(accessibleHelp(), "Click, then press the new shortcut");
}
