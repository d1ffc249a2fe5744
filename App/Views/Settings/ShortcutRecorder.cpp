#include "Views/Settings/ShortcutRecorder.h"

#include "Style/Drawing/StyleAccessibility.h"

#include "Persistence/KeyCodes.h"
#include "System/X11KeyboardMap.h"
#include "System/X11RawPresses.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

ShortcutRecorder::ShortcutRecorder(QWidget* parent)
    : QPushButton(parent)
    , keyboardMap_(x11Keysyms) {
    setFocusPolicy(Qt::StrongFocus);
    StyleAccessibility::setDescription(this, ShortcutRecording::accessibleHelp());
    setToolTip(ShortcutRecording::accessibleHelp());
    connect(this, &QPushButton::clicked, this, &ShortcutRecorder::toggleRecording);
    updateTitle();
}

ShortcutRecorder::~ShortcutRecorder() {
    holdInput(false);
    qApp->removeEventFilter(this);
}

void ShortcutRecorder::setShortcut(const KeyShortcut& shortcut) {
    shortcut_ = shortcut;
    updateTitle();
}

void ShortcutRecorder::toggleRecording() {
    setRecording(!recording_);
    if (recording_)
        setFocus(Qt::OtherFocusReason);
}

void ShortcutRecorder::setRecording(bool recording, std::optional<QString> refusal) {
    const bool changed = recording != recording_ || refusal != refusal_;
    recording_ = recording;
    refusal_ = recording ? std::move(refusal) : std::nullopt;
    holdInput(recording_ && isVisible());
    updateTitle();
    if (changed)
        emit recordingChanged();
}

void ShortcutRecorder::holdInput(bool hold) {
    if (hold == holdingInput_)
        return;
    holdingInput_ = hold;
    // On X the keyboard grab is an active one, which outranks every program's passive shortcut grab.
    // The pointer stays free, so a click on another program reaches it: that press, like one on a frame
    // the window manager draws (this window's title bar included), is seen as a raw press.
    if (hold) {
        grabKeyboard();
        if (!pressesElsewhere_)
            pressesElsewhere_ = X11RawPresses::create([this] { setRecording(false); });
        qApp->installEventFilter(this);
    } else if (keyboardGrabber() == this) {
        releaseKeyboard();
    }
    if (pressesElsewhere_)
        pressesElsewhere_->setWatching(hold);
    // The release of a press that ended the recording is still to come, and is not the game's either.
    if (!hold && !endingPress_)
        qApp->removeEventFilter(this);
}

void ShortcutRecorder::updateTitle() {
    // The name first: the title's change tells a reader of the name as it stands, which must be the new
    // one.
    StyleAccessibility::setName(this, ShortcutRecording::accessibleLabel(recording_, shortcut_));
    setText(ShortcutRecording::title(recording_, shortcut_));
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

bool ShortcutRecorder::eventFilter(QObject* watched, QEvent* event) {
    // A click anywhere but on the button, a blank part of the window or another of the game's windows
    // included, ends the recording and does nothing else; the button's own click toggles it.
    const auto type = event->type();
    if (recording_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != this && !isAncestorOf(widget)) {
            endingPress_ = static_cast<QMouseEvent*>(event)->button();
            setRecording(false);
            return true;
        }
    }
    if (endingPress_ && !recording_ && watched->isWidgetType() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)) {
        if (type == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == *endingPress_) {
            endingPress_.reset();
            qApp->removeEventFilter(this);
        }
        return true;
    }
    // A window moved by its frame was pressed outside the recorder too.
    if (recording_ && type == QEvent::Move && watched == window())
        setRecording(false);
    return QPushButton::eventFilter(watched, event);
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
    // A key this keyboard table does not know cannot be stored.
    const auto result = press ? ShortcutRecording::press(true, *press)
                              : ShortcutRecording::Result{ShortcutRecording::Outcome::refuse, std::nullopt,
                                                          true, ShortcutRecording::unknownKeyReason()};
    if (result.outcome == ShortcutRecording::Outcome::refuse) {
        refuse(result.reason);
        return;
    }
    // Asked while still recording: a combination the desktop refuses keeps the recording going, and the
    // reader hears only why, not the recording begin again.
    if (result.shortcut && onRecord_) {
        if (auto refusal = onRecord_(*result.shortcut)) {
            refuse(std::move(refusal));
            return;
        }
    }
    setRecording(result.recording);
}

void ShortcutRecorder::refuse(std::optional<QString> reason) {
    QApplication::beep();
    setRecording(true, reason);
    if (reason)
        emit refused(*reason);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent* event) {
    setRecording(false);
    QPushButton::focusOutEvent(event);
}

void ShortcutRecorder::hideEvent(QHideEvent* event) {
    setRecording(false);
    QPushButton::hideEvent(event);
}
