#pragma once

#include "Persistence/LaunchSurface.h"
#include "Style/TableSurface.h"
#include "SurfaceHost.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class GameController;

// The shell's one decision maker: knows which surface shows the table (the popover, the window, or
// one on its way), whether Settings or onboarding is open, and from that decides where a tray click
// goes, how the table moves between popover and window, whether a task-bar entry shows, and whether
// the game runs: while no surface shows the table it is paused as hidden.
//
// It does no window work itself: it asks the host (held as a plain pointer; the host owns the
// coordinator and clears the pointer before it goes) and the host reports the real events back.
// Lives on the GUI thread; every property signals only when its value really changes.
class SurfaceCoordinator final : public QObject {
    Q_OBJECT

  public:
    explicit SurfaceCoordinator(GameController& controller, QObject* parent = nullptr);

    void setHost(SurfaceHost* host) { host_ = host; }
    SurfaceHost* host() const { return host_; }
    GameController& controller() const { return controller_; }

    bool popoverShown() const { return popoverShown_; }
    bool windowOpen() const { return windowOpen_; }
    bool windowMinimized() const { return windowMinimized_; }
    // Set by the host when the table window is minimized or restored; update() follows.
    void setWindowMinimized(bool minimized);
    // The table screen shows its leave confirmation; the screen clears it from its buttons.
    bool isConfirmingLeave() const { return isConfirmingLeave_; }
    void setConfirmingLeave(bool confirming);
    // The popover is to take over from a closing window or a finished onboarding; the table counts
    // as visible meanwhile.
    bool isHandingOverToPopover() const { return isHandingOverToPopover_; }
    // The last activation policy asked of the host: true for regular.
    bool showsDockIcon() const { return showsDockIcon_; }
    // The table window has been asked for and has not appeared yet.
    bool isOpeningWindow() const { return isOpeningWindow_; }
    bool isOnboardingOpen() const { return isOnboardingOpen_; }
    void setOnboardingOpen(bool open);
    bool isSettingsOpen() const { return isSettingsOpen_; }
    void setSettingsOpen(bool open);
    // Which surface a tray click opens while neither is up; mirrors the launch-surface setting.
    LaunchSurface iconOpens() const { return iconOpens_; }
    void setIconOpens(LaunchSurface surface) { iconOpens_ = surface; }

    // The popover, a hand-over to it, or an unminimized window shows the table.
    bool tableVisible() const;

    // Requests.
    void statusItemClicked();
    void expandToWindow();
    void collapseToPopover();
    // `open` opens the Settings window; it runs after the current event even if the coordinator is gone.
    // Settings that closed the popover hand the table back to it when they close: with the tray out of
    // the keyboard's reach, nothing else would bring a keyboard player back to their table.
    void openSettings(TableSurface from, std::function<void()> open);
    void settingsDidClose();
    void requestLeave();
    // A table left before its end is told to the reader once, by whichever of the surfaces' screens
    // claims it first, whether its surface is up or was put away (Settings opened over the popover):
    // true for the first claim of `table`, a table generation.
    bool claimLeaveNotice(std::uint64_t table);
    void finishOnboarding(LaunchSurface openIn);

    // Surface events reported by the host.
    void popoverDidShow();
    void popoverDidClose();
    void windowDidOpen();
    void windowDidClose();
    void onboardingDidClose();

    // Pauses the game as hidden while no surface shows the table, resumes it when one does, and
    // reports the settled visibility.
    void update();
    // Shows or hides the task-bar entry; it stays while Settings or onboarding is open.
    void setDockIcon(bool show);

  signals:
    void popoverShownChanged();
    void windowOpenChanged();
    void windowMinimizedChanged();
    void isConfirmingLeaveChanged();
    void isHandingOverToPopoverChanged();
    void showsDockIconChanged();
    void isOpeningWindowChanged();
    void isOnboardingOpenChanged();
    void isSettingsOpenChanged();
    // After every update(): whether a table surface is on screen (the sound player listens).
    void visibilitySettled(bool visible);

  private:
    void showPopoverAfterHandover();
    void handOverToPopover();
    void askForWindow();
    void focusOrOpenWindow();
    bool popoverIsUp() const;
    bool keepsDockIcon() const;
    void setBool(bool& field, bool value, void (SurfaceCoordinator::*changed)());
    void setPopoverShown(bool on) { setBool(popoverShown_, on, &SurfaceCoordinator::popoverShownChanged); }
    void setWindowOpen(bool on) { setBool(windowOpen_, on, &SurfaceCoordinator::windowOpenChanged); }
    void setHandingOver(bool on) {
        setBool(isHandingOverToPopover_, on, &SurfaceCoordinator::isHandingOverToPopoverChanged);
    }
    void setOpeningWindow(bool on) {
        setBool(isOpeningWindow_, on, &SurfaceCoordinator::isOpeningWindowChanged);
    }

    bool popoverShown_ = false;
    bool windowOpen_ = false;
    bool windowMinimized_ = false;
    bool isConfirmingLeave_ = false;
    bool isHandingOverToPopover_ = false;
    bool showsDockIcon_ = false;
    bool isOpeningWindow_ = false;
    bool isOnboardingOpen_ = false;
    bool isSettingsOpen_ = false;
    // The open Settings closed the popover, which comes back when they close.
    bool settingsLeftPopover_ = false;
    // The hand-over under way brings the popover back in the place of closed Settings.
    bool handingOverFromSettings_ = false;
    // The last table whose early end was told.
    std::optional<std::uint64_t> leaveTold_;
    GameController& controller_;
    SurfaceHost* host_ = nullptr;
    LaunchSurface iconOpens_ = LaunchSurface::menuBar;
    bool updating_ = false;
    bool updateAgain_ = false;
};
