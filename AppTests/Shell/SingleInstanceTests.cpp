// One program per user: a second start hands over to the first and asks it to reopen.
#include "System/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

#include <fcntl.h>
#include <sys/mount.h>
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

TEST(SingleInstance, WhatAStoppedCopyLeftNeverStopsAStartAndOneCopyPlaysPerDataFolder) {
    enum class Left { emptyLock, notALock, goneProcess, folderInItsPlace, runtimeNotAFolder, fullRuntime };
    struct Case {
        const char* name;
        Left left;
        // What the start says about it on its way, if anything.
        const char* said;
    };
    const std::vector<Case> cases = {
        {"an empty lock, as a stop before the process id was written leaves", Left::emptyLock, "took over"},
        {"a lock file that is no lock", Left::notALock, "(it named no process)"},
        {"the lock of a process long gone", Left::goneProcess, "(it named process 4000000)"},
        {"a folder in the lock's place", Left::folderInItsPlace, "still kept through"},
        {"a file in the runtime folder's place", Left::runtimeNotAFolder, "still kept through"},
        {"a full runtime folder", Left::fullRuntime, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        QString runtime = home.filePath("run");
        const QString data = home.filePath("data/Chipwhistle");
        QDir().mkpath(runtime);
        const auto leave = [&](const QByteArray& bytes) {
            QFile lock(runtime + "/chipwhistle.lock");
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write(bytes);
        };
        bool mounted = false;
        switch (c.left) {
        case Left::emptyLock:
            leave("");
            break;
        case Left::notALock:
            leave("chipwhistle was here\n");
            break;
        case Left::goneProcess:
            leave("4000000\nchipwhistle\nsomehost\n");
            break;
        case Left::folderInItsPlace:
            QDir().mkpath(runtime + "/chipwhistle.lock");
            break;
        case Left::runtimeNotAFolder:
            ASSERT_TRUE(QFile(runtime + "/file").open(QIODevice::WriteOnly));
            runtime += "/file/chipwhistle";
            break;
        case Left::fullRuntime: {
            if (::mount("tmpfs", QFile::encodeName(runtime).constData(), "tmpfs", 0,
                        "size=16k,nr_inodes=4") != 0) {
                std::cerr << "skipped: no small file system for the runtime folder\n";
                continue;
            }
            mounted = true;
            QFile filler(runtime + "/filler");
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) > 0) {
            }
            for (int file = 0; QFile(runtime + QString("/inode%1").arg(file)).open(QIODevice::WriteOnly);
                 ++file) {
            }
            break;
        }
        }
        {
            testing::internal::CaptureStderr();
            SingleInstance first(runtime, data);
            const SingleInstance::Claim claimed = first.claim();
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(claimed, SingleInstance::Claim::first) << first.trouble().toStdString();
            if (c.said) {
                EXPECT_NE(said.find(c.said), std::string::npos) << said;
            }
            SingleInstance second(runtime, data);
            EXPECT_NE(second.claim(), SingleInstance::Claim::first) << "two copies on one data folder";
            EXPECT_FALSE(second.trouble().contains("process 0")) << second.trouble().toStdString();
        }
        SingleInstance next(runtime, data);
        EXPECT_EQ(next.claim(), SingleInstance::Claim::first) << "the locks go with the copy that held them";
        if (mounted) {
            ::umount2(QFile::encodeName(runtime).constData(), MNT_DETACH);
        }
    }
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
