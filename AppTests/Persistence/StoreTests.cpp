#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceStore.h"
#include "PersistenceTestSupport.h"
#include "SavedGameFixtures.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <vector>

#include <unistd.h>

namespace {

class StoreTest : public ::testing::Test {
  protected:
    QString folder() const { return temporary.filePath("Chipwhistle"); }
    QString file(const QString& name) const { return QDir(folder()).filePath(name); }
    void place(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(folder());
        writeBytes(file(name), bytes);
    }
    // Quarantine names of this file for the current second and the next few.
    QStringList quarantineNames(const QString& name, int attempt) const {
        QStringList names;
        const auto now = std::chrono::system_clock::now();
        for (int second = -1; second <= 3; ++second) {
            names << PersistenceStore::quarantineFileName(name, now + std::chrono::seconds(second), attempt);
        }
        return names;
    }

    QTemporaryDir temporary;
    PersistenceStore store{folder()};
    PersistenceLogCapture log;
};

const QRegularExpression quarantined(R"(^profile\.unreadable-\d{4}-\d\d-\d\dT\d{6}\.json$)");

} // namespace

TEST_F(StoreTest, NoFolderMeansMissingAndNothingIsCreated) {
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::missing);
    EXPECT_FALSE(QFileInfo::exists(folder()));
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(StoreTest, FirstWriteCreatesTheFolderAndParents) {
    const PersistenceStore nested(temporary.filePath("a/b/Chipwhistle"));
    Profile profile;
    profile.bankroll = 4321;
    nested.writeProfile(profile);
    const auto read = nested.readProfile();
    ASSERT_TRUE(read.isLoaded());
    EXPECT_EQ(read.value(), profile);
}

TEST_F(StoreTest, WrittenFileIsCompactWithSortedKeys) {
    store.writeProfile(Profile());
    const QByteArray bytes = readBytes(file("profile.json"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains(' '));
    EXPECT_TRUE(bytes.startsWith(R"({"bankroll":10000,"choices":{"cashBuyInBB":100,)"));
    EXPECT_EQ(fileNames(folder()), QStringList{"profile.json"});
}

TEST_F(StoreTest, SlashesAreEscapedAndReadBack) {
    Profile profile;
    profile.settings.hotkey.shortcut.key = "/";
    store.writeProfile(profile);
    EXPECT_TRUE(readBytes(file("profile.json")).contains(R"("key":"\/")"));
    EXPECT_EQ(store.readProfile().value(), profile);
}

TEST_F(StoreTest, EmptyFileIsLoggedAndMovedAside) {
    place("profile.json", "");
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    ASSERT_EQ(log.messages().size(), 1);
    EXPECT_TRUE(log.messages()[0].startsWith("profile.json is unreadable: "));
    const auto names = fileNames(folder());
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(quarantined.match(names[0]).hasMatch()) << names[0].toStdString();
}

TEST_F(StoreTest, DamagedContentIsMovedAsideUnchanged) {
    for (const QByteArray& bytes :
         {QByteArray("not json"), QByteArray("[1,2]"), QByteArray(R"({"bankroll":1})"),
          QByteArray(R"({"schemaVersion":"1","bankroll":1})"), QByteArray(R"({"schemaVersion":1})"),
          QByteArray(R"({"schemaVersion":1,)")}) {
        QDir(folder()).removeRecursively();
        place("profile.json", bytes);
        EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable) << bytes.toStdString();
        const auto names = fileNames(folder());
        ASSERT_EQ(names.size(), 1);
        EXPECT_EQ(readBytes(QDir(folder()).filePath(names[0])), bytes);
    }
}

TEST_F(StoreTest, NewerSchemaIsRefusedBeforeDecoding) {
    place("profile.json", R"({"schemaVersion":2})");
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_EQ(log.messages(), QStringList{"profile.json is schema 2, newer than 1"});
    EXPECT_FALSE(QFileInfo::exists(file("profile.json")));
}

TEST_F(StoreTest, OlderSchemaVersionsPassTheProbe) {
    place("profile.json", R"({"schemaVersion":0,"bankroll":77})");
    const auto read = store.readProfile();
    ASSERT_TRUE(read.isLoaded());
    EXPECT_EQ(read.value().schemaVersion, 0);
    EXPECT_EQ(read.value().bankroll, 77);
}

