// The game stopped hard at the worst moments, in a child process, and the files it leaves read back
// by a fresh start: no hand is booked twice or lost, and a saved game that stops the program when
// resumed is set aside instead of locking the player out.
#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "HandSettlement.h"
#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceStore.h"
#include "PersistenceTestSupport.h"
#include "Support/TestPaths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

// The folder the child process and the test share. Each run of a test starts it empty; the child
// re-runs the test from its start, so it must not depend on anything drawn at random.
QString sharedFolder(const char* name) {
    return TestPaths::buildFolder() + QStringLiteral("/crash-safety/%1").arg(QString::fromUtf8(name));
}

void emptyFolder(const QString& folder) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
}

enum class StopAt { finishedHandSaved, handBooked };

struct Stop {
    const char* name;
    StopAt at;
    // Every save of the first hand after its first one at this street fails: the folder keeps that
    // one, unfinished, beside the booking.
    std::optional<PokerEngine::Street> lastSaveAt;
    std::int64_t hands = 3;
};

// Passes everything on to the app state, and stops the process the moment the chosen write is done.
class StoppingSession : public QObject, public GameSession {
  public:
    StoppingSession(AppState& state, const Stop& stop)
        : state_(state)
        , stop_(stop) {}
    void record(const SessionEvent& event) override { state_.record(event); }
    void checkpoint(const std::optional<SavedGame>& game) override {
        if (savesFail_) {
            return;
        }
        state_.checkpoint(game);
        savesFail_ = game && stop_.lastSaveAt == game->state.street();
        if (stop_.at == StopAt::finishedHandSaved && game &&
            game->state.street() == PokerEngine::Street::handComplete) {
            std::raise(SIGKILL);
        }
    }
    void recordHand(const std::vector<SessionEvent>& entries, const BookedHand& mark) override {
        state_.recordHand(entries, mark);
        if (stop_.at == StopAt::handBooked) {
            std::raise(SIGKILL);
        }
    }
    void resumeStarted() override { state_.resumeStarted(); }
    void resumeSettled() override { state_.resumeSettled(); }

  private:
    AppState& state_;
    Stop stop_;
    bool savesFail_ = false;
};

GameSetup series(std::int64_t hands) {
    return GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::medium), 20261207, hands});
}

GameSetup threeHands() {
    return series(3);
}

// Plays a whole quick-hand series on files in `folder` and gives the profile it leaves.
Profile uninterruptedRun(const QString& folder, std::int64_t hands = 3) {
    AppState state{PersistenceStore(folder)};
    ControllerHarness harness;
    harness.controller.setSession(&state);
    harness.controller.start(series(hands));
    harness.playToEnd(checkOrCall);
    return state.profile();
}

class CrashSafetyTest : public ::testing::TestWithParam<Stop> {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_P(CrashSafetyTest, AStopAroundTheBookingNeitherBooksTwiceNorLosesTheHand) {
    const Stop& stop = GetParam();
    const QString folder = sharedFolder(stop.name);
    const QString reference = sharedFolder("reference");
    emptyFolder(folder);
    emptyFolder(reference);

    EXPECT_EXIT(
        {
            AppState state{PersistenceStore(folder)};
            StoppingSession stopping(state, stop);
            ControllerHarness harness;
            harness.controller.setSession(&stopping);
            harness.controller.start(series(stop.hands));
            harness.playToEnd(checkOrCall);
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGKILL), "");

    // What the stop left: a save of the first hand, finished unless its last saves failed; booked or
    // not, depending on the moment.
    const PersistenceStore store(folder);
    const auto left = store.readSavedGame();
    ASSERT_TRUE(left.isLoaded());
    EXPECT_EQ(left.value().state.street(), stop.lastSaveAt.value_or(PokerEngine::Street::handComplete));
    EXPECT_EQ(left.value().state.handNumber(), 1);
    const auto booked = store.readProfile();
    EXPECT_EQ(booked.isLoaded(), stop.at == StopAt::handBooked);

