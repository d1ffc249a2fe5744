// The real program with a data folder it cannot write (a file in its place, a read-only file
// system, a full disk): it starts, plays with what it could read, names the real trouble, and saves
// again once the folder takes writes, soon enough that a kill a few seconds later loses nothing.
// Started as a test host, it leaves the data folder alone.
// Skipped, saying why, when the display or a small file system cannot be had.
#include "Desktop.h"

#include "Game/ControllerHarness.h"
#include "Persistence/PersistenceStore.h"
#include "Persistence/Profile.h"
#include "Shell/FakeSettingsPortal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QThread>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

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

// How the run ends once the folder takes writes again: asked to stop, the game saves on its way
// out; killed, it has only what it saved by itself meanwhile.
enum class Ending { askedToStop, killedOnceSaved };

struct Row {
    Unwritable kind;
    Ending ending;
};

// An onboarded player whose bankroll the day's refill tops up at start: a write the game must make.
QByteArray profileDueARefill() {
    Profile profile;
    profile.onboarded = true;
    profile.bankroll = 150;
    profile.lastRefillCheckDay = CalendarDay{2020, 1, 1};
    return QByteArray::fromStdString(nlohmann::json(profile).dump());
}

// Catches the table as the game saves it the moment a hand is over, before it books the hand.
class FinishedHandCatcher : public RecordingSession {
  public:
    void checkpoint(const std::optional<SavedGame>& game) override {
        RecordingSession::checkpoint(game);
        if (game && !finished && game->state.street() == PokerEngine::Street::handComplete) {
            finished = game;
        }
    }
    std::optional<SavedGame> finished;
};

// A one-hand quick hand saved as the game left it when stopped right after the hand ended: the next
// start books the hand's result and removes the save of the table that is over, changes the game
// must make on disk.
SavedGame finishedUnbookedHand() {
    FinishedHandCatcher catcher;
    ControllerHarness harness;
    harness.controller.setSession(&catcher);
    harness.controller.start(
        GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), 20261209, 1}));
    for (int step = 0, hands = 0; step < 500 && !catcher.finished; ++step) {
        harness.stepOnce(checkOrCall, hands);
    }
    return catcher.finished.value();
}

QProcessEnvironment persistenceLogged() {
    QProcessEnvironment extra;
    extra.insert("QT_LOGGING_RULES", "Chipwhistle.surfaces.info=true;Chipwhistle.persistence.info=true");
    return extra;
}