TEST_F(StoreTest, TakenQuarantineNameGetsANumber) {
    place("profile.json", "damaged");
    for (const auto& name : quarantineNames("profile.json", 1)) {
        writeBytes(file(name), "earlier");
    }
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_FALSE(QFileInfo::exists(file("profile.json")));
    const auto numbered = fileNames(folder()).filter(QRegularExpression(R"(-2\.json$)"));
    ASSERT_EQ(numbered.size(), 1);
    EXPECT_EQ(readBytes(file(numbered[0])), "damaged");
    for (const auto& name : quarantineNames("profile.json", 1)) {
        EXPECT_EQ(readBytes(file(name)), "earlier");
    }
}

TEST_F(StoreTest, FileThatCannotBeMovedAsideIsNeverWrittenOver) {
    place("profile.json", "damaged");
    for (int attempt = 1; attempt <= 100; ++attempt) {
        for (const auto& name : quarantineNames("profile.json", attempt)) {
            writeBytes(file(name), "earlier");
        }
    }
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_TRUE(log.contains("couldn't move profile.json aside"));
    EXPECT_THROW(store.writeProfile(Profile()), PersistenceError);
    const PersistenceStore copy = store;
    EXPECT_THROW(copy.writeProfile(Profile()), PersistenceError);
    EXPECT_EQ(readBytes(file("profile.json")), "damaged");
}

TEST_F(StoreTest, FileThatExistsButCannotBeReadIsKept) {
    // A folder where the file should be can't be read even by root.
    QDir().mkpath(file("profile.json"));
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_TRUE(log.contains("couldn't read profile.json"));
    EXPECT_TRUE(QFileInfo(file("profile.json")).isDir());
    EXPECT_THROW(store.writeProfile(Profile()), PersistenceError);
    EXPECT_TRUE(QFileInfo(file("profile.json")).isDir());
}

