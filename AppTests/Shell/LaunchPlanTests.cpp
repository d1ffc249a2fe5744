// What the launch shows, when it came at login and under a test host.
#include "LaunchPlan.h"

#include <gtest/gtest.h>

namespace {

LaunchFacts onboarded(LaunchSurface surface = LaunchSurface::menuBar) {
    LaunchFacts facts;
    facts.onboarded = true;
    facts.launchSurface = surface;
    return facts;
}

TEST(LaunchPlan, AnOrdinaryStartShowsTheChosenSurface) {
    EXPECT_EQ(planLaunch(onboarded()), (LaunchPlan{true, false, LaunchSurface::menuBar}));
    EXPECT_EQ(planLaunch(onboarded(LaunchSurface::window)).shows, LaunchSurface::window);
}

TEST(LaunchPlan, AStartAtLoginShowsNothing) {
    LaunchFacts facts = onboarded(LaunchSurface::window);
    facts.atLogin = true;
    EXPECT_EQ(planLaunch(facts), (LaunchPlan{true, false, std::nullopt}));
}

TEST(LaunchPlan, AFirstStartOpensOnboardingAndNothingElse) {
    LaunchFacts facts;
    EXPECT_EQ(planLaunch(facts), (LaunchPlan{true, true, std::nullopt}));
}

TEST(LaunchPlan, ATestHostShowsOnlyTheSurfaceItNames) {
    LaunchFacts facts;
    facts.testHost = true;
    facts.testHostWithoutUI = true;
    EXPECT_EQ(planLaunch(facts), (LaunchPlan{false, false, std::nullopt}));
    facts.forcedSurface = "window";
    EXPECT_EQ(planLaunch(facts).shows, LaunchSurface::window);
    facts.forcedSurface = "menuBar";
    facts.atLogin = true;
    EXPECT_EQ(planLaunch(facts).shows, LaunchSurface::menuBar);
    facts.forcedSurface = "popover";
    EXPECT_EQ(planLaunch(facts).shows, std::nullopt);
}

TEST(LaunchPlan, ForcingASurfaceOutsideATestHostDoesNothing) {
    LaunchFacts facts = onboarded();
    facts.forcedSurface = "window";
    EXPECT_EQ(planLaunch(facts).shows, LaunchSurface::menuBar);
}

TEST(LaunchPlan, TheLoginArgumentIsRecognisedOnlyAsAnArgument) {
    EXPECT_TRUE(launchedAtLogin({"chipwhistle", "--launched-at-login"}));
    EXPECT_FALSE(launchedAtLogin({"--launched-at-login"})) << "the program's own name";
    EXPECT_FALSE(launchedAtLogin({"chipwhistle", "--launched-at-login=1"}));
}

TEST(LaunchPlan, TheLogLineSaysWhatTheLaunchKnew) {
    LaunchFacts facts = onboarded(LaunchSurface::window);
    facts.atLogin = true;
    EXPECT_EQ(launchLogLine(facts), "launch: atLogin=true onboarded=true opensIn=window");
    EXPECT_EQ(launchLogLine(LaunchFacts{}), "launch: atLogin=false onboarded=false opensIn=menuBar");
}

} // namespace
