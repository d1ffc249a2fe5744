#pragma once

#include "Persistence/KeyShortcut.h"
#include "Views/Settings/ShortcutRecording.h"

#include <QPushButton>

class X11RawPresses;

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The button that records the global shortcut: clicked, it takes the next key press, and reports an
// accepted combination through `onRecord`. Its title follows the setting it is given, never a key press
// directly, so what it shows is always what is stored.
//
// While it records it holds the whole keyboard, so every combination reaches it: one another program
// holds, and the global shortcut in force, which would otherwise be taken before any window sees
// them. A click anywhere else ends the recording, as does the focus leaving; in the game such a click
// does nothing more, and one on another program reaches that program.
class ShortcutRecorder : public QPushButton {
    Q_OBJECT
  public:
    explicit ShortcutRecorder(QWidget* parent = nullptr);
    ~ShortcutRecorder() override;

    // Reports an accepted combination. An answer says why it could not be taken: the recorder then
    // beeps and waits for another, with the answer as its `refusal`.
    using OnRecord = std::function<std::optional<QString>(const KeyShortcut&)>;
    void setOnRecord(OnRecord onRecord) { onRecord_ = std::move(onRecord); }
    void setShortcut(const KeyShortcut& shortcut);
    const KeyShortcut& shortcut() const { return shortcut_; }
    bool isRecording() const { return recording_; }
    // Why the combination last pressed was refused, while the recorder waits for another.
    const std::optional<QString>& refusal() const { return refusal_; }
    void toggleRecording();

    // The keysyms of a native key code, unshifted first; the desktop's keyboard map unless a test
    // gives its own.
    using KeyboardMap = std::function<std::vector<std::uint32_t>(std::uint32_t nativeKeyCode)>;
    void setKeyboardMap(KeyboardMap map) { keyboardMap_ = std::move(map); }

    // A Qt key event in the stored terms: the physical key's code and the four modifiers as stored.
    // Empty for a key the table does not know.
    static std::optional<ShortcutRecording::KeyPress> keyPress(const QKeyEvent& event,
                                                               const KeyboardMap& keyboardMap);

  signals:
    // Recording started or ended, or its refusal changed.
    void recordingChanged();
    // A combination was refused for `reason`, each time one is, while recording goes on.
    void refused(const QString& reason);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void setRecording(bool recording, std::optional<QString> refusal = std::nullopt);
    // Beeps and waits for another combination, saying why.
    void refuse(std::optional<QString> reason);
    void holdInput(bool hold);
    void updateTitle();

    OnRecord onRecord_;
    KeyboardMap keyboardMap_;
    KeyShortcut shortcut_;
    bool recording_ = false;
    std::optional<QString> refusal_;
    // Whether the keyboard and the clicks are watched, as they are while recording.
    bool holdingInput_ = false;
    // Presses outside the game's windows, watched while recording.
    std::unique_ptr<X11RawPresses> pressesElsewhere_;
    // The button of a press in the game that ended the recording, until it is released.
    std::optional<Qt::MouseButton> endingPress_;
};
