#pragma once

#include "Persistence/KeyShortcut.h"
#include "Views/Settings/ShortcutRecording.h"

#include <QPushButton>

#include <functional>

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

    // A Qt key event in the stored terms: the layout's key code and the four modifiers as stored.
    // Empty for a key the table does not know.
    static std::optional<ShortcutRecording::KeyPress> keyPress(const QKeyEvent& event);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void stopRecording();
    void updateTitle();

    std::function<void(const KeyShortcut&)> onRecord_;
    KeyShortcut shortcut_;
    bool recording_ = false;
};
