// What a second start brings forward, and which of the game's windows can take the focus back.
#include "OwnWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr auto closed = WindowPresence::closed;
constexpr auto minimized = WindowPresence::minimized;
constexpr auto onScreen = WindowPresence::onScreen;

TEST(Reopen, BringsTheOpenWindowForwardOrOpensTheChosenSurface) {
    struct Row {
        OwnWindows windows;
        bool popoverShown;
        bool onboarded;
        LaunchSurface surface;
        ReopenAction expected;
    };
    const Row rows[] = {
        // The popover is in front of everything already.
        {{}, true, false, LaunchSurface::window, ReopenAction::nothing},
        {{onScreen, closed, closed}, true, true, LaunchSurface::window, ReopenAction::nothing},
        // An open window comes forward, whether another program covers it or it is minimised.
        {{onScreen, closed, closed}, false, true, LaunchSurface::menuBar, ReopenAction::focusTableWindow},
        {{minimized, closed, closed}, false, true, LaunchSurface::menuBar, ReopenAction::focusTableWindow},
        {{minimized, onScreen, closed}, false, true, LaunchSurface::window, ReopenAction::focusTableWindow},
        {{closed, minimized, closed}, false, true, LaunchSurface::menuBar, ReopenAction::focusSettings},
        {{closed, closed, minimized}, false, false, LaunchSurface::menuBar, ReopenAction::showOnboarding},
        {{closed, onScreen, onScreen}, false, false, LaunchSurface::window, ReopenAction::showOnboarding},
        // Nothing open: the chosen surface, or the first-run window.
        {{}, false, true, LaunchSurface::window, ReopenAction::openWindow},
        {{}, false, true, LaunchSurface::menuBar, ReopenAction::showPopover},
        {{}, false, false, LaunchSurface::menuBar, ReopenAction::showOnboarding},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(reopenAction(row.windows, row.popoverShown, row.onboarded, row.surface), row.expected)
            << "row " << (&row - rows);
    }
}

TEST(OwnWindows, OnlyAWindowOnScreenCountsAsShowing) {
    EXPECT_FALSE(OwnWindows{}.anyOnScreen());
    EXPECT_FALSE((OwnWindows{minimized, minimized, minimized}.anyOnScreen()));
    EXPECT_TRUE((OwnWindows{closed, closed, onScreen}.anyOnScreen()));
    EXPECT_TRUE((OwnWindows{minimized, onScreen, closed}.anyOnScreen()));
}

} // namespace
