#pragma once

#include "Scheduler.h"
#include "SurfaceHost.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

class SurfaceCoordinator;

// The desktop end of the popover: the window under the tray icon, the pointer, and the watch for
// clicks elsewhere. The host implements it with a Qt tool window and XInput2; tests with a record.
class PopoverSurface {
  public:
    virtual ~PopoverSurface() = default;

    // Whether there is a tray icon at all (a test host without a user interface has none).
    virtual bool hasStatusItem() const = 0;
    virtual bool isShown() const = 0;
    // Whether the shown popover is mapped and not covered.
    virtual bool isOnScreen() const = 0;
    // Whether the tray icon is embedded and visible, so the popover has a place to open under.
    virtual bool iconIsUp() const = 0;
    // Whether the shown popover's window has the keys.
    virtual bool hasTheKeys() const = 0;
    // The tray icon's frame in screen coordinates; empty when there is none.
    virtual QRect iconFrame() const = 0;
    virtual QPoint cursor() const = 0;
    virtual bool mouseButtonDown() const = 0;
    // Activates the program, places the popover under the icon (near the pointer when the tray tells
    // no place), shows it standing as `standing` says and gives it the keyboard.
    virtual void show(PopoverStanding standing) = 0;
    // Hides it; the host then reports popoverDidClose().
    virtual void close() = 0;
    // Asks for the keyboard again for the shown popover, as a task bar asks the window manager, so a
    // manager that prevents focus stealing lets it through.
    virtual void askForTheKeys() = 0;
    // Starts or stops watching for presses outside the popover and for the program losing activation.
    virtual void watchOutsideClicks(bool on) = 0;
    // Starts or stops watching for keys pressed anywhere on the desktop, those another program grabbed
    // for itself included. Only a key pressed once the watch has begun is told.
    virtual void watchKeyPresses(bool on) = 0;
    // "active=… front=…" for the log.
    virtual QString activationState() const = 0;
};

// Where a press outside the popover leaves it, from the pointer and the tray icon's frame.
namespace OutsideClickRule {
// Within 2 pixels of the icon: the icon's own click will toggle the popover.
bool isOnIcon(QPoint cursor, QRect iconFrame);
// Without an icon, or within 60 pixels across and 30 up or down of it: wait 0.2 s, since the press
// may be a click on the icon that a slow tray reports late.
bool waitsForIconClick(QPoint cursor, QRect iconFrame);
} // namespace OutsideClickRule

// How the popover stands when it shows.
namespace PopoverStandingRule {
// `trayMissedTheLaunch`: no tray took the icon within the launch's look for it; `iconIsUp`: a tray
// holds it now. Only with no tray holding the icon, none having taken it in that time, does the
// popover stand on its own: a tray that comes up late is a tray from then on.
PopoverStanding decide(bool trayMissedTheLaunch, bool iconIsUp);
} // namespace PopoverStandingRule

// Whom the focus goes back to once the popover has closed.
namespace FocusHandBackRule {
struct HandBack {
    // The window the focus goes back to; none leaves it where it is.
    std::optional<std::uint32_t> target;
    // What the log says was done; empty when the focus was left to whoever took it.
    QString logLine;
    bool operator==(const HandBack&) const = default;
};
// `before`: the desktop's active window when the popover opened; `activeNow`: the active window now;
// `beforeIsStillThere`: whether `before` is still a window that can take the focus.
// The focus goes back to `before` only when nothing else has taken it: not the player's click
// elsewhere, not the window manager on its own, not another window of this program being shown. When
// `before` has gone meanwhile (the table window the popover took the place of), it goes to nothing.
HandBack decide(std::optional<std::uint32_t> before, std::optional<std::uint32_t> activeNow,
                std::uint32_t popover, bool ownWindowShowing, bool beforeIsStillThere);
} // namespace FocusHandBackRule

// Shows the popover, closes it on request with a reason for the log, and closes it by itself when
// the player clicks elsewhere, with a short grace near the icon. Lives on the GUI thread.
class PopoverPresentation final : public QObject {
    Q_OBJECT

  public:
    static constexpr Scheduler::Duration outsideCloseGrace{200};
    static constexpr Scheduler::Duration showCheckDelay{300};
    static constexpr Scheduler::Duration iconRetryDelay{100};
    // How long after the popover shown in closed Settings' place has the keys a loss of them is still
    // the window manager moving on from the closed window. Qt reports a loss a tenth of a second after
    // the window lost the focus; metacity's move on a busy desktop came within 0.15 s of the keys.
    static constexpr Scheduler::Duration managerMoveWindow{1000};
    // More would fight a window manager that keeps the keys elsewhere.
    static constexpr int maxKeyAsks = 3;

    PopoverPresentation(Scheduler& scheduler, PopoverSurface& surface, SurfaceCoordinator& coordinator,
                        QObject* parent = nullptr);
    ~PopoverPresentation() override;

