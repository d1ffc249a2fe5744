#pragma once

#include "Persistence/KeyShortcut.h"
#include "Views/Settings/ShortcutRecording.h"

#include <QPushButton>

#include <cstdint>
#include <functional>
#include <vector>

// The button that records the global shortcut: clicked, it takes the next key press, and reports an
// accepted combination through `onRecord`. Its title follows the setting it is given, never a key press
// directly, so what it shows is always what is stored.
class ShortcutRecorder : public QPushButton {
    Q_OBJECT
  public:
    explicit ShortcutRecorder(QWidget* parent = nullptr);

    void setOnRecord(std::function<void(const KeyShortcut&)> onRecord) { onRecord_ = std::move(onRecord); }
    void setShortcut(const KeyShortcut& shortcut);
    const KeyShortcut& shortcut() const { return shortcut_; }
    bool isRecording() const { return recording_; }
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
    void recordingChanged();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void stopRecording();
    void updateTitle();

    std::function<void(const KeyShortcut&)> onRecord_;
    KeyboardMap keyboardMap_;
    KeyShortcut shortcut_;
    bool recording_ = false;
    // The state the title last showed, so `recordingChanged` fires once per change.
    bool titledRecording_ = false;
};
