// One program per user: a second start hands over to the first and asks it to reopen.
#include "System/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Lets the first program hear its pipe until `heard` holds, or ten seconds have passed.
void listenUntil(const std::function<bool()>& heard) {
    QElapsedTimer clock;
    clock.start();
    while (!heard() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// A first start holding the lock and counting the reopens it hears.
struct FirstStart : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(first.claim(), SingleInstance::Claim::first);
        QObject::connect(&first, &SingleInstance::reopenRequested, [this] { ++reopens; });
    }
    QTemporaryDir folder;
    SingleInstance first{folder.path()};
    int reopens = 0;
};

TEST_F(FirstStart, TheSecondStartHandsOverAndTheFirstHearsIt) {

    // The second start runs its handshake on a thread of its own, as a second process would.
    SingleInstance::Claim second = SingleInstance::Claim::unanswered;
    std::thread starter([&] { second = SingleInstance(folder.path()).claim(); });
    listenUntil([&] { return reopens > 0; });
    starter.join();
    EXPECT_EQ(second, SingleInstance::Claim::handedOver);
    EXPECT_EQ(reopens, 1);
}

TEST_F(FirstStart, AWriterThatNeverEndsItsLineIsCutOffWithAReasonAndTheNextLineIsHeard) {

    testing::internal::CaptureStderr();
    // Four megabytes with no newline, far more than the pipe holds: the writer blocks until the
    // program has read it, as a stray writer on the user's pipe would.
    std::thread writer([path = QFile::encodeName(folder.filePath("chipwhistle.pipe"))] {
        const int pipe = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(pipe, 0);
        const QByteArray junk(64 * 1024, 'x');
        for (int block = 0; block < 64; ++block) {
            ASSERT_EQ(::write(pipe, junk.constData(), junk.size()), junk.size());
        }
        const char rest[] = "\nreopen\n";
        ASSERT_EQ(::write(pipe, rest, sizeof rest - 1), static_cast<ssize_t>(sizeof rest - 1));
        ::close(pipe);
    });
    listenUntil([&] { return reopens > 0; });
    writer.join();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reopens, 1) << "the line after the long one is read as ever";
    EXPECT_NE(said.find("dropped 1 line"), std::string::npos) << said;
}

TEST(SingleInstance, AFreedLockCanBeTakenAgain) {
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path());
        ASSERT_EQ(first.claim(), SingleInstance::Claim::first);
    }
    SingleInstance next(folder.path());
    EXPECT_EQ(next.claim(), SingleInstance::Claim::first);
    EXPECT_TRUE(next.trouble().isEmpty());
}

TEST(SingleInstance, WhatAKilledProgramLeftAtThePipesPathIsReplaced) {
    QTemporaryDir folder;
    QFile left(folder.filePath("chipwhistle.pipe"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("reopen\n");
    left.close();

    SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), SingleInstance::Claim::first);
    EXPECT_TRUE(first.trouble().isEmpty()) << first.trouble().toStdString();
    int reopens = 0;
    QObject::connect(&first, &SingleInstance::reopenRequested, [&] { ++reopens; });
    std::thread starter([&] {
        for (int start = 0; start < 2; ++start) {
            SingleInstance(folder.path()).claim();
        }
    });
    listenUntil([&] { return reopens >= 2; });
    starter.join();
    EXPECT_EQ(reopens, 2);
}

TEST(SingleInstance, AFolderThatCantHoldTheLockLetsTheGamePlayOnAndSaysWhy) {
    QTemporaryDir home;
    const QString notAFolder = home.filePath("run");
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    SingleInstance instance(notAFolder + "/chipwhistle");
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::first);
    EXPECT_TRUE(instance.trouble().startsWith("couldn't create the folder"))
        << instance.trouble().toStdString();
    EXPECT_FALSE(instance.trouble().contains("another copy"));
}

TEST(SingleInstance, ALiveHolderThatDoesNotAnswerIsNamed) {
    QTemporaryDir folder;
    // Held by this very process, which listens on no pipe: alive, yet silent.
    QLockFile held(folder.filePath("chipwhistle.lock"));
    ASSERT_TRUE(held.tryLock(0));

    SingleInstance late(folder.path());
    EXPECT_EQ(late.claim(), SingleInstance::Claim::unanswered);
    EXPECT_TRUE(late.trouble().contains(QStringLiteral("process %1").arg(QCoreApplication::applicationPid())))
        << late.trouble().toStdString();
}

} // namespace
