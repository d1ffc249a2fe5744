// A first launch on a private X display: with no profile the onboarding window comes up, and going
// through it by keys, a click and an arrow key writes the choices and opens the chosen surface.
#include "Desktop.h"

#include "Persistence/Profile.h"

#include <QFile>
#include <QThread>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

const QSize onboardingSize(600, 640);

using OnboardingEndToEnd = DesktopTest;

TEST_F(OnboardingEndToEnd, AFirstLaunchShowsOnboardingAndFinishingOpensTheChosenWindow) {
    GameProcess game(*desktop, home.path());
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=false onboarded=false", 10000))
        << game.lines().join('\n').toStdString();
    const QList<QRect> windows = waitForWindows(onboardingSize);
    ASSERT_EQ(windows.size(), 1) << "the onboarding window at its size";
    const QRect window = windows.front();
    QThread::msleep(1500); // the welcome page's art has come in
    EXPECT_TRUE(desktop->screenshot("xvfb-onboarding", window));

    // A click on an empty spot gives the window the keys; Return twice reaches the choices page.
    ASSERT_TRUE(click(window.topLeft() + QPoint(300, 20)));
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));
    QThread::msleep(400);
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));
    QThread::msleep(1200);
    // The last question's left-hand card, "System Tray", takes the keys; the right arrow moves the
    // answer to "Window", as a radio group's arrow does; then Return starts.
    ASSERT_TRUE(click(window.topLeft() + QPoint(170, 440)));
    QThread::msleep(300);
    ASSERT_TRUE(desktop->xdotool({"key", "Right"}));
    QThread::msleep(300);
    EXPECT_TRUE(desktop->screenshot("xvfb-onboarding-choices", window));
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));

    EXPECT_TRUE(game.waitForLine("finishOnboarding → window", 5000)) << game.lines().join('\n').toStdString();
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
