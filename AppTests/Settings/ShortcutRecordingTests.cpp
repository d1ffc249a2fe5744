#include "Views/Settings/ShortcutRecording.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(press(true, key(escapeKey, "")), (Result{Outcome::cancel, std::nullopt, false}));
    EXPECT_EQ(press(true, key(escapeKey, "", false, false, true)).outcome, Outcome::cancel);
}

TEST(ShortcutRecording, KeysWithoutCommandOptionOrControlAreRefused) {
    EXPECT_EQ(press(true, key(35, "p")), (Result{Outcome::refuse, std::nullopt, true}));
    EXPECT_EQ(press(true, key(35, "p", false, true)).outcome, Outcome::refuse);
    EXPECT_EQ(press(true, key(96, "")).outcome, Outcome::refuse) << "function keys need a modifier too";
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
    EXPECT_EQ(recordedDisplay(key(12, "q", true)), "Ctrl+Q");
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