    // The next start settles the hand once, whichever side of the booking the stop came.
    AppState restarted{PersistenceStore(folder)};
    EXPECT_EQ(restarted.profile().counters.handsPlayed, 1);
    ASSERT_TRUE(restarted.profile().lastBooked);
    EXPECT_EQ(restarted.profile().lastBooked->hand, 1);
    EXPECT_EQ(AppState{PersistenceStore(folder)}.profile().counters.handsPlayed, 1);

    if (stop.lastSaveAt) {
        // A save from before the booked hand's end is never offered, whatever the player would play
        // from it: it goes, and the player hears of it when the table had more hands to go.
        EXPECT_FALSE(restarted.savedGame());
        EXPECT_EQ(fileNames(folder), QStringList{"profile.json"});
        EXPECT_EQ(restarted.untoldSetAsideSave().has_value(), stop.hands > 1);
        const Profile expected = uninterruptedRun(reference, 1);
        EXPECT_EQ(restarted.profile().bankroll, expected.bankroll);
        EXPECT_EQ(restarted.profile().counters.handsPlayed, expected.counters.handsPlayed);
        return;
    }
    EXPECT_EQ(restarted.profile().lastBooked->ending, handMark(left.value().state));

    // Played on to the end, the series books exactly what an uninterrupted one does.
    ControllerHarness harness;
    harness.controller.setSession(&restarted);
    harness.controller.restore(*restarted.savedGame());
    harness.playToEnd(checkOrCall);
    ASSERT_TRUE(harness.controller.tableOver());
    const Profile expected = uninterruptedRun(reference);
    EXPECT_EQ(restarted.profile().bankroll, expected.bankroll);
    EXPECT_EQ(restarted.profile().counters, expected.counters);
    EXPECT_EQ(expected.counters.handsPlayed, 3);
    EXPECT_FALSE(restarted.savedGame());
}

using PokerEngine::Street;
INSTANTIATE_TEST_SUITE_P(
    Moments, CrashSafetyTest,
    ::testing::Values(Stop{"RightAfterSavingTheFinishedHand", StopAt::finishedHandSaved, std::nullopt},
                      Stop{"RightAfterTheBooking", StopAt::handBooked, std::nullopt},
                      // The last hand of its table, its save failing from each street on.
                      Stop{"BookedWithItsSaveLeftAtPreflop", StopAt::handBooked, Street::preflop, 1},
                      Stop{"BookedWithItsSaveLeftAtTheFlop", StopAt::handBooked, Street::flop, 1},
                      Stop{"BookedWithItsSaveLeftAtTheTurn", StopAt::handBooked, Street::turn, 1},
                      Stop{"BookedWithItsSaveLeftAtTheRiver", StopAt::handBooked, Street::river, 1},
                      Stop{"BookedWithHandsToGoAndItsSaveLeftAtTheRiver", StopAt::handBooked, Street::river}),
    [](const auto& info) { return std::string(info.param.name); });

// Stands in for a fault no check foresaw: the first bot to decide on the resumed table stops the
// program.
class StoppingPolicy final : public BotKit::BotPolicy {
  public:
    PokerEngine::Action decide(const PokerEngine::PlayerView&, const BotKit::BotProfile&,
                               PokerEngine::SeededRNG&) const override {
        std::abort();
    }
};

// A cash table saved with a bot to act, as the game writes it.
SavedGame savedWithABotToAct(const QString& folder) {
    AppState state{PersistenceStore(folder)};
    ControllerHarness harness(std::make_unique<HeldDecisionRunner>());
    harness.controller.setSession(&state);
    harness.controller.start(GameSetup::cashTable({CashStakes::low,
                                                   100,
                                                   TableDifficulty::easy,
                                                   {BotKit::BotProfile::standard(BotKit::BotTier::easy),
                                                    BotKit::BotProfile::standard(BotKit::BotTier::hard)},
                                                   77}));
    for (int step = 0; step < 20 && !harness.controller.thinkingSeat(); ++step) {
        harness.controller.act(checkOrCall(*harness.controller.view()));
    }
    return *state.savedGame();
}

// Resumes the save in `folder` in a child process whose first bot decision stops it.
void resumeAndStop(const QString& folder) {
    EXPECT_EQ(signalThatEnded([&] {
                  AppState state{PersistenceStore(folder)};
                  if (!state.savedGame()) {
                      std::_Exit(3);
                  }
                  ControllerHarness harness(std::make_unique<ImmediateDecisionRunner>(),
                                            std::make_shared<StoppingPolicy>());
                  harness.controller.setSession(&state);
                  harness.controller.restore(*state.savedGame());
              }),
              SIGABRT);
}

TEST(ResumeGuard, ASaveThatStopsTheGameAtTwoResumesInARowIsSetAsideAndThePlayerTold) {
    const QString folder = sharedFolder("guard");
    emptyFolder(folder);
    savedWithABotToAct(folder);
    const QByteArray bytes = readBytes(QDir(folder).filePath("savedgame.json"));
    ASSERT_FALSE(bytes.isEmpty());

    // One stop may be anything (a power cut, a kill): the next start has the table back, and resumes it
    // into the same stop. The same save stopping the game again would do so at every resume.
    resumeAndStop(folder);
    EXPECT_EQ(readBytes(QDir(folder).filePath("savedgame.json")), bytes);
    resumeAndStop(folder);
    PersistenceLogCapture log;
    AppState restarted{PersistenceStore(folder)};
    EXPECT_FALSE(restarted.savedGame());
    EXPECT_TRUE(log.contains("savedgame.json stopped the game at its last 2 resumes; it is set aside as "))
        << log.messages().join("\n").toStdString();
    const auto names = fileNames(folder);
    ASSERT_EQ(names.size(), 1) << names.join(", ").toStdString();
    EXPECT_TRUE(names[0].startsWith("savedgame.unreadable-"));
    EXPECT_EQ(readBytes(QDir(folder).filePath(names[0])), bytes);
    ASSERT_TRUE(restarted.untoldSetAsideSave());
    EXPECT_EQ(*restarted.untoldSetAsideSave(),
              (AppState::SetAsideSave{QDir(folder).filePath(names[0]), SetAsideReason::stoppedResuming}));

    // The player starts another game as usual.
    ControllerHarness harness;
    harness.controller.setSession(&restarted);
    harness.controller.start(threeHands());
    EXPECT_TRUE(restarted.savedGame());
    EXPECT_TRUE(AppState{PersistenceStore(folder)}.savedGame().has_value());
}

TEST(ResumeGuard, TheFinishedHandInASaveIsBookedBeforeTheSaveIsSetAside) {
    const QString folder = sharedFolder("booked-first");
    emptyFolder(folder);
    // A stop right after the finished hand was saved, before its booking.
    ASSERT_EQ(signalThatEnded([&] {
                  AppState state{PersistenceStore(folder)};
                  StoppingSession stopping(state, {"", StopAt::finishedHandSaved, std::nullopt});
                  ControllerHarness harness;
                  harness.controller.setSession(&stopping);
                  harness.controller.start(threeHands());
                  harness.playToEnd(checkOrCall);
              }),
              SIGKILL);
    // And that very save had already stopped a resume once, then stopped the next one too.
    const PersistenceStore store(folder);
    ASSERT_EQ(store.readSavedGame().value().state.street(), PokerEngine::Street::handComplete);
    store.markResuming({store.savedGameDigest(), 1});

    AppState restarted{PersistenceStore(folder)};
    EXPECT_FALSE(restarted.savedGame()) << "set aside";
    EXPECT_TRUE(restarted.untoldSetAsideSave());
    EXPECT_EQ(restarted.profile().counters.handsPlayed, 1) << "the hand it held is booked";
}

TEST(ResumeGuard, AMarkThatNamesNoSaveSetsNothingAside) {
    const QString folder = sharedFolder("torn-mark");
    emptyFolder(folder);
    savedWithABotToAct(folder);
    const QString mark = QDir(folder).filePath(PersistenceStore::resumeMarkFileName);
    // An older version's empty mark, one cut short by a stop, and one with a save but a count gone wrong.
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray(R"({"save":"ab)"), QByteArray(R"({"save":"x","stops":"two"})")}) {
        writeBytes(mark, bytes);
        AppState restarted{PersistenceStore(folder)};
        EXPECT_TRUE(restarted.savedGame()) << bytes.toStdString();
        EXPECT_FALSE(QFileInfo::exists(mark));
    }
}

