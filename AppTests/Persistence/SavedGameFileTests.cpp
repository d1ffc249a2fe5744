#include "Persistence/PersistenceStore.h"
#include "PersistenceTestSupport.h"
#include "SavedGameFixtures.h"
#include "Json/StoredJson.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SavedGameFileTest : public ::testing::Test {
  protected:
    QString file(const QString& name) const { return QDir(temporary.path()).filePath(name); }

    QTemporaryDir temporary;
    PersistenceStore store{temporary.path()};
    PersistenceLogCapture log;
};

} // namespace

TEST_F(SavedGameFileTest, WrittenAndReadBack) {
    const auto game = SavedGameFixtures::sitAndGo(6);
    store.writeSavedGame(game);
    const auto read = store.readSavedGame();
    ASSERT_TRUE(read.isLoaded());
    EXPECT_EQ(read.value(), game);
    store.deleteSavedGame();
    EXPECT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::missing);
    store.deleteSavedGame();
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(SavedGameFileTest, EveryTruncationOfARealSaveIsSetAside) {
    const QByteArray whole = QByteArray::fromStdString(storedJsonText(SavedGameFixtures::quickHand(2)));
    ASSERT_GT(whole.size(), 1000);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const QByteArray truncated = whole.left(length);
        writeBytes(file("savedgame.json"), truncated);
        ASSERT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::unreadable) << "length " << length;
        const auto names = fileNames(temporary.path());
        ASSERT_EQ(names.size(), 1) << "length " << length;
        ASSERT_TRUE(names[0].startsWith("savedgame.unreadable-"));
        // The damaged bytes are kept, not destroyed.
        ASSERT_EQ(readBytes(file(names[0])), truncated);
        QFile::remove(file(names[0]));
    }
    EXPECT_EQ(log.messages().size(), whole.size());
    writeBytes(file("savedgame.json"), whole);
    EXPECT_TRUE(store.readSavedGame().isLoaded());
}

TEST_F(SavedGameFileTest, NewerSchemaIsNeverDecoded) {
    writeBytes(file("savedgame.json"), R"({"schemaVersion":2,"anything":"else"})");
    EXPECT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::unreadable);
    EXPECT_EQ(log.messages(), QStringList{"savedgame.json is schema 2, newer than 1"});
    EXPECT_FALSE(QFileInfo::exists(file("savedgame.json")));
}

TEST_F(SavedGameFileTest, WrongTypeDeepInsideIsLoggedWithTheReason) {
    auto written = nlohmann::json(SavedGameFixtures::cashTable(2, 2));
    written["state"]["seats"][1]["stack"] = "lots";
    writeBytes(file("savedgame.json"), QByteArray::fromStdString(written.dump()));
    EXPECT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::unreadable);
    ASSERT_EQ(log.messages().size(), 1);
    EXPECT_TRUE(log.messages()[0].startsWith("savedgame.json is unreadable: "))
        << log.messages()[0].toStdString();
}

TEST_F(SavedGameFileTest, ProfileAndSaveSetAsideInOneSecondGetTheirOwnNames) {
    writeBytes(file("savedgame.json"), "{");
    writeBytes(file("profile.json"), "{");
    EXPECT_EQ(store.readProfile().kind(), Loaded<Profile>::Kind::unreadable);
    EXPECT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::unreadable);
    const auto names = fileNames(temporary.path());
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[0].startsWith("profile.unreadable-"));
    EXPECT_TRUE(names[1].startsWith("savedgame.unreadable-"));
}

TEST_F(SavedGameFileTest, AKeptSaveIsNeitherOverwrittenNorDeleted) {
    QDir().mkpath(file("savedgame.json"));
    EXPECT_EQ(store.readSavedGame().kind(), Loaded<SavedGame>::Kind::unreadable);
    EXPECT_ANY_THROW(store.writeSavedGame(SavedGameFixtures::quickHand(1)));
    store.deleteSavedGame();
    EXPECT_TRUE(QFileInfo(file("savedgame.json")).isDir());
}
