#pragma once

#include <QString>

#include <functional>

// Whether the program shows as a regular application (with a task-bar entry of its own) or only in
// the tray. Linux desktops have no such switch; the host keeps the request and logs it.
enum class ActivationPolicy { regular, accessory };

// Why the popover is shown.
enum class PopoverShowing {
    // Asked for: a click on the icon, the shortcut, the launch, a second start, the tray's menu.
    asked,
    // Coming back in the place of Settings that closed, which had taken the popover's place.
    inPlaceOfSettings,
};

// How the popover stands on the desktop.
enum class PopoverStanding {
    // Under the tray icon, above every window and out of the desktop's window list: it closes as the
    // player turns elsewhere, and the icon brings it back.
    underTheIcon,
    // Where no tray holds the icon there is nothing to bring it back from: it stands as a window of its
    // own, listed in the desktop's window list and task switcher, stacked as any other, and stays open
    // while the player is elsewhere.
    onItsOwn,
};

// What the surface coordinator asks of the desktop side. MenuBarHost carries it out with real windows;
// tests record the calls. Every operation runs on the GUI thread.
class SurfaceHost {
  public:
    virtual ~SurfaceHost() = default;

    // Activates the program and asks for the table window; it reports itself later through
    // SurfaceCoordinator::windowDidOpen(). False when the window could not be asked for.
    virtual bool openWindow() = 0;
    // Brings the open table window to the front (restoring it when minimized).
    virtual void focusWindow() = 0;
    // Shows the popover under the tray icon; true when it is on screen afterwards.
    virtual bool showPopover(PopoverShowing showing) = 0;
    // Closes the popover, recording why for the log.
    virtual void closePopover(const QString& reason) = 0;
    // Whether the popover is on screen now, which can be true before popoverDidShow() arrives.
    virtual bool isPopoverShown() const = 0;
    // Closes the table window as its close button would. False when there is no window object.
    virtual bool closeTableWindow() = 0;
    virtual void setActivationPolicy(ActivationPolicy policy) = 0;
    // Raises the program above the application the player was in.
    virtual void activateApplication() = 0;
    // Runs `work` once, after the event being handled now.
    virtual void afterCurrentEvent(std::function<void()> work) = 0;
};
