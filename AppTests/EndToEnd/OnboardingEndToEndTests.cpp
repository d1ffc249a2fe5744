// A first launch on a private X display: with no profile the onboarding window comes up, and going
// through it by keys, a click and an arrow key writes the choices and opens the chosen surface.
#include "Desktop.h"

#include "Persistence/Profile.h"

#include <QFile>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

using OnboardingEndToEnd = DesktopTest;

TEST_F(OnboardingEndToEnd, AFirstLaunchShowsOnboardingAndFinishingOpensTheChosenWindow) {
    GameProcess game(*desktop, home.path());
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=false onboarded=false"))
        << game.lines().join('\n').toStdString();
    ASSERT_TRUE(goThroughOnboarding(game, [](const QString& page, QRect window) {
        EXPECT_TRUE(
            desktop->screenshot(page == "welcome" ? "xvfb-onboarding" : "xvfb-onboarding-choices", window));
    }));
    EXPECT_TRUE(game.waitForLine("openWindow", 5000));
    EXPECT_EQ(waitForWindows(windowSize).size(), 1) << "the table window opened";

    QFile file(dataFolder(home.path()) + "/profile.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Profile profile = nlohmann::json::parse(file.readAll().toStdString()).get<Profile>();
    EXPECT_TRUE(profile.onboarded);
    EXPECT_EQ(profile.bankroll, 10000);
    EXPECT_EQ(profile.settings.launchSurface, LaunchSurface::window);
    game.kill();
}

} // namespace
