#include "OwnWindows.h"

bool OwnWindows::anyOnScreen() const {
    for (const WindowPresence presence : {table, settings, onboarding}) {
        if (presence == WindowPresence::onScreen) {
            return true;
        }
    }
    return false;
}

ReopenAction reopenAction(const OwnWindows& windows, bool popoverShown, bool onboarded,
                          LaunchSurface surface) {
    if (popoverShown) {
        return ReopenAction::nothing;
    }
    if (windows.onboarding != WindowPresence::closed) {
        return ReopenAction::showOnboarding;
    }
    if (windows.table != WindowPresence::closed) {
        return ReopenAction::focusTableWindow;
    }
    if (windows.settings != WindowPresence::closed) {
        return ReopenAction::focusSettings;
    }
    if (!onboarded) {
        return ReopenAction::showOnboarding;
    }
    return surface == LaunchSurface::window ? ReopenAction::openWindow : ReopenAction::showPopover;
}

ActivationRequest activationRequest(std::optional<std::uint32_t> windowDesktop,
                                    std::optional<std::uint32_t> currentDesktop, std::uint32_t serverTime) {
    ActivationRequest request;
    request.timestamp = serverTime;
    if (windowDesktop && currentDesktop && *windowDesktop != *currentDesktop &&
        *windowDesktop != allDesktops) {
        request.moveToDesktop = *currentDesktop;
    }
    return request;
}
