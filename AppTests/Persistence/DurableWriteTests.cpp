#include "AppState.h"
#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceStore.h"
#include "Persistence/WriteFully.h"
#include "PersistenceTestSupport.h"
#include "SavedGameFixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <sys/mount.h>

namespace {

// A device with room for `capacity` bytes, taken at most `chunk` at a time, like a disk that fills
// up part-way through a write.
class FillingDevice : public QIODevice {
  public:
    FillingDevice(qint64 capacity, qint64 chunk)
        : capacity_(capacity)
        , chunk_(chunk) {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 room = capacity_ - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = std::min({length, room, chunk_});
        written.append(data, taken);
        return taken;
    }

  private:
    qint64 capacity_;
    qint64 chunk_;
};

TEST(WriteFully, ShortWritesAreContinuedUntilEveryByteIsIn) {
    FillingDevice device(1000, 7);
    const std::string bytes(500, 'x');
    writeFully(device, bytes);
    EXPECT_EQ(device.written, QByteArray::fromStdString(bytes));
}

TEST(WriteFully, ADeviceThatFillsPartWayIsAnErrorWithItsReason) {
    FillingDevice device(300, 64);
    try {
        writeFully(device, std::string(500, 'x'));
        FAIL() << "a write that did not fit was reported as done";
    } catch (const PersistenceError& error) {
        EXPECT_STREQ(error.what(), "No space left on device");
    }
    EXPECT_EQ(device.written.size(), 300);
}

TEST(WriteFully, NothingToWriteIsDone) {
    FillingDevice device(0, 1);
    EXPECT_NO_THROW(writeFully(device, ""));
}

// A small file system of its own, so the disk can really run full. Mounting needs privileges a
// sandbox may not give; the tests that need it skip then and say why.
class FullDiskTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        mountPoint = temporary.filePath("disk");
        QDir().mkpath(mountPoint);
        if (::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
            const std::string reason = std::strerror(errno);
            GTEST_SKIP() << "no small file system to fill: mounting a 64 KiB tmpfs failed (" << reason << ")";
        }
        mounted = true;
    }
    void TearDown() override {
        if (mounted) {
            ::umount2(mountPoint.toLocal8Bit().constData(), MNT_DETACH);
        }
    }
    QString folder() const { return QDir(mountPoint).filePath("Chipwhistle"); }
    QString file(const QString& name) const { return QDir(folder()).filePath(name); }

    // Fills the disk, then frees `room` bytes, so the next write stops part-way.
    void fillLeaving(qint64 room) {
        QFile filler(QDir(mountPoint).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        ASSERT_TRUE(filler.resize(std::max<qint64>(filler.size() - room, 0)));
    }
    void emptyDisk() { QFile::remove(QDir(mountPoint).filePath("filler")); }

    QTemporaryDir temporary;
    QString mountPoint;
    bool mounted = false;
    PersistenceLogCapture log;
};

TEST_F(FullDiskTest, AWriteThatRunsOutOfSpaceLeavesThePreviousFileWhole) {
    const PersistenceStore store(folder());
    Profile before;
    before.bankroll = 4321;
    store.writeProfile(before);
    const SavedGame game = SavedGameFixtures::sitAndGo(2);
    store.writeSavedGame(game);
    const QByteArray profileBytes = readBytes(file("profile.json"));
    const QByteArray gameBytes = readBytes(file("savedgame.json"));
    ASSERT_GT(gameBytes.size(), 4096) << "the saved game must not fit in the one page left free";

    fillLeaving(4096);
    EXPECT_THROW(store.writeSavedGame(SavedGameFixtures::sitAndGo(5)), PersistenceError);
    fillLeaving(0);
    Profile after = before;
    after.bankroll = 1234;
    EXPECT_THROW(store.writeProfile(after), PersistenceError);

    EXPECT_EQ(readBytes(file("profile.json")), profileBytes);
    EXPECT_EQ(readBytes(file("savedgame.json")), gameBytes);
    EXPECT_EQ(fileNames(folder()), QStringList({"profile.json", "savedgame.json"}));
    EXPECT_EQ(store.readProfile().value(), before);
    EXPECT_EQ(store.readSavedGame().value(), game);
}

TEST_F(FullDiskTest, TheAppLogsTheFirstFailureAndTheRecoveryAndCatchesUp) {
    AppState state{PersistenceStore(folder())};
    state.completeOnboarding();
    state.checkpoint(SavedGameFixtures::sitAndGo(1));
    const QByteArray gameBytes = readBytes(file("savedgame.json"));

    fillLeaving(0);
    for (int move = 2; move <= 6; ++move) {
        state.checkpoint(SavedGameFixtures::sitAndGo(move));
        state.setSoundsOn(move % 2 == 0);
    }
    EXPECT_EQ(log.messages().filter("couldn't save the game: ").size(), 1);
    EXPECT_EQ(log.messages().filter("couldn't save the profile: ").size(), 1);
    EXPECT_EQ(readBytes(file("savedgame.json")), gameBytes);

    emptyDisk();
    const SavedGame latest = SavedGameFixtures::sitAndGo(7);
    state.checkpoint(latest);
    state.setAutoDeal(true);
    EXPECT_EQ(log.messages().filter("the game is saved again").size(), 1);
    EXPECT_EQ(log.messages().filter("the profile is saved again").size(), 1);
    const PersistenceStore store(folder());
    EXPECT_EQ(store.readSavedGame().value(), latest);
    EXPECT_EQ(store.readProfile().value(), state.profile());
}

TEST(StaleTemporaryFiles, AreRemovedAtStartUpAndNothingElseIs) {
    QTemporaryDir temporary;
    const QString folder = temporary.filePath("Chipwhistle");
    QDir().mkpath(folder);
    const QStringList stale{"profile.json.Ab12Cd", "savedgame.json.XyZ789"};
    const QStringList kept{"notes.json.abcdef", "profile.json.bak", "profile.json.Ab12Cd7",
                           "savedgame.unreadable-2026-03-14T093005.json", "profile.json"};
    for (const QString& name : stale + kept) {
        writeBytes(QDir(folder).filePath(name),
                   name == "profile.json" ? R"({"schemaVersion":1,"bankroll":77})" : "half a file");
    }
    PersistenceLogCapture log;
    const AppState state(PersistenceStore{folder});
    EXPECT_EQ(state.profile().bankroll, 77);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(fileNames(folder), expected);
    EXPECT_TRUE(log.contains("removed profile.json.Ab12Cd, left behind by an interrupted write"));
    EXPECT_TRUE(log.contains("removed savedgame.json.XyZ789, left behind by an interrupted write"));
}

} // namespace