TEST_F(StoreTest, UnreadablePermissionsKeepTheProfile) {
    place("profile.json", R"({"schemaVersion":1,"bankroll":777})");
    QFile::setPermissions(file("profile.json"), QFileDevice::Permissions());
    if (::access(file("profile.json").toLocal8Bit().constData(), R_OK) == 0) {
        GTEST_SKIP()
            << "this user reads files without read permission (root), so a permission error can't happen";
    }
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_THROW(store.writeProfile(Profile()), PersistenceError);
    QFile::setPermissions(file("profile.json"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readBytes(file("profile.json")), R"({"schemaVersion":1,"bankroll":777})");
}

TEST_F(StoreTest, WriteFailsWhenAFileOccupiesTheFolder) {
    writeBytes(folder(), "in the way");
    Profile profile;
    EXPECT_THROW(store.writeProfile(profile), PersistenceError);
    EXPECT_EQ(readBytes(folder()), "in the way");
}

TEST_F(StoreTest, UnencodableTextLeavesTheOldFile) {
    store.writeProfile(Profile());
    Profile profile;
    profile.settings.hotkey.shortcut.key = "\xff";
    EXPECT_ANY_THROW(store.writeProfile(profile));
    EXPECT_EQ(store.readProfile().value(), Profile());
}

// A change of the folder (a file taking its name, moved aside or removed) is on the disk only once
// the folder is synced: each is synced before its call returns, so that no later file's name reaches
// the disk first. One whose sync failed is synced before the next change, which fails while it can't
// be and opens no file meanwhile. A file system with no sync for folders has nothing to sync: its
// changes go on, told once.
TEST_F(StoreTest, EachChangeOfTheFolderIsSyncedBeforeTheNext) {
    QStringList seen; // What the folder holds at each sync, with the profile's bankroll.
    enum class Disk { syncs, fails, cantSyncFolders };
    Disk disk = Disk::syncs;
    const PersistenceStore synced(folder(), [&](const QString& directory) {
        const auto bankroll = PersistenceStore(directory).readProfile().value().bankroll;
        seen << fileNames(directory)
                    .join(' ')
                    .replace(QRegularExpression(R"(\.unreadable-[\dT-]+\.json)"), ".aside")
                    .replace("profile.json", QStringLiteral("profile=%1").arg(bankroll))
                    .remove(".json");
        if (disk == Disk::fails) {
            throw PersistenceError("Input/output error");
        }
        return disk == Disk::syncs ? FolderSyncOutcome::synced : FolderSyncOutcome::unsupported;
    });
    const auto profile = [&](std::int64_t bankroll) {
        return [&synced, bankroll] {
            Profile changed;
            changed.bankroll = bankroll;
            return synced.writeProfile(changed), true;
        };
    };
    const auto game = [&] { return synced.writeSavedGame(SavedGameFixtures::quickHand(1)), true; };
    const auto removal = [&] { return !synced.deleteSavedGame(); };
    const auto moveAside = [&] { return synced.setAsideSavedGame().has_value(); };
    const auto mark = [&] { return synced.markResuming({"save", 0}), synced.hasResumeMark(); };
    const auto unmark = [&] { return synced.clearResumeMark(), !synced.hasResumeMark(); };
    struct Step {
        const char* change;
        std::function<bool()> make;
        Disk disk;
        bool done;
        const char* seen;
    };
    const Disk syncs = Disk::syncs;
    const Disk fails = Disk::fails;
    for (const Step& step : std::vector<Step>{
             {"profile written", profile(101), syncs, true, "profile=101"},
             {"game written", game, syncs, true, "profile=101 savedgame"},
             {"game removed", removal, syncs, true, "profile=101"},
             {"game written again", game, syncs, true, "profile=101 savedgame"},
             // A move can't be taken back: it is done, and its sync is owed.
             {"game moved aside", moveAside, fails, true, "profile=101 savedgame.aside"},
             {"profile waiting", profile(102), fails, false, "profile=101 savedgame.aside"},
             {"game once synced", game, syncs, true,
              "profile=101 savedgame.aside|profile=101 savedgame savedgame.aside"},
             {"game removed, unsynced", removal, fails, false, "profile=101 savedgame.aside"},
             {"profile once synced", profile(103), syncs, true,
              "profile=101 savedgame.aside|profile=103 savedgame.aside"},
             {"resume marked", mark, syncs, true, "profile=103 savedgame.resuming savedgame.aside"},
             {"mark removed, unsynced", unmark, fails, true, "profile=103 savedgame.aside"},
             {"mark waiting", mark, fails, false, "profile=103 savedgame.aside"},
             {"profile after the mark", profile(104), syncs, true,
              "profile=103 savedgame.aside|profile=104 savedgame.aside"},
             // The mark's removal never waits on a sync that fails for good: a mark kept would count
             // a stop at the next start that never happened.
             {"resume marked, its sync failing", mark, fails, true,
              "profile=104 savedgame.resuming savedgame.aside"},
             {"mark removed behind that sync", unmark, fails, true, "profile=104 savedgame.aside"},
             {"no mark to remove", unmark, fails, true, ""},
             {"profile once synced again", profile(105), syncs, true,
              "profile=104 savedgame.aside|profile=105 savedgame.aside"},
             {"profile where folders can't sync", profile(106), Disk::cantSyncFolders, true,
              "profile=106 savedgame.aside"},
             {"game where folders can't sync", game, Disk::cantSyncFolders, true,
              "profile=106 savedgame savedgame.aside"},
             {"game removed where folders can't sync", removal, Disk::cantSyncFolders, true,
              "profile=106 savedgame.aside"},
         }) {
        seen.clear();
        disk = step.disk;
        bool done = false;
        try {
            done = step.make();
        } catch (const PersistenceError&) {
        }
        EXPECT_EQ(done, step.done) << step.change;
        EXPECT_EQ(seen.join('|').toStdString(), step.seen) << step.change;
    }
    EXPECT_FALSE(log.contains("couldn't remove the resume mark")) << log.messages().join('\n').toStdString();
    EXPECT_EQ(log.messages().filter("can't sync a folder").size(), 1)
        << log.messages().join('\n').toStdString();
}

// procfs, like some network and user-space file systems, refuses to sync a folder rather than failing
// to: that is not a failure, whereas a folder that can't even be opened is.
TEST(SyncFolder, AFolderItsFileSystemCantSyncCountsAsSynced) {
    QTemporaryDir temporary;
    struct Case {
        QString folder;
        std::optional<FolderSyncOutcome> outcome; // None when it throws.
    };
    for (const Case& each : std::vector<Case>{
             {temporary.path(), FolderSyncOutcome::synced},
             {QStringLiteral("/proc/self"), FolderSyncOutcome::unsupported},
             {temporary.filePath("missing"), std::nullopt},
         }) {
        std::optional<FolderSyncOutcome> outcome;
        try {
            outcome = syncFolder(each.folder);
        } catch (const PersistenceError& error) {
            EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith("couldn't sync the folder"))
                << error.what();
        }
        EXPECT_EQ(outcome, each.outcome) << each.folder.toStdString();
    }
}
