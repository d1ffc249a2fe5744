#include "Views/Settings/ShortcutRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The recorder as the Settings window holds it: a report writes the stored setting, which comes back
// into the button as its shortcut.
struct Recorder {
    Recorder() {
        button.setOnRecord([this](const KeyShortcut& shortcut) -> std::optional<QString> {
            reports.push_back(shortcut);
            button.setShortcut(shortcut);
            return std::nullopt;
        });
        button.show();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&button, &event);
    }

    ShortcutRecorder button;
    std::vector<KeyShortcut> reports;
};

} // namespace

TEST(ShortcutRecorder, ShowsTheStoredShortcutUntilClicked) {
    Recorder recorder;
    EXPECT_EQ(recorder.button.text(), "Ctrl+Shift+P");
    EXPECT_EQ(recorder.button.accessibleName(), "Shortcut Ctrl+Shift+P");
    recorder.button.click();
    EXPECT_EQ(recorder.button.text(), "Type shortcut…");
    EXPECT_EQ(recorder.button.accessibleName(), "Recording shortcut");
    EXPECT_EQ(QWidget::keyboardGrabber(), &recorder.button) << "every combination comes to it";
    recorder.button.click();
    EXPECT_EQ(recorder.button.text(), "Ctrl+Shift+P");
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(ShortcutRecorder, RecordsACombinationWithCtrlAsCommand) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].keyCode, 40);
    EXPECT_EQ(recorder.reports[0].key, "K");
    EXPECT_EQ(recorder.button.text(), "Ctrl+Shift+K");
    EXPECT_FALSE(recorder.button.isRecording());
}

TEST(ShortcutRecorder, MapsAltToOptionAndSuperToControl) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_Space, Qt::AltModifier | Qt::MetaModifier);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.button.text(), "Alt+Super+Space");
    recorder.button.click();
    recorder.press(Qt::Key_Backtab, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(recorder.button.text(), "Alt+Shift+Tab");
}

TEST(ShortcutRecorder, RefusesBareKeysAndKeepsRecording) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_P, Qt::ShiftModifier);
    recorder.press(Qt::Key_F5);
    recorder.press(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(recorder.button.isRecording());
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(ShortcutRecorder, RefusesAKeyItCannotStore) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_MediaPlay, Qt::ControlModifier);
    EXPECT_TRUE(recorder.button.isRecording());
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(ShortcutRecorder, EscapeCancelsAndDeleteRestoresTheDefault) {
    Recorder recorder;
    KeyShortcut custom;
    custom.keyCode = 40;
    custom.key = "K";
    recorder.button.setShortcut(custom);

    recorder.button.click();
    recorder.press(Qt::Key_Escape, Qt::AltModifier);
    EXPECT_FALSE(recorder.button.isRecording());
    EXPECT_TRUE(recorder.reports.empty());
    EXPECT_EQ(recorder.button.text(), "Ctrl+Shift+K");

    recorder.button.click();
    recorder.press(Qt::Key_Backspace, Qt::ControlModifier);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0], KeyShortcut{});
}

TEST(ShortcutRecorder, IdleKeysDoNotChangeTheShortcut) {
    Recorder recorder;
    recorder.press(Qt::Key_Backspace);
    recorder.press(Qt::Key_Escape);
    EXPECT_TRUE(recorder.reports.empty());
    EXPECT_EQ(recorder.button.text(), "Ctrl+Shift+P");
}

TEST(ShortcutRecorder, TakesEveryShortcutWhileRecording) {
    Recorder recorder;
    QKeyEvent idle(QEvent::ShortcutOverride, Qt::Key_Q, Qt::ControlModifier);
    idle.ignore();
    QApplication::sendEvent(&recorder.button, &idle);
    EXPECT_FALSE(idle.isAccepted());

    recorder.button.click();
    QKeyEvent recording(QEvent::ShortcutOverride, Qt::Key_Q, Qt::ControlModifier);
    recording.ignore();
    QApplication::sendEvent(&recorder.button, &recording);
    EXPECT_TRUE(recording.isAccepted());
}

// Shift turns the 1 key into "!" and = into "+"; what is recorded is the key pressed, as on a US
// keyboard without an X server to ask. Keys a Mac layout lacks and the keypad are keys of their own.
TEST(ShortcutRecorder, RecordsThePhysicalKeyWhateverShiftMakesOfIt) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::uint16_t code;
        const char* title;
    };
    const std::vector<Case> cases{
        {Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier, 18, "Ctrl+Shift+1"},
        {Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier, 44, "Alt+Shift+/"},
        {Qt::Key_Plus, Qt::AltModifier | Qt::ShiftModifier, 24, "Alt+Shift+="},
        {Qt::Key_Insert, Qt::ControlModifier, 114, "Ctrl+Insert"},
        {Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier, 83, "Ctrl+Keypad 1"},
        {Qt::Key_1, Qt::ControlModifier, 18, "Ctrl+1"},
        {Qt::Key_Enter, Qt::MetaModifier | Qt::KeypadModifier, 76, "Super+Keypad Enter"},
        {Qt::Key_Print, Qt::AltModifier, 256, "Alt+Print"},
        {Qt::Key_Up, Qt::ControlModifier | Qt::MetaModifier, 126, "Ctrl+Super+Up"},
    };
    for (const Case& c : cases) {
        Recorder recorder;
        recorder.button.click();
        QTest::keyClick(&recorder.button, Qt::Key(c.key), c.modifiers);
        ASSERT_EQ(recorder.reports.size(), 1u) << c.title;
        EXPECT_EQ(recorder.reports[0].keyCode, c.code) << c.title;
        EXPECT_EQ(recorder.button.text(), c.title);
        EXPECT_EQ(recorder.button.accessibleName(), QString("Shortcut ") + c.title);
    }
}

// On X the key press names its key code; the keyboard map says which key that is, unshifted first,
// so any layout's symbols come back to the key that carries them.
TEST(ShortcutRecorder, AsksTheKeyboardMapForTheKeyOfANativeKeyCode) {
    Recorder recorder;
    std::vector<std::uint32_t> asked;
    recorder.button.setKeyboardMap([&](std::uint32_t keycode) {
        asked.push_back(keycode);
        // A French layout: the 1 key is "&" unshifted, and the keypad's 1 is End with Num Lock off.
        if (keycode == 10)
            return std::vector<std::uint32_t>{'&', '1'};
        if (keycode == 87)
            return std::vector<std::uint32_t>{0xff9c, 0xffb1};
        return std::vector<std::uint32_t>{};
    });
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers, quint32 keycode, const QString& text) {
        recorder.button.click();
        QKeyEvent event(QEvent::KeyPress, key, modifiers, keycode, 0, 0, text);
        QApplication::sendEvent(&recorder.button, &event);
    };
    press(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier, 10, "1");
    press(Qt::Key_End, Qt::AltModifier | Qt::KeypadModifier, 87, "");
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{10, 87}));
    ASSERT_EQ(recorder.reports.size(), 2u);
    EXPECT_EQ(recorder.reports[0].keyCode, 18);
    EXPECT_EQ(recorder.reports[0].key, "1");
    EXPECT_EQ(recorder.reports[1].keyCode, 83);
    EXPECT_EQ(recorder.button.text(), "Alt+Keypad 1");
}