TEST(ResumeGuard, StopsAtResumesOfDifferentSavesNeverAddUp) {
    const QString folder = sharedFolder("different");
    emptyFolder(folder);
    savedWithABotToAct(folder);
    resumeAndStop(folder);
    // Another table between the two stops: its save's first stop counts as its first.
    savedWithABotToAct(folder);
    resumeAndStop(folder);
    EXPECT_TRUE(AppState{PersistenceStore(folder)}.savedGame());
}

TEST(ResumeGuard, AResumeThatGetsUnderWayOrEndsNormallyKeepsTheSave) {
    const QString folder = sharedFolder("underway");
    emptyFolder(folder);
    savedWithABotToAct(folder);
    const PersistenceStore store(folder);
    // A folder that fails to sync, for good, from the mark's writing on still loses the mark once play
    // is under way: kept, it would count a stop at every start, and set the save aside at the third.
    {
        bool syncFails = false;
        for (int resume = 1; resume <= AppState::resumeStopsBeforeSetAside + 1; ++resume) {
            syncFails = false;
            AppState state{PersistenceStore(folder, [&syncFails](const QString& directory) {
                if (syncFails) {
                    throw PersistenceError("Input/output error");
                }
                return syncFolder(directory);
            })};
            ASSERT_TRUE(state.savedGame()) << "resume " << resume;
            syncFails = true;
            ControllerHarness harness;
            harness.controller.setSession(&state);
            harness.controller.restore(*state.savedGame());
            EXPECT_TRUE(store.hasResumeMark()) << "resume " << resume;
            int hands = 0;
            harness.stepOnce(checkOrCall, hands);
            EXPECT_FALSE(store.hasResumeMark()) << "resume " << resume;
        }
    }
    {
        AppState state{PersistenceStore(folder)};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.restore(*state.savedGame());
        EXPECT_TRUE(store.hasResumeMark());
        int hands = 0;
        harness.stepOnce(checkOrCall, hands);
        EXPECT_FALSE(store.hasResumeMark()) << "the resumed table moved on: play is under way";

        harness.controller.leaveTable();
        harness.controller.start(threeHands());
        harness.controller.restore(*state.savedGame());
        EXPECT_TRUE(store.hasResumeMark());
    }
    // A table resumed on the player's turn stands still: once it has stood a moment, it is under way.
    {
        AppState state{PersistenceStore(folder)};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.restore(*state.savedGame());
        for (int step = 0, hands = 0; step < 20 && !harness.controller.isHeroTurn(); ++step) {
            harness.stepOnce(checkOrCall, hands);
        }
        ASSERT_TRUE(harness.controller.isHeroTurn());
        const SavedGame heroToAct = *state.savedGame();
        harness.controller.leaveTable();
        state.checkpoint(heroToAct);
        harness.controller.restore(heroToAct);
        EXPECT_TRUE(store.hasResumeMark());
        harness.scheduler.advance(std::chrono::milliseconds(1000));
        EXPECT_TRUE(store.hasResumeMark());
        harness.scheduler.advance(std::chrono::milliseconds(600));
        EXPECT_FALSE(store.hasResumeMark());
    }
    // The app closed normally before the resumed hand was over: the save stays.
    EXPECT_FALSE(store.hasResumeMark());
    EXPECT_TRUE(AppState{PersistenceStore(folder)}.savedGame());
}

} // namespace