    // True when the popover is shown afterwards.
    bool showPopover(PopoverShowing showing = PopoverShowing::asked);
    // Shows the popover once the icon is up and settled in its place: a check now and up to `tries`
    // more, 0.1 s apart. When no tray takes the icon in that time, the popover shows on its own.
    void showPopoverWhenIconIsUp(int tries);
    // The same look for the icon at a launch that shows no popover, so that one shown later stands on
    // its own where no tray took the icon.
    void lookForTheIcon(int tries);
    // The shortcut or a second start: a popover standing on its own that has not the keys (another
    // window covers it, or the desktop minimised it) comes forward with them, as the table window does.
    // True when it did; otherwise the press is the usual toggle.
    bool bringForwardOnItsOwn();
    // How the shown popover stands, or the last one shown.
    PopoverStanding standing() const { return standing_; }
    void closePopover(const QString& reason);
    // `waitForIconClick` absent: decided from the pointer and the icon.
    void closeForOutsideClick(const QString& reason, std::optional<bool> waitForIconClick = std::nullopt);

    // Reports from the desktop while the popover is shown.
    void pressInAnotherApp();
    // What a press in another window of this program went to.
    enum class OwnWindow {
        // One the player turns to from the popover, such as the table window.
        window,
        // A menu of ours open over the popover, such as the tray icon's: the choice made in it is the
        // player's next step with the popover, never a click elsewhere.
        menu,
    };
    // A press in another window of this program; `windowClass` names it, or is empty for no window.
    void pressInOwnWindow(const QString& windowClass, OwnWindow kind = OwnWindow::window);
    // Losing activation is the player switching to another app, however they did it (Alt+Tab, a
    // launcher's key, a drop-down terminal's key, a program of theirs raising its own window): the
    // popover closes and the keys stay where they went.
    //
    // One loss is not the player's: Settings that closed leave the keys to the window manager, which
    // may hand them on to the program behind just after the popover that came back in their place
    // took them (metacity does, on a busy desktop). So the popover shown in closed Settings' place
    // guards its keys, and only for a moment: from when it first has them, for managerMoveWindow, a
    // loss makes it stay and ask for them again, a few times at most. The manager moves the keys with
    // nothing pressed; a player switches with a key or a click. So any key or button pressed on the
    // desktop after the popover came back (in it, in another program, on a key another program took
    // for itself), its closing, or the end of that moment ends the guard for good, and a switch after
    // it always closes the popover. Every other showing never takes the keys back.
    void applicationDeactivated();
    // The program is active again. A close that losing activation started and that is still waiting
    // out the grace is dropped: the focus only passed between windows of ours, as it can on a busy
    // desktop while the popover takes it.
    void applicationActivated();

    // The icon was clicked: a pending outside close is dropped. True when one was.
    bool cancelPendingClose();
    bool hasPendingClose() const { return pendingClose_.isPending(); }
    const std::optional<QString>& closeReason() const { return closeReason_; }

    // The player pressed a key or a mouse button in the shown popover.
    void playerTurnedToPopover();
    // A key pressed anywhere on the desktop while the guard watches for one. The key that closed
    // Settings went before the popover came back, and so before the watch began.
    void keyPressed();
    // The popover's window has the keys.
    void popoverHasTheKeys();
    // A tray that draws the game's menu itself is opening it: the press on the icon that asked for it,
    // the keys the menu takes and the presses choosing in it are no leaving the popover, until the
    // program has the keys back or the menu has closed, as with the menu the game draws itself.
    void trayMenuOpening();
    // The tray's menu has closed. Closed with the keys elsewhere, it leaves the loss of them a switch to
    // another app, after the grace: a menu closes before it reports the item chosen in it, and the keys
    // may yet come back to the popover.
    void trayMenuClosed();
    // The popover's show and hide events.
    void popoverDidShow();
    void popoverDidClose();

  private:
    void lookForTheIcon(int tries, bool thenShow);
    void closeForClick(const QString& reason);
    void closeForSwitch(std::optional<bool> waitForIconClick = std::nullopt);
    // Ends the guard for good.
    void endKeysGuard();
    void startClosingOnOutsideClicks();
    void stopClosingOnOutsideClicks();

    Scheduler& scheduler_;
    PopoverSurface& surface_;
    SurfaceCoordinator& coordinator_;
    std::optional<QString> closeReason_;
    bool watching_ = false;
    // The guard of the keys of the popover shown in closed Settings' place: waiting for it to first
    // have the keys (a loss meanwhile is the one Settings' closing brought), then on until guardEnd_.
    enum class KeysGuard { off, waitingForKeys, on };
    KeysGuard keysGuard_ = KeysGuard::off;
    ScheduledWork guardEnd_;
    // How often it has asked for the keys again since it was shown.
    int keyAsks_ = 0;
    // A tray's own menu over the shown popover: opening (the loss of the keys it brings is still to
    // come), or holding the keys until the program has them back or the menu closes.
    enum class TrayMenu { closed, opening, hasTheKeys };
    TrayMenu trayMenu_ = TrayMenu::closed;
    // The program has lost activation and not had it back since.
    bool inactive_ = false;
    ScheduledWork pendingClose_;
    // Whether the pending close was started by losing activation rather than by a click.
    bool pendingCloseIsSwitch_ = false;
    ScheduledWork iconRetry_;
    // Where the last launch check found the icon.
    std::optional<QRect> iconSeenAt_;
    // No tray took the icon within the launch's look for it.
    bool trayMissedTheLaunch_ = false;
    PopoverStanding standing_ = PopoverStanding::underTheIcon;
    ScheduledWork showCheck_;
};
