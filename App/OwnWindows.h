#pragma once

#include "Persistence/LaunchSurface.h"

// How one of the game's own windows (the table window, Settings, the first-run window) stands on the
// desktop.
enum class WindowPresence { closed, minimized, onScreen };

// The game's own windows as the host finds them.
struct OwnWindows {
    WindowPresence table = WindowPresence::closed;
    WindowPresence settings = WindowPresence::closed;
    WindowPresence onboarding = WindowPresence::closed;

    // Whether one of them is on screen, where it can take the focus. A minimised window is still open
    // but shows the player nothing.
    bool anyOnScreen() const;
};

// What a second start of the program asks the running one to bring forward.
enum class ReopenAction {
    // The popover is up, in front of everything already.
    nothing,
    openWindow,
    showPopover,
    showOnboarding,
    // An open window, covered by another program's or minimised, comes back in front with the keys.
    focusTableWindow,
    focusSettings,
};

// The window that is open comes forward, restored when minimised: the first-run window before the
// table window, the table before Settings. With none open the chosen surface opens, or the first-run
// window before the player has been through it.
ReopenAction reopenAction(const OwnWindows& windows, bool popoverShown, bool onboarded,
                          LaunchSurface surface);
