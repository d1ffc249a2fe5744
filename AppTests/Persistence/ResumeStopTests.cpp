// A player's table through a long run of hard stops, one at each moment of a resume, each by a kill
// or a terminate of a child process: after every one the next start has the table back, and the
// series, played to its end, books each hand exactly once.
#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Persistence/PersistenceStore.h"
#include "PersistenceTestSupport.h"
#include "Support/TestPaths.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

enum class Moment {
    beforeTheRead,
    afterTheRead,
    rightAfterResume,
    midHand,
    afterTheHandEnds,
    afterTheBooking,
    beforeTheNextDeal,
};

const char* nameOf(Moment moment) {
    switch (moment) {
    case Moment::beforeTheRead:
        return "before the read";
    case Moment::afterTheRead:
        return "after the read";
    case Moment::rightAfterResume:
        return "right after Resume";
    case Moment::midHand:
        return "mid-hand";
    case Moment::afterTheHandEnds:
        return "after the hand ends";
    case Moment::afterTheBooking:
        return "after the booking";
    case Moment::beforeTheNextDeal:
        return "before the next deal";
    }
    return "";
}

QString folderNamed(const char* name) {
    return TestPaths::buildFolder() + QStringLiteral("/resume-stops/%1").arg(QString::fromUtf8(name));
}

GameSetup series() {
    return GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::medium), 20261208, 6});
}

// Passes everything on to the app state and stops the process after the write the moment names.
class StoppingSession : public QObject, public GameSession {
  public:
    StoppingSession(AppState& state, Moment moment, int signal)
        : state_(state)
        , moment_(moment)
        , signal_(signal) {}
    void record(const SessionEvent& event) override { state_.record(event); }
    void checkpoint(const std::optional<SavedGame>& game) override {
        state_.checkpoint(game);
        if (moment_ == Moment::afterTheHandEnds && game &&
            game->state.street() == PokerEngine::Street::handComplete) {
            std::raise(signal_);
        }
    }
    void recordHand(const std::vector<SessionEvent>& entries, const BookedHand& mark) override {
        state_.recordHand(entries, mark);
        if (moment_ == Moment::afterTheBooking) {
            std::raise(signal_);
        }
    }
    void resumeStarted() override { state_.resumeStarted(); }
    void resumeSettled() override { state_.resumeSettled(); }

  private:
    AppState& state_;
    Moment moment_;
    int signal_;
};

// One start of the game in this (child) process, stopped by `signal` at `moment`.
void startAndStop(const QString& folder, Moment moment, int signal) {
    if (moment == Moment::beforeTheRead) {
        std::raise(signal);
    }
    AppState state{PersistenceStore(folder)};
    if (moment == Moment::afterTheRead || !state.savedGame()) {
        std::raise(signal);
    }
    StoppingSession stopping(state, moment, signal);
    ControllerHarness harness;
    harness.controller.setSession(&stopping);
    harness.controller.restore(*state.savedGame());
    if (moment == Moment::rightAfterResume) {
        std::raise(signal);
    }
    int hands = 0;
    for (int step = 0; step < 100000 && !harness.controller.tableOver(); ++step) {
        if (moment == Moment::beforeTheNextDeal && harness.controller.isShowingResult() &&
            !harness.scheduler.nextDue() && !harness.controller.isHeroTurn()) {
            std::raise(signal);
        }
        harness.stepOnce(checkOrCall, hands);
        if (moment == Moment::midHand && step == 1) {
            std::raise(signal);
        }
    }
    std::raise(signal);
}

Profile uninterruptedSeries(const QString& folder) {
    AppState state{PersistenceStore(folder)};
    ControllerHarness harness;
    harness.controller.setSession(&state);
    harness.controller.start(series());
    harness.playToEnd(checkOrCall);
    return state.profile();
}

TEST(ResumeStops, TheTableComesBackAfterEveryStopAndEachHandIsBookedOnce) {
    const QString folder = folderNamed("series");
    const QString reference = folderNamed("reference");
    for (const QString& each : {folder, reference}) {
        QDir(each).removeRecursively();
        QDir().mkpath(each);
    }
    const Profile expected = uninterruptedSeries(reference);
    ASSERT_EQ(expected.counters.handsPlayed, 6);
    {
        // The series starts and is saved at the player's first turn.
        AppState state{PersistenceStore(folder)};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.start(series());
        for (int step = 0, hands = 0; step < 20 && !harness.controller.isHeroTurn(); ++step) {
            harness.stepOnce(checkOrCall, hands);
        }
    }

    // Each stop that could follow a Resume, in an order where no save is resumed into a stop twice
    // in a row (that is how a save that stops the game is told from an ordinary stop).
    const std::vector<Moment> cycle{
        Moment::beforeTheRead,   Moment::afterTheRead,      Moment::rightAfterResume,
        Moment::midHand,         Moment::rightAfterResume,  Moment::afterTheHandEnds,
        Moment::afterTheBooking, Moment::beforeTheNextDeal, Moment::midHand};
    int rounds = 0;
    for (; rounds < 60; ++rounds) {
        const Moment moment = cycle[static_cast<std::size_t>(rounds) % cycle.size()];
        const int signal = rounds % 2 == 0 ? SIGKILL : SIGTERM;
        SCOPED_TRACE(testing::Message() << "round " << rounds << ": " << nameOf(moment) << " by "
                                        << (signal == SIGKILL ? "kill" : "terminate"));
        ASSERT_EQ(signalThatEnded([&] { startAndStop(folder, moment, signal); }), signal);
        // Looked at without starting the game, so that the next start is the one that reads the files.
        const PersistenceStore store(folder);
        const auto names = fileNames(folder);
        EXPECT_FALSE(names.filter("unreadable").size()) << names.join(", ").toStdString();
        const auto booked = store.readProfile();
        EXPECT_LE(booked.isLoaded() ? booked.value().counters.handsPlayed : 0, 6);
        if (!store.readSavedGame().isLoaded()) {
            ASSERT_TRUE(booked.isLoaded());
            EXPECT_EQ(booked.value().counters.handsPlayed, 6) << "the table went before the series ended";
            break;
        }
    }
    EXPECT_GE(rounds, static_cast<int>(cycle.size())) << "every moment was tried";

    const Profile played = AppState{PersistenceStore(folder)}.profile();
    EXPECT_EQ(played.bankroll, expected.bankroll);
    EXPECT_EQ(played.counters, expected.counters);
    const auto names = QDir(folder).entryList(QDir::Files);
    EXPECT_EQ(names, QStringList{"profile.json"}) << names.join(", ").toStdString();
}

} // namespace
