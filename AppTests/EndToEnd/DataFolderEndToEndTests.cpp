// The real program with a data folder it cannot write (a file in its place, a read-only file
// system, a full disk): it starts, plays with what it could read, names the real trouble, and saves
// again once the folder takes writes. Started as a test host, it leaves the data folder alone.
// Skipped, saying why, when the display or a small file system cannot be had.
#include "Desktop.h"

#include "Persistence/Profile.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

namespace {

enum class Unwritable { aFileInItsPlace, readOnly, fullDisk };

const char* nameOf(Unwritable kind) {
    switch (kind) {
    case Unwritable::aFileInItsPlace:
        return "AFileInItsPlace";
    case Unwritable::readOnly:
        return "ReadOnly";
    case Unwritable::fullDisk:
        return "FullDisk";
    }
    return "";
}

// An onboarded player whose bankroll the day's refill tops up at start: a write the game must make.
QByteArray profileDueARefill() {
    Profile profile;
    profile.onboarded = true;
    profile.bankroll = 150;
    profile.lastRefillCheckDay = CalendarDay{2020, 1, 1};
    return QByteArray::fromStdString(nlohmann::json(profile).dump());
}

QProcessEnvironment persistenceLogged() {
    QProcessEnvironment extra;
    extra.insert("QT_LOGGING_RULES", "Chipwhistle.surfaces.info=true;Chipwhistle.persistence.info=true");
    return extra;
}

class DataFolderTest : public DesktopTest, public ::testing::WithParamInterface<Unwritable> {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        folder = dataFolder(home.path());
    }
    void TearDown() override {
        if (mounted) {
            ::umount2(folder.toLocal8Bit().constData(), MNT_DETACH);
        }
    }

    // A 64 KiB file system at the data folder holding the profile; empty when one can't be mounted.
    QString mountSmallDisk() {
        QDir().mkpath(folder);
        if (::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
            return QString::fromLocal8Bit(std::strerror(errno));
        }
        mounted = true;
        writeFile(folder + "/profile.json", profileDueARefill());
        return {};
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool remount(unsigned long flags) {
        return ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | flags, "size=64k") ==
               0;
    }

    QString folder;
    bool mounted = false;
};

TEST_P(DataFolderTest, TheGameStartsNamesTheTroubleAndSavesOnceItCan) {
    const Unwritable kind = GetParam();
    if (kind == Unwritable::aFileInItsPlace) {
        QDir().mkpath(QFileInfo(folder).path());
        writeFile(folder, "not a folder");
    } else if (const QString why = mountSmallDisk(); !why.isEmpty()) {
        GTEST_SKIP() << "no small file system for the data folder: mounting a tmpfs failed ("
                     << why.toStdString() << ")";
    }
    if (kind == Unwritable::readOnly) {
        ASSERT_TRUE(remount(MS_RDONLY)) << std::strerror(errno);
    }
    if (kind == Unwritable::fullDisk) {
        QFile filler(folder + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

    GameProcess game(*desktop, home.path(), {"--launched-at-login"}, persistenceLogged());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=true", 20000)) << game.output().toStdString();
    EXPECT_TRUE(waitUntil([] { return desktop->trayIcon().has_value(); })) << "the chip reached the tray";
    // What could be read is played with: the onboarded profile from the read-only or full folder.
    const bool profileReadable = kind != Unwritable::aFileInItsPlace;
    EXPECT_TRUE(game.waitForLine(
        QStringLiteral("launch: atLogin=true onboarded=%1").arg(profileReadable ? "true" : "false")));
    if (profileReadable) {
        QThread::msleep(500);
        EXPECT_TRUE(game.output().contains("couldn't save the profile: ")) << game.output().toStdString();
    }
    EXPECT_FALSE(game.output().contains("another copy")) << game.output().toStdString();

    // The folder takes writes again; the game, asked to stop as a desktop would, saves on its way out.
    if (kind == Unwritable::aFileInItsPlace) {
        ASSERT_TRUE(QFile::remove(folder));
    } else if (kind == Unwritable::readOnly) {
        ASSERT_TRUE(remount(0)) << std::strerror(errno);
    } else {
        ASSERT_TRUE(QFile::remove(folder + "/filler"));
    }
    game.terminate();
    EXPECT_EQ(game.waitForExit(10000), 0) << game.output().toStdString();
    if (profileReadable) {
        EXPECT_TRUE(game.output().contains("the profile is saved again")) << game.output().toStdString();
        QFile saved(folder + "/profile.json");
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const Profile profile = nlohmann::json::parse(saved.readAll().toStdString()).get<Profile>();
        EXPECT_GE(profile.bankroll, 2000) << "the day's refill reached the file";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DataFolderTest,
                         ::testing::Values(Unwritable::aFileInItsPlace, Unwritable::readOnly,
                                           Unwritable::fullDisk),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

TEST_F(DataFolderTest, AsATestHostTheGameTouchesNothingInTheDataFolder) {
    QProcessEnvironment extra = persistenceLogged();
    extra.insert("XCTestConfigurationFilePath", "/dev/null");
    GameProcess game(*desktop, home.path(), {}, extra);
    ASSERT_TRUE(game.waitForLine("launch: ", 20000)) << game.output().toStdString();
    QThread::msleep(1000);
    game.terminate();
    EXPECT_EQ(game.waitForExit(10000), 0) << game.output().toStdString();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(folder).path())) << "nothing under the data folder's parent";
}

} // namespace
