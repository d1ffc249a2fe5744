// A first launch on a private X display: with no profile the onboarding window comes up, and going
// through it by keys and a click writes the choices and opens the chosen surface.
#include "Desktop.h"

#include "Persistence/Profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

const QSize onboardingSize(600, 640);

QList<QRect> waitForWindows(const Desktop& desktop, QSize size) {
    for (int i = 0; i < 200 && desktop.windows(size).isEmpty(); ++i)
        QThread::msleep(50);
    return desktop.windows(size);
}

} // namespace

TEST(OnboardingEndToEnd, AFirstLaunchShowsOnboardingAndFinishingOpensTheChosenWindow) {
    QString whyNot;
    const std::unique_ptr<Desktop> desktop = Desktop::start(whyNot);
    if (!desktop)
        GTEST_SKIP() << whyNot.toStdString();
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());

    GameProcess game(*desktop, home.path());
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=false onboarded=false", 10000))
        << game.lines().join('\n').toStdString();
    const QList<QRect> windows = waitForWindows(*desktop, onboardingSize);
    ASSERT_EQ(windows.size(), 1) << "the onboarding window at its size";
    const QRect window = windows.front();
    QThread::msleep(1500); // the welcome page's art has come in
    EXPECT_TRUE(desktop->screenshot("xvfb-onboarding", window));

    const auto at = [&](int x, int y) {
        return QStringList{"mousemove", QString::number(window.left() + x), QString::number(window.top() + y),
                           "click", "1"};
    };
    // A click on an empty spot gives the window the keys; Return twice reaches the choices page.
    ASSERT_TRUE(desktop->xdotool(at(300, 20)));
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));
    QThread::msleep(400);
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));
    QThread::msleep(1200);
    // "Window", the right-hand card of the last question, then Return starts.
    ASSERT_TRUE(desktop->xdotool(at(430, 440)));
    QThread::msleep(300);
    ASSERT_TRUE(desktop->xdotool({"key", "Return"}));

    EXPECT_TRUE(game.waitForLine("finishOnboarding → window", 5000)) << game.lines().join('\n').toStdString();
    EXPECT_TRUE(game.waitForLine("openWindow", 5000));
    EXPECT_EQ(waitForWindows(*desktop, {1100, 750}).size(), 1) << "the table window opened";

    QFile file(dataFolder(home.path()) + "/profile.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Profile profile = nlohmann::json::parse(file.readAll().toStdString()).get<Profile>();
    EXPECT_TRUE(profile.onboarded);
    EXPECT_EQ(profile.bankroll, 10000);
    EXPECT_EQ(profile.settings.launchSurface, LaunchSurface::window);
    game.kill();
}
