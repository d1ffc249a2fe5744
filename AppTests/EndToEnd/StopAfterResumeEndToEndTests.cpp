// The real program asked to stop (SIGTERM, as at logout) right after the player resumed a saved
// table: it ends cleanly, and the next start has the table back. Skipped, saying why, when the
// display cannot start.
#include "Desktop.h"

#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Persistence/PersistenceStore.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// An onboarded player who opens the window, with a quick hand saved at their first turn.
void saveAQuickHand(const QString& folder) {
    AppState state{PersistenceStore(folder)};
    state.completeOnboarding();
    state.setLaunchSurface(LaunchSurface::window);
    ControllerHarness harness;
    harness.controller.setSession(&state);
    harness.controller.start(
        GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), 20261209, 3}));
    for (int step = 0, hands = 0; step < 20 && !harness.controller.isHeroTurn(); ++step) {
        harness.stepOnce(checkOrCall, hands);
    }
}

using StopAfterResume = DesktopTest;

TEST_F(StopAfterResume, ATerminateRightAfterResumeEndsCleanlyAndTheTableComesBack) {
    const QString folder = dataFolder(home.path());
    saveAQuickHand(folder);
    const PersistenceStore store(folder);
    ASSERT_TRUE(store.readSavedGame().isLoaded());

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        GameProcess game(*desktop, home.path());
        ASSERT_TRUE(game.waitForLine("launch: atLogin=false onboarded=true opensIn=window"))
            << game.output().toStdString();
        const QList<QRect> windows = waitForWindows(windowSize);
        ASSERT_EQ(windows.size(), 1);
        QThread::msleep(800);
        const QRect window = windows.front();
        // A click on the header gives the window the keys; Return is the resume card's button.
        click({window.center().x(), window.top() + 12});
        desktop->xdotool({"key", "Return"});
        ASSERT_TRUE(waitUntil([&] { return store.hasResumeMark(); }, 5000)) << "the saved table was resumed";
        game.terminate();
        EXPECT_EQ(game.waitForExit(10000), 0) << game.output().toStdString();
        EXPECT_FALSE(store.hasResumeMark());
        EXPECT_TRUE(store.readSavedGame().isLoaded()) << "the table is still saved";
        const QStringList names = QDir(folder).entryList(QDir::Files);
        EXPECT_TRUE(names.filter("unreadable").isEmpty()) << names.join(", ").toStdString();
    }
}

} // namespace
