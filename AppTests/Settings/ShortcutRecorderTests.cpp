#include "Views/Settings/ShortcutRecorder.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The recorder as the Settings window holds it: a report writes the stored setting, which comes back
// into the button as its shortcut.
struct Recorder {
    Recorder() {
        button.setOnRecord([this](const KeyShortcut& shortcut) {
            reports.push_back(shortcut);
            button.setShortcut(shortcut);
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
    EXPECT_EQ(recorder.button.text(), "⇧⌘P");
    EXPECT_EQ(recorder.button.accessibleName(), "Shortcut ⇧⌘P");
    recorder.button.click();
    EXPECT_EQ(recorder.button.text(), "Type shortcut…");
    EXPECT_EQ(recorder.button.accessibleName(), "Recording shortcut");
    recorder.button.click();
    EXPECT_EQ(recorder.button.text(), "⇧⌘P");
    EXPECT_TRUE(recorder.reports.empty());
}

TEST(ShortcutRecorder, RecordsACombinationWithCtrlAsCommand) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].keyCode, 40);
    EXPECT_EQ(recorder.reports[0].key, "K");
    EXPECT_EQ(recorder.button.text(), "⇧⌘K");
    EXPECT_FALSE(recorder.button.isRecording());
}

TEST(ShortcutRecorder, MapsAltToOptionAndSuperToControl) {
    Recorder recorder;
    recorder.button.click();
    recorder.press(Qt::Key_Space, Qt::AltModifier | Qt::MetaModifier);
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.button.text(), "⌃⌥Space");
    recorder.button.click();
    recorder.press(Qt::Key_Backtab, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(recorder.button.text(), "⌥⇧⇥");
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
    EXPECT_EQ(recorder.button.text(), "⇧⌘K");

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
    EXPECT_EQ(recorder.button.text(), "⇧⌘P");
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