class DataFolderTest : public DesktopTest, public ::testing::WithParamInterface<Row> {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        folder = dataFolder(home.path());
    }
    void TearDown() override {
        if (mounted) {
            ::umount2(folder.toLocal8Bit().constData(), MNT_DETACH);
        }
        DesktopTest::TearDown();
    }

    // A 64 KiB file system at the data folder holding the profile and a finished hand still to book;
    // empty when one can't be mounted.
    QString mountSmallDisk() {
        QDir().mkpath(folder);
        if (::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
            return QString::fromLocal8Bit(std::strerror(errno));
        }
        mounted = true;
        writeFile(folder + "/profile.json", profileDueARefill());
        PersistenceStore(folder).writeSavedGame(finishedUnbookedHand());
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
    const auto [kind, ending] = GetParam();
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

    // With nothing to read, a player who starts the game goes through the introduction meanwhile.
    const bool onboards = kind == Unwritable::aFileInItsPlace && ending == Ending::killedOnceSaved;
    const QString atLogin = onboards ? "false" : "true";
    GameProcess game(*desktop, home.path(), onboards ? QStringList() : QStringList{"--launched-at-login"},
                     persistenceLogged());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=" + atLogin)) << game.output().toStdString();
    if (!onboards) {
        EXPECT_TRUE(waitUntil([] { return desktop->trayIcon().has_value(); })) << "the chip reached the tray";
    }
    // What could be read is played with: the onboarded profile from the read-only or full folder.
    const bool profileReadable = kind != Unwritable::aFileInItsPlace;
    EXPECT_TRUE(game.waitForLine(
        QStringLiteral("launch: atLogin=%1 onboarded=%2").arg(atLogin, profileReadable ? "true" : "false")));
    if (onboards) {
        ASSERT_TRUE(goThroughOnboarding(game));
        // The lobby the window opens on settles the day's refill: the last change before the folder
        // comes back.
        ASSERT_TRUE(game.waitForLine("openWindow"));
        const QList<QRect> windows = waitForWindows(windowSize);
        ASSERT_EQ(windows.size(), 1) << "the table window opened";
        QThread::msleep(1000);
        // A setting changed meanwhile: a click on the header gives the window the keys, its shortcut
        // brings Settings forward with the keys on its first control, and Tab reaches the switch
        // "Deal next hand automatically", which Space turns on.
        ASSERT_TRUE(click({windows.front().center().x(), windows.front().top() + 12}));
        desktop->xdotool({"key", "ctrl+comma"});
        QThread::msleep(1500);
        desktop->xdotool({"key", "Tab"});
        QThread::msleep(300);
        desktop->xdotool({"key", "space"});
        QThread::msleep(500);
    }
    const bool changed = profileReadable || onboards;
    if (changed) {
        EXPECT_TRUE(game.waitForOutput("couldn't save the profile: ", 5000)) << game.output().toStdString();
    }
    EXPECT_FALSE(game.output().contains("another copy")) << game.output().toStdString();

    // What the files hold once every change of the run is on disk.
    const auto saved = [&] {
        QFile file(folder + "/profile.json");
        std::optional<Profile> profile;
        if (file.open(QIODevice::ReadOnly)) {
            profile = nlohmann::json::parse(file.readAll().toStdString()).get<Profile>();
        }
        const bool settled = onboards
                                 ? profile && profile->onboarded
                                 : profile && profile->counters.handsPlayed == 1 && profile->bankroll >= 2000;
        // The save of the table that ended goes once its end is booked.
        return settled && !QFileInfo::exists(folder + "/savedgame.json");
    };

    // The folder takes writes again.
    if (kind == Unwritable::aFileInItsPlace) {
        ASSERT_TRUE(QFile::remove(folder));
    } else if (kind == Unwritable::readOnly) {
        ASSERT_TRUE(remount(0)) << std::strerror(errno);
    } else {
        ASSERT_TRUE(QFile::remove(folder + "/filler"));
    }
    if (ending == Ending::askedToStop) {
        // Asked to stop as a desktop would, the game saves on its way out.
        game.terminate();
        EXPECT_EQ(game.waitForExit(loadedMachineWait), 0) << game.output().toStdString();
    } else if (changed) {
        // The game saves by itself within seconds, with nothing changed; a kill then loses nothing.
        EXPECT_TRUE(waitUntil(saved, 10000)) << game.output().toStdString();
        game.kill();
    }
    if (!changed) {
        return;
    }
    EXPECT_TRUE(game.output().contains("the profile is saved again")) << game.output().toStdString();
    EXPECT_TRUE(saved()) << "every change of the run on disk";
    QFile file(folder + "/profile.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Profile profile = nlohmann::json::parse(file.readAll().toStdString()).get<Profile>();
    if (onboards) {
        EXPECT_EQ(profile.bankroll, Profile::startingBankroll);
        EXPECT_EQ(profile.settings.launchSurface, LaunchSurface::window)
            << "the choice made in the introduction";
        EXPECT_TRUE(profile.settings.autoDeal) << "the switch turned on in Settings";
    } else {
        EXPECT_GE(profile.bankroll, 2000) << "the day's refill reached the file";
        EXPECT_EQ(profile.counters.handsPlayed, 1) << "the finished hand's result reached the file";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DataFolderTest,
                         ::testing::Values(Row{Unwritable::aFileInItsPlace, Ending::askedToStop},
                                           Row{Unwritable::readOnly, Ending::askedToStop},
                                           Row{Unwritable::fullDisk, Ending::askedToStop},
                                           Row{Unwritable::aFileInItsPlace, Ending::killedOnceSaved},
                                           Row{Unwritable::readOnly, Ending::killedOnceSaved},
                                           Row{Unwritable::fullDisk, Ending::killedOnceSaved}),
                         [](const auto& info) {
                             return std::string(nameOf(info.param.kind)) +
                                    (info.param.ending == Ending::killedOnceSaved ? "ThenKilled" : "");
                         });

// What is under `folder` in the game's name, at any depth: its data folder, a file beside it, a folder
// of another spelling. A desktop's services keep their own folders there too (a keyring), which are
// none of the game's doing.
std::string inTheGamesName(const QString& folder) {
    QStringList found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (entries.fileName().contains(QStringLiteral("chipwhistle"), Qt::CaseInsensitive)) {
            found << QDir(folder).relativeFilePath(path);
        }
    }
    return found.join(", ").toStdString();
}

TEST_F(DataFolderTest, AsATestHostTheGameTouchesNothingInTheDataFolder) {
    // A bus of the test's own, on which nothing the machine has installed can start: no desktop's
    // service runs beside the game, whatever the machine has, and none outlives the test.
    QString whyNot;
    const auto bus = PrivateBus::start(whyNot);
    ASSERT_TRUE(bus) << whyNot.toStdString();
    QProcessEnvironment extra = persistenceLogged();
    extra.insert("XCTestConfigurationFilePath", "/dev/null");
    extra.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());
    GameProcess game(*desktop, home.path(), {}, extra);
    ASSERT_TRUE(game.waitForLine("launch: ")) << game.output().toStdString();
    QThread::msleep(1000);
    game.terminate();
    EXPECT_EQ(game.waitForExit(loadedMachineWait), 0) << game.output().toStdString();
    EXPECT_EQ(inTheGamesName(QFileInfo(folder).path()), "") << "in the data folder or beside it";
}

} // namespace
