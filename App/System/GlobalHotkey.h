#pragma once

#include "Persistence/KeyShortcut.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The outcome of asking the desktop for a system-wide key.
struct HotkeyGrab {
    enum class Outcome { grabbed, alreadyUsed, failed };
    Outcome outcome = Outcome::grabbed;
    // The desktop's error code when the grab failed.
    int status = 0;
};

// The desktop end of the hotkey: grabs one key combination for the whole session and reports its
// presses. The X11 one is System/X11HotkeyGrabber; tests use a record.
class HotkeyGrabber {
  public:
    virtual ~HotkeyGrabber() = default;
    // Replaces any earlier grab. `pressed` runs on the GUI thread for each press, repeats excluded.
    virtual HotkeyGrab grab(const KeyShortcut& shortcut, std::function<void()> pressed) = 0;
    virtual void release() = 0;
};

// The one system-wide shortcut that shows or hides the game from any application. The host sets
// its action and calls update() whenever the settings change; Settings shows `problem` under the
// shortcut control. Lives on the GUI thread; `problem` signals only when it really changes.
class GlobalHotkey final : public QObject {
    Q_OBJECT

  public:
    // Without a grabber (a test host) nothing is ever grabbed.
    explicit GlobalHotkey(std::unique_ptr<HotkeyGrabber> grabber = nullptr, QObject* parent = nullptr);
    ~GlobalHotkey() override;

    // Why the current shortcut is not in force; none when it works or none is set.
    const std::optional<QString>& problem() const { return problem_; }
    // Why a shortcut without Ctrl, Alt or Super cannot be used from other programs.
    static QString missingModifierProblem();
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    // The shortcut of the last update, whether or not it could be grabbed.
    const std::optional<KeyShortcut>& registered() const { return registered_; }
    bool isActive() const { return active_; }

    // Puts `shortcut` in force, or switches the hotkey off given none. The same shortcut again
    // changes nothing, so a refused one is retried only once the player changes it.
    void update(const std::optional<KeyShortcut>& shortcut);
    // Asks for `shortcut` in place of the one in force, before anyone stores it. Refused, the previous
    // shortcut is taken back and stays in force, and the answer says why the new one was not taken;
    // the caller then keeps the previous shortcut stored. `problem` stays about the stored shortcut.
    std::optional<QString> replace(const KeyShortcut& shortcut);

  signals:
    void problemChanged();

  private:
    // Grabs `shortcut`; the reason when it cannot be in force.
    std::optional<QString> grab(const KeyShortcut& shortcut);
    void releaseGrab();
    void setProblem(std::optional<QString> problem);
    void pressed();

    std::unique_ptr<HotkeyGrabber> grabber_;
    std::optional<QString> problem_;
    std::function<void()> action_;
    std::optional<KeyShortcut> registered_;
    bool active_ = false;
};
