// The controller with the real app state and files: what it checkpoints is what the next launch
// resumes, and a resumed table plays on exactly as the original would have.
#include "ControllerHarness.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Persistence/PersistenceStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using PokerEngine::Street;

namespace {

// Plays `moves` moves, then on to the middle of a betting round.
void playIntoAHand(ControllerHarness& harness, int moves) {
    int hands = 0;
    for (int i = 0; i < moves; ++i) {
        ASSERT_TRUE(harness.stepOnce(checkOrFold, hands));
    }
    while (!PokerEngine::isBetting(harness.controller.state()->street())) {
        ASSERT_TRUE(harness.stepOnce(checkOrFold, hands));
    }
}

void playOn(ControllerHarness& harness, int moves) {
    int hands = 0;
    for (int i = 0; i < moves && !harness.controller.tableOver(); ++i) {
        if (!harness.stepOnce(checkOrFold, hands)) {
            break;
        }
    }
}

} // namespace

TEST(SavedTable, ResumesFromTheFileWithTheSameCardsAndChoices) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const GameSetup setup =
        GameSetup::cashTable(CashTableSetup{CashStakes::low, 60, TableDifficulty::mixed,
                                            BotSeating::opponents(4, TableDifficulty::mixed, 19), 19});

    ControllerHarness original;
    AppState appState(PersistenceStore(folder.path()));
    original.controller.setSession(&appState);
    original.controller.start(setup);
    playIntoAHand(original, 30);
    ASSERT_TRUE(appState.savedGame());
    const SavedGame written = *appState.savedGame();
    EXPECT_EQ(written.state, *original.controller.state());
    const Profile profileAtSave = appState.profile();
    // The program quits here: its files are what the next launch finds.
    QTemporaryDir quitFolder;
    for (const QString& name : {QStringLiteral("profile.json"), QStringLiteral("savedgame.json")}) {
        ASSERT_TRUE(QFile::copy(folder.filePath(name), quitFolder.filePath(name)));
    }
    playOn(original, 80);

    // The next launch reads the files back and the lobby resumes the table.
    AppState relaunched(PersistenceStore(quitFolder.path()));
    ASSERT_TRUE(relaunched.savedGame());
    EXPECT_EQ(relaunched.savedGame()->state, written.state);
    EXPECT_EQ(relaunched.savedGame()->botRNGs, written.botRNGs);
    EXPECT_EQ(relaunched.profile().bankroll, profileAtSave.bankroll);
    ControllerHarness resumed;
    resumed.controller.setSession(&relaunched);
    resumed.controller.restore(*relaunched.savedGame());
    EXPECT_FALSE(resumed.controller.isShowingResult());
    playOn(resumed, 80);

    EXPECT_EQ(resumed.controller.state(), original.controller.state());
    EXPECT_EQ(resumed.controller.seatKinds(), original.controller.seatKinds());
    EXPECT_EQ(resumed.controller.replacementsSeated(), original.controller.replacementsSeated());
    EXPECT_EQ(relaunched.profile().bankroll, appState.profile().bankroll);
    EXPECT_EQ(relaunched.profile().counters, appState.profile().counters);
}

TEST(SavedTable, TheAppStateBooksEveryHandAndForgetsAFinishedTable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ControllerHarness harness;
    AppState appState(PersistenceStore(folder.path()));
    harness.controller.setSession(&appState);
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::medium, 6, 3)));
    ASSERT_TRUE(QFile::exists(folder.filePath("savedgame.json")));
    harness.playToEnd(checkOrCall);
    const auto over = std::get<TableOver::HandPlayed>(harness.controller.tableOver()->value);
    EXPECT_EQ(appState.profile().bankroll, 10000 + over.net);
    EXPECT_EQ(appState.profile().counters.quickHandsPlayed, over.hands);
    EXPECT_FALSE(appState.savedGame());
    EXPECT_FALSE(QFile::exists(folder.filePath("savedgame.json")));
    AppState relaunched(PersistenceStore(folder.path()));
    EXPECT_EQ(relaunched.profile().bankroll, 10000 + over.net);
}
