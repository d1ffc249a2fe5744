// Where a click takes the player, the hand-over between window and popover, the task-bar entry rule,
// pausing while hidden and the leave rule, against a host that records every request.
#include "FakeSurfaceHost.h"
#include "Game/ControllerHarness.h"

#include "Game/BotSeating.h"
#include "SurfaceCoordinator.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

struct CoordinatorTest : ::testing::Test {
    CoordinatorTest() {
        const std::uint64_t seed = 7;
        harness.controller.start(GameSetup::quickHand(
            QuickHandSetup{BotKit::BotProfile::standard(BotKit::BotTier::easy), seed, 3}));
    }

    bool pausedHidden() const { return harness.controller.pauseReasons().contains(PauseReason::hidden); }
    void openWindowSurface() {
        coordinator.expandToWindow();
        coordinator.windowDidOpen();
        host.calls.clear();
        host.policies.clear();
    }

    ControllerHarness harness;
    SurfaceCoordinator coordinator{harness.controller};
    FakeSurfaceHost host{coordinator};
};

TEST_F(CoordinatorTest, StartsWithEverySurfaceClosedAndTouchesNothing) {
    EXPECT_FALSE(coordinator.tableVisible());
    EXPECT_FALSE(coordinator.showsDockIcon());
    EXPECT_EQ(coordinator.iconOpens(), LaunchSurface::menuBar);
    EXPECT_TRUE(harness.controller.pauseReasons().empty());
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(CoordinatorTest, MenuBarUseResumesWhileShownAndPausesWhenClosedWithoutATaskBarEntry) {
    coordinator.statusItemClicked();
    EXPECT_EQ(host.calls, QStringList{"showPopover"});
    EXPECT_TRUE(coordinator.popoverShown());
    EXPECT_FALSE(pausedHidden());

    coordinator.statusItemClicked();
    EXPECT_EQ(host.calls.last(), "closePopover toggle");
    EXPECT_FALSE(coordinator.popoverShown());
    EXPECT_TRUE(pausedHidden());

    coordinator.statusItemClicked();
    EXPECT_FALSE(pausedHidden());
    EXPECT_TRUE(host.policies.empty());
    EXPECT_FALSE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, ClickWhileThePopoverIsUpButNotYetReportedStillCloses) {
    host.reportsPopoverShow = false;
    coordinator.statusItemClicked();
    EXPECT_FALSE(coordinator.popoverShown());
    ASSERT_TRUE(host.popoverUp);
    coordinator.statusItemClicked();
    EXPECT_EQ(host.calls.last(), "closePopover toggle");
}

TEST_F(CoordinatorTest, ClickWhileTheWindowIsOpenFocusesItWhateverTheIconOpens) {
    for (const LaunchSurface opens : allLaunchSurfaces) {
        coordinator.setIconOpens(LaunchSurface::window);
        openWindowSurface();
        coordinator.setIconOpens(opens);
        coordinator.statusItemClicked();
        EXPECT_EQ(host.calls, QStringList{"focusWindow"});
        coordinator.windowDidClose();
    }
}

TEST_F(CoordinatorTest, ClickOpensTheWindowWhenTheSettingSaysSo) {
    coordinator.setIconOpens(LaunchSurface::window);
    coordinator.statusItemClicked();
    EXPECT_EQ(host.calls, QStringList{"openWindow"});
    EXPECT_TRUE(coordinator.isOpeningWindow());

    coordinator.windowDidOpen();
    EXPECT_FALSE(coordinator.isOpeningWindow());
    EXPECT_TRUE(coordinator.windowOpen());
    EXPECT_TRUE(coordinator.showsDockIcon());
    EXPECT_EQ(host.policies, std::vector{ActivationPolicy::regular});
    EXPECT_FALSE(pausedHidden());
}

TEST_F(CoordinatorTest, AWindowThatCannotBeAskedForEndsTheOpening) {
    coordinator.setIconOpens(LaunchSurface::window);
    host.opensWindow = false;
    coordinator.statusItemClicked();
    EXPECT_FALSE(coordinator.isOpeningWindow());

    coordinator.setHost(nullptr);
    coordinator.expandToWindow();
    EXPECT_FALSE(coordinator.isOpeningWindow());
    coordinator.setHost(&host);
}

TEST_F(CoordinatorTest, ExpandAsksForTheWindowFirstAndKeepsTheTaskBarStateWhileItOpens) {
    coordinator.statusItemClicked();
    host.calls.clear();

    coordinator.expandToWindow();
    EXPECT_EQ(host.calls, (QStringList{"openWindow", "closePopover expand to window"}));
    EXPECT_TRUE(coordinator.isOpeningWindow());
    EXPECT_TRUE(host.policies.empty());
    EXPECT_TRUE(pausedHidden()) << "between the popover's close and the window the table is hidden";

    coordinator.windowDidOpen();
    EXPECT_TRUE(coordinator.showsDockIcon());
    EXPECT_FALSE(pausedHidden());
}

TEST_F(CoordinatorTest, ExpandWithTheWindowOpenFocusesIt) {
    openWindowSurface();
    coordinator.expandToWindow();
    EXPECT_EQ(host.calls, (QStringList{"focusWindow", "closePopover expand to window"}));
    EXPECT_FALSE(coordinator.isOpeningWindow());
}

TEST_F(CoordinatorTest, CollapseWithoutAWindowJustShowsThePopover) {
    coordinator.collapseToPopover();
    EXPECT_EQ(host.calls, QStringList{"showPopover"});
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
}

TEST_F(CoordinatorTest, CollapseHandsTheTableOverWithoutEverPausingIt) {
    openWindowSurface();
    int pauses = 0;
    QObject::connect(&harness.controller, &GameController::pauseReasonsChanged, [&] { ++pauses; });

    coordinator.collapseToPopover();
    EXPECT_EQ(host.calls, QStringList{"closeTableWindow"});
    EXPECT_FALSE(coordinator.windowOpen());
    EXPECT_TRUE(coordinator.isHandingOverToPopover());
    EXPECT_TRUE(coordinator.tableVisible());

    host.runPosted();
    EXPECT_TRUE(coordinator.popoverShown());
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
    EXPECT_EQ(pauses, 0);
    EXPECT_TRUE(coordinator.showsDockIcon()) << "the entry stays until the popover closes";

    coordinator.statusItemClicked();
    EXPECT_FALSE(coordinator.showsDockIcon());
    EXPECT_EQ(host.policies.back(), ActivationPolicy::accessory);
}

TEST_F(CoordinatorTest, CollapseWithNoWindowObjectLeftShowsThePopoverDirectly) {
    openWindowSurface();
    host.hasWindowObject = false;
    coordinator.collapseToPopover();
    EXPECT_EQ(host.calls, (QStringList{"closeTableWindow", "showPopover"}));
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
    EXPECT_TRUE(coordinator.popoverShown());
}

TEST_F(CoordinatorTest, AHandOverWhosePopoverCannotShowHidesTheTable) {
    openWindowSurface();
    host.popoverCanShow = false;
    coordinator.collapseToPopover();
    host.runPosted();
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
    EXPECT_FALSE(coordinator.showsDockIcon());
    EXPECT_TRUE(pausedHidden());
}

TEST_F(CoordinatorTest, MinimizingPausesRestoringResumesAndClosingClearsTheMinimizedFlag) {
    openWindowSurface();
    coordinator.setWindowMinimized(true);
    coordinator.update();
    EXPECT_TRUE(pausedHidden());
    coordinator.setWindowMinimized(false);
    coordinator.update();
    EXPECT_FALSE(pausedHidden());

    coordinator.setWindowMinimized(true);
    coordinator.windowDidClose();
    EXPECT_FALSE(coordinator.windowMinimized());
    EXPECT_FALSE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, RepeatedEventsChangeNothing) {
    openWindowSurface();
    coordinator.windowDidOpen();
    EXPECT_TRUE(host.policies.empty());
    coordinator.windowDidClose();
    host.policies.clear();
    coordinator.windowDidClose();
    coordinator.onboardingDidClose();
    EXPECT_TRUE(host.policies.empty());
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(CoordinatorTest, SettingsKeepAnExistingTaskBarEntryAndTakeItAwayWhenClosed) {
    openWindowSurface();
    coordinator.openSettings(TableSurface::window, [] {});
    coordinator.windowDidClose();
    EXPECT_TRUE(coordinator.showsDockIcon());
    coordinator.settingsDidClose();
    EXPECT_FALSE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, SettingsFromThePopoverCloseItAndBringItBackWhenClosedNeverAddingATaskBarEntry) {
    coordinator.statusItemClicked();
    int opened = 0;
    coordinator.openSettings(TableSurface::popover, [&] { ++opened; });
    EXPECT_EQ(host.calls.last(), "closePopover Settings");
    EXPECT_TRUE(coordinator.isSettingsOpen());
    EXPECT_EQ(opened, 0) << "Settings open after the current event";
    host.runPosted();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(host.calls.last(), "activate");
    EXPECT_TRUE(pausedHidden());
    // Closed, Settings hand the table back to the popover once they have gone; the game waits for it.
    coordinator.settingsDidClose();
    EXPECT_FALSE(host.popoverUp);
    EXPECT_TRUE(pausedHidden());
    host.runPosted();
    EXPECT_TRUE(host.popoverUp);
    EXPECT_EQ(host.calls.last(), "showPopover in place of Settings");
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
    EXPECT_FALSE(pausedHidden());
    EXPECT_TRUE(host.policies.empty());

    // Nothing comes back where Settings closed no popover, or where the table went to the window meanwhile.
    const std::tuple<const char*, std::function<void()>, std::function<void()>> rows[] = {
        {"opened with the popover away", [&] { host.closePopover("toggle"); }, [] {}},
        {"the window opened meanwhile", [] {}, [&] { coordinator.expandToWindow(); }},
    };
    for (const auto& [row, beforeOpening, whileOpen] : rows) {
        host.showPopover(PopoverShowing::asked);
        beforeOpening();
        coordinator.openSettings(TableSurface::popover, [] {});
        whileOpen();
        host.runPosted();
        host.calls.clear();
        coordinator.settingsDidClose();
        host.runPosted();
        EXPECT_FALSE(host.calls.contains("showPopover")) << row;
        EXPECT_FALSE(host.popoverUp) << row;
    }
}

TEST_F(CoordinatorTest, SettingsFromTheWindowLeaveThePopoverAloneAndOpenEvenWhenTheCoordinatorIsGone) {
    auto own = std::make_unique<SurfaceCoordinator>(harness.controller);
    FakeSurfaceHost ownHost(*own);
    own->statusItemClicked();
    int opened = 0;
    own->openSettings(TableSurface::window, [&] { ++opened; });
    EXPECT_TRUE(ownHost.popoverUp);
    own.reset();
    ownHost.runPosted();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(ownHost.calls.contains("activate"));
}

TEST_F(CoordinatorTest, LeavingWithoutAForfeitLeavesAtOnce) {
    harness.controller.start(
        GameSetup::practice(PracticeSetup{BotKit::BotProfile::standard(BotKit::BotTier::easy)}));
    ASSERT_EQ(harness.controller.leaveForfeit(), 0);
    coordinator.requestLeave();
    EXPECT_FALSE(coordinator.isConfirmingLeave());
    EXPECT_FALSE(harness.controller.hasTable());
}

TEST_F(CoordinatorTest, LeavingAtACostAsksFirst) {
    const std::uint64_t seed = 9;
    harness.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
    ASSERT_GE(harness.controller.leaveForfeit(), 1);
    coordinator.requestLeave();
    EXPECT_TRUE(coordinator.isConfirmingLeave());
    EXPECT_TRUE(harness.controller.hasTable());
}

TEST_F(CoordinatorTest, OnboardingFinishedForTheMenuBarHandsOverToThePopoverOnceItCloses) {
    coordinator.setOnboardingOpen(true);
    coordinator.setDockIcon(true);
    coordinator.finishOnboarding(LaunchSurface::menuBar);
    EXPECT_TRUE(coordinator.isHandingOverToPopover());
    EXPECT_TRUE(host.calls.filter("Popover").isEmpty());

    coordinator.onboardingDidClose();
    EXPECT_FALSE(coordinator.isOnboardingOpen());
    host.runPosted();
    EXPECT_TRUE(coordinator.popoverShown());
    EXPECT_TRUE(coordinator.showsDockIcon());
    coordinator.statusItemClicked();
    EXPECT_FALSE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, OnboardingFinishedForTheWindowOpensItAndKeepsTheEntry) {
    coordinator.setOnboardingOpen(true);
    coordinator.setDockIcon(true);
    host.calls.clear();
    coordinator.finishOnboarding(LaunchSurface::window);
    EXPECT_EQ(host.calls, QStringList{"openWindow"});
    coordinator.onboardingDidClose();
    EXPECT_TRUE(coordinator.showsDockIcon()) << "the window is on its way";
    coordinator.windowDidOpen();
    EXPECT_TRUE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, OnboardingClosedWithoutFinishingTakesTheEntryAway) {
    coordinator.setOnboardingOpen(true);
    coordinator.setDockIcon(true);
    coordinator.setDockIcon(false);
    EXPECT_TRUE(coordinator.showsDockIcon()) << "refused while onboarding is open";
    coordinator.onboardingDidClose();
    EXPECT_FALSE(coordinator.showsDockIcon());
}

TEST_F(CoordinatorTest, EveryUpdateReportsTheSettledVisibility) {
    std::vector<bool> settled;
    QObject::connect(&coordinator, &SurfaceCoordinator::visibilitySettled,
                     [&](bool visible) { settled.push_back(visible); });
    coordinator.statusItemClicked();
    coordinator.statusItemClicked();
    EXPECT_EQ(settled, (std::vector{true, false}));
}

TEST_F(CoordinatorTest, AnUpdateEndsWhateverItsSlotsDoToTheSurfaces) {
    // A listener that flips the popover on every pause change would keep an unbounded loop going.
    QObject::connect(&harness.controller, &GameController::pauseReasonsChanged, &coordinator, [this] {
        if (coordinator.popoverShown()) {
            coordinator.popoverDidClose();
        } else {
            coordinator.popoverDidShow();
        }
    });
    std::vector<bool> settled;
    QObject::connect(&coordinator, &SurfaceCoordinator::visibilitySettled,
                     [&](bool visible) { settled.push_back(visible); });
    coordinator.update();
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled.front(), !pausedHidden()) << "the value reported is the one applied";
}

TEST_F(CoordinatorTest, WithoutAHostFlagsStillChange) {
    coordinator.setHost(nullptr);
    coordinator.statusItemClicked();
    coordinator.popoverDidShow();
    coordinator.statusItemClicked();
    coordinator.openSettings(TableSurface::popover, [] { FAIL() << "nothing can open Settings"; });
    coordinator.windowDidOpen();
    EXPECT_TRUE(coordinator.showsDockIcon());
    coordinator.collapseToPopover();
    EXPECT_FALSE(coordinator.isHandingOverToPopover());
    coordinator.setHost(&host);
}

} // namespace
