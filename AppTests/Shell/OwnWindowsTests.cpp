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

TEST(Reopen, MovesTheWindowToThePlayersWorkspaceAndAsksWithTheServerTime) {
    struct Row {
        std::optional<std::uint32_t> windowDesktop;
        std::optional<std::uint32_t> currentDesktop;
        std::uint32_t serverTime;
        ActivationRequest expected;
    };
    const Row rows[] = {
        {0, 0, 5000, {std::nullopt, 5000}},
        {2, 0, 5000, {0, 5000}},
        {0, 3, 77, {3, 77}},
        // Shown on every workspace, it needs no move.
        {allDesktops, 1, 77, {std::nullopt, 77}},
        // A manager without workspaces, or a window it has not placed on one.
        {std::nullopt, 1, 77, {std::nullopt, 77}},
        {1, std::nullopt, 77, {std::nullopt, 77}},
        // The clock could not be read: the current time, as an old client asks.
        {1, 0, 0, {0, 0}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(activationRequest(row.windowDesktop, row.currentDesktop, row.serverTime), row.expected)
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
