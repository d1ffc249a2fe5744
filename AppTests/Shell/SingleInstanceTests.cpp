// One program per user: a second start hands over to the first and asks it to reopen.
#include "System/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, TheSecondStartHandsOverAndTheFirstHearsIt) {
    QTemporaryDir folder;
    const QString socket = folder.path() + "/s";
    SingleInstance first(folder.path(), socket);
    ASSERT_EQ(first.claim(), SingleInstance::Claim::first);
    int reopens = 0;
    QObject::connect(&first, &SingleInstance::reopenRequested, [&] { ++reopens; });

    // The second start runs its handshake on a thread of its own, as a second process would.
    SingleInstance::Claim second = SingleInstance::Claim::failed;
    std::thread starter([&] { second = SingleInstance(folder.path(), socket).claim(); });
    QElapsedTimer clock;
    clock.start();
    while (reopens == 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    starter.join();
    EXPECT_EQ(second, SingleInstance::Claim::handedOver);
    EXPECT_EQ(reopens, 1);
}

TEST(SingleInstance, AFreedLockCanBeTakenAgain) {
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path(), folder.path() + "/s");
        ASSERT_EQ(first.claim(), SingleInstance::Claim::first);
    }
    SingleInstance next(folder.path(), folder.path() + "/s");
    EXPECT_EQ(next.claim(), SingleInstance::Claim::first);
}

} // namespace
