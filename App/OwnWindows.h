#pragma once

#include "Persistence/LaunchSurface.h"

#include <cstdint>
#include <optional>

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
    // The popover is up: in front of everything already, or, standing on its own where there is no
    // tray, brought forward by the popover's presentation.
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

// What the window manager is asked so that one of the game's windows comes forward with the keys, as
// a task bar asks it. A manager that prevents focus stealing only flags a window on another workspace,
// or one asked for without a time, as wanting attention.
struct ActivationRequest {
    // The workspace the window moves to first, the one the player is on; none when it is there
    // already, shows on every workspace, or the manager keeps no workspaces.
    std::optional<std::uint32_t> moveToDesktop;
    // When the player asked, in the X server's clock; 0 (the current time) when the clock could not
    // be read.
    std::uint32_t timestamp = 0;
    bool operator==(const ActivationRequest&) const = default;
};

// The workspace a window shows on in every workspace.
inline constexpr std::uint32_t allDesktops = 0xFFFFFFFF;

// `windowDesktop` and `currentDesktop` as the manager publishes them (none where it does not);
// `serverTime` the X server's time now, 0 when unknown.
ActivationRequest activationRequest(std::optional<std::uint32_t> windowDesktop,
                                    std::optional<std::uint32_t> currentDesktop, std::uint32_t serverTime);
