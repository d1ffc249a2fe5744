#include "Views/Settings/ShortcutRecorder.h"

#include "Persistence/KeyCodes.h"
#include "System/X11KeyboardMap.h"

#include <QApplication>
#include <QKeyEvent>

ShortcutRecorder::ShortcutRecorder(QWidget* parent)
    : QPushButton(parent)
    , keyboardMap_(x11Keysyms) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(ShortcutRecording::accessibleHelp());
    setToolTip(ShortcutRecording::accessibleHelp());
    connect(this, &QPushButton::clicked, this, &ShortcutRecorder::toggleRecording);
    updateTitle();
}

void ShortcutRecorder::setShortcut(const KeyShortcut& shortcut) {
    shortcut_ = shortcut;
    updateTitle();
}

void ShortcutRecorder::toggleRecording() {
    recording_ = !recording_;
    updateTitle();
    if (recording_)
        setFocus(Qt::OtherFocusReason);
}

void ShortcutRecorder::stopRecording() {
    recording_ = false;
    updateTitle();
}

void ShortcutRecorder::updateTitle() {
    setText(ShortcutRecording::title(recording_, shortcut_));
    setAccessibleName(ShortcutRecording::accessibleLabel(recording_, shortcut_));
    if (recording_ != titledRecording_) {
        titledRecording_ = recording_;
        emit recordingChanged();
    }
}

std::optional<ShortcutRecording::KeyPress> ShortcutRecorder::keyPress(const QKeyEvent& event,
                                                                      const KeyboardMap& keyboardMap) {
    const auto modifiers = event.modifiers();
    // Shift changes the character but not the key: Ctrl+Shift+1 arrives as "!". The keyboard map
    // names the key pressed; without one (no X server) the US layout's shifted symbols stand in.
    std::optional<std::uint16_t> code;
    if (event.nativeScanCode() != 0 && keyboardMap) {
        const std::vector<std::uint32_t> keysyms = keyboardMap(event.nativeScanCode());
        code = KeyCodes::fromKeysyms(keysyms);
    }
    if (!code)
        code = KeyCodes::fromQtKey(event.key(), modifiers.testFlag(Qt::KeypadModifier),
                                   modifiers.testFlag(Qt::ShiftModifier));
    if (!code)
        return std::nullopt;
    ShortcutRecording::KeyPress press;
    press.keyCode = *code;
    press.command = modifiers.testFlag(Qt::ControlModifier);
    press.shift = modifiers.testFlag(Qt::ShiftModifier);
    press.option = modifiers.testFlag(Qt::AltModifier);
    press.control = modifiers.testFlag(Qt::MetaModifier);
    // The key's own character, as if no modifier were held.
    if (const auto keysym = KeyCodes::keysym(*code); keysym && *keysym > ' ' && *keysym < 0x7f)
        press.characters = std::string(1, char(*keysym));
    return press;
}

bool ShortcutRecorder::event(QEvent* event) {
    // While recording, every combination is ours: no menu item or window shortcut may take it.
    if (recording_ && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QPushButton::event(event);
}

void ShortcutRecorder::keyPressEvent(QKeyEvent* event) {
    if (!recording_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_AltGr:
        // A modifier on its own is no key press yet.
        return;
    default:
        break;
    }
    const auto press = keyPress(*event, keyboardMap_);
    // A key this keyboard table does not know cannot be stored, so it is refused like a bare key.
    const auto result =
        press ? ShortcutRecording::press(true, *press)
              : ShortcutRecording::Result{ShortcutRecording::Outcome::refuse, std::nullopt, true};
    if (result.outcome == ShortcutRecording::Outcome::refuse) {
        QApplication::beep();
        return;
    }
    recording_ = result.recording;
    updateTitle();
    if (result.shortcut && onRecord_)
        onRecord_(*result.shortcut);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event) {
    if (recording_)
        stopRecording();
    QPushButton::focusOutEvent(event);
}
