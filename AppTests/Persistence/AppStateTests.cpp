#include "AppState.h"
#include "HandSettlement.h"
#include "Persistence/PersistenceError.h"
#include "PersistenceTestSupport.h"
#include "SavedGameFixtures.h"

#include <nlohmann/json.hpp>

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

Instant marchDay(int dayOfMarch, int hour = 10) {
    return sys_days(year(2026) / 3 / dayOfMarch) + hours(hour);
}

// Counts each change signal of an app state.
struct Signals {
    explicit Signals(AppState& state) {
        QObject::connect(&state, &AppState::profileChanged, [this] { ++profile; });
        QObject::connect(&state, &AppState::savedGameChanged, [this] { ++savedGame; });
        QObject::connect(&state, &AppState::lastRefillAmountChanged, [this] { ++refill; });
    }
    int profile = 0;
    int savedGame = 0;
    int refill = 0;
};

class AppStateTest : public ::testing::Test {
  public:
    QString folder() const { return temporary.filePath("Chipwhistle"); }
    QString file(const QString& name) const { return QDir(folder()).filePath(name); }
    PersistenceStore store() {
        return PersistenceStore(folder(), [this](const QString& directory) {
            if (folderSyncFails) {
                throw PersistenceError("Input/output error");
            }
            return syncFolder(directory);
        });
    }
    std::unique_ptr<AppState> start() {
        return std::make_unique<AppState>(
            store(), [this] { return now; }, QTimeZone::utc());
    }
    void storeProfile(const Profile& profile) { store().writeProfile(profile); }
    Profile storedProfile() { return store().readProfile().value(); }

    QTemporaryDir temporary;
    bool folderSyncFails = false;
    Instant now = marchDay(7);
    PersistenceLogCapture log;
};

Profile onboardedWith(std::int64_t bankroll, CalendarDay checked) {
    Profile profile;
    profile.onboarded = true;
    profile.bankroll = bankroll;
    profile.lastRefillCheckDay = checked;
    return profile;
}

} // namespace

TEST(AppStateWithoutStore, WorksInMemory) {
    AppState state(
        std::nullopt, [] { return marchDay(9); }, QTimeZone::utc());
    EXPECT_EQ(state.profile(), Profile());
    EXPECT_FALSE(state.savedGame());
    EXPECT_EQ(state.lastRefillAmount(), 0);

    Signals count(state);
    state.setSoundsOn(false);
    state.setSoundsOn(false);
    state.record(SessionEvent::handFinished(GameMode::cashTable, -120));
    state.checkpoint(SavedGameFixtures::quickHand(1));
    EXPECT_EQ(count.profile, 2);
    EXPECT_EQ(count.savedGame, 1);
    EXPECT_FALSE(state.soundsOn());
    EXPECT_EQ(state.profile().bankroll, 9880);
    EXPECT_TRUE(state.savedGame());
    state.checkpoint(std::nullopt);
    EXPECT_FALSE(state.savedGame());
    EXPECT_EQ(count.savedGame, 2);
}

TEST_F(AppStateTest, EmptyFolderGivesDefaultsAndWritesNothingUntilAChange) {
    const auto state = start();
    EXPECT_EQ(state->profile(), Profile());
    EXPECT_FALSE(state->savedGame());
    EXPECT_EQ(state->lastRefillAmount(), 0);
    EXPECT_TRUE(fileNames(folder()).isEmpty());
    state->completeOnboarding();
    EXPECT_EQ(fileNames(folder()), QStringList{"profile.json"});
    EXPECT_EQ(storedProfile(), state->profile());
}

TEST_F(AppStateTest, RefillsAnOnboardedPlayerOnANewDayOnly) {
    storeProfile(onboardedWith(800, {2026, 3, 6}));
    {
        const auto state = start();
        EXPECT_EQ(state->profile().bankroll, 2000);
        EXPECT_EQ(state->lastRefillAmount(), 1200);
        EXPECT_EQ(storedProfile(), state->profile());
    }
    const auto again = start();
    EXPECT_EQ(again->profile(), storedProfile());
    EXPECT_EQ(again->lastRefillAmount(), 0);
}

TEST_F(AppStateTest, NewDayWithEnoughChipsOnlyRecordsTheDay) {
    storeProfile(onboardedWith(5000, {2026, 3, 6}));
    const auto state = start();
    EXPECT_EQ(state->profile().bankroll, 5000);
    EXPECT_EQ(state->profile().lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(storedProfile().lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(state->lastRefillAmount(), 0);
}

TEST_F(AppStateTest, PlayerNotOnboardedGetsNoRefill) {
    Profile profile;
    profile.bankroll = 10;
    storeProfile(profile);
    const auto state = start();
    EXPECT_EQ(state->profile(), profile);
    state->refillIfNewDay();
    EXPECT_EQ(state->profile().bankroll, 2000);
    EXPECT_EQ(state->lastRefillAmount(), 1990);
}

TEST_F(AppStateTest, LobbyRefillFollowsTheClock) {
    storeProfile(onboardedWith(3000, {2026, 3, 7}));
    const auto state = start();
    Signals count(*state);
    state->record(SessionEvent::handFinished(GameMode::cashTable, -2500));
    state->refillIfNewDay();
    EXPECT_EQ(state->profile().bankroll, 500);
    now = marchDay(8, 0);
    state->refillIfNewDay();
    EXPECT_EQ(state->profile().bankroll, 2000);
    EXPECT_EQ(state->lastRefillAmount(), 1500);
    EXPECT_EQ(count.refill, 1);
    EXPECT_EQ(storedProfile(), state->profile());
}

TEST_F(AppStateTest, AnUnchangedSettingWritesNothing) {
    storeProfile(Profile());
    const auto state = start();
    Signals count(*state);
    QFile::remove(file("profile.json"));
    state->setSoundsOn(true);
    state->setChoices(NewGameChoices());
    state->setProfile(Profile());
    EXPECT_FALSE(QFileInfo::exists(file("profile.json")));
    EXPECT_EQ(count.profile, 0);
    state->setSoundsOn(false);
    EXPECT_TRUE(QFileInfo::exists(file("profile.json")));
    EXPECT_EQ(count.profile, 1);
}

TEST_F(AppStateTest, EverySettingIsSaved) {
    const auto state = start();
    state->setBotSpeed(BotSpeed::fast);
    state->setAutoDeal(true);
    state->setFourColorDeck(true);
    state->setSoundsOn(false);
    state->setShowStackInMenuBar(true);
    state->setHotkey({true, KeyShortcut{40, true, false, false, false, "K"}});
    state->setDefaultTable(GameMode::cashTable);
    state->setLaunchSurface(LaunchSurface::window);
    state->setLearningMode(true);
    NewGameChoices choices;
    choices.cashOpponents = 2;
    state->setChoices(choices);
    const AppSettings expected{BotSpeed::fast,
                               true,
                               TableStyleID::satin,
                               true,
                               false,
                               true,
                               {true, {40, true, false, false, false, "K"}},
                               GameMode::cashTable,
                               LaunchSurface::window,
                               true};
    EXPECT_EQ(state->profile().settings, expected);
    EXPECT_EQ(storedProfile().settings, expected);
    EXPECT_EQ(storedProfile().choices.cashOpponents, 2);
}

TEST_F(AppStateTest, BooksEveryKindOfSessionEventAndSavesOnlyRealChanges) {
    const auto state = start();
    Signals count(*state);
    state->record(SessionEvent::handFinished(GameMode::quickHand, 40));
    state->record(SessionEvent::handFinished(GameMode::cashTable, -120));
    state->record(SessionEvent::handFinished(GameMode::sitAndGo, 300));
    state->record(SessionEvent::handFinished(GameMode::practice, 999));
    state->record(SessionEvent::tableFinished(GameMode::sitAndGo, 1450, 1));
    state->record(SessionEvent::tableFinished(GameMode::sitAndGo, 550, 2));
    state->record(SessionEvent::tableFinished(GameMode::sitAndGo, -500, 4));
    state->record(SessionEvent::tableFinished(GameMode::quickHand, 0, std::nullopt));
    state->record(SessionEvent::tableFinished(GameMode::cashTable, -80, std::nullopt));
    state->record(SessionEvent::tableFinished(GameMode::practice, -5, std::nullopt));
    EXPECT_EQ(state->profile().bankroll, 10000 + 40 - 120 + 1450 + 550 - 500 - 80);
    EXPECT_EQ(state->profile().counters, (LifetimeCounters{3, 1, 3, 1, 1}));
    // A quick-hand series ending and practice entries change nothing, so they tell nobody.
    EXPECT_EQ(count.profile, 7);
    EXPECT_EQ(storedProfile(), state->profile());
}

TEST_F(AppStateTest, CheckpointWritesAndDeletesTheSave) {
    const auto game = SavedGameFixtures::cashTable(2, 3);
    {
        const auto state = start();
        Signals count(*state);
        state->checkpoint(std::nullopt);
        EXPECT_EQ(count.savedGame, 0);
        state->checkpoint(game);
        state->checkpoint(game);
        EXPECT_EQ(count.savedGame, 1);
        EXPECT_TRUE(log.messages().isEmpty());
    }
    const auto restarted = start();
    ASSERT_TRUE(restarted->savedGame());
    EXPECT_EQ(*restarted->savedGame(), game);
    restarted->checkpoint(std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(file("savedgame.json")));

    // A save that can't be removed is logged once, and removed once it can be.
    ManualScheduler scheduler;
    restarted->retryFailedWritesOn(scheduler);
    restarted->checkpoint(game);
    QFile::remove(file("savedgame.json"));
    QDir().mkpath(file("savedgame.json"));
    writeBytes(QDir(file("savedgame.json")).filePath("in the way"), "x");
    restarted->checkpoint(std::nullopt);
    scheduler.advance(AppState::writeRetryPeriod * 3);
    EXPECT_EQ(log.messages().filter("couldn't remove savedgame.json: ").size(), 1)
        << log.messages().join("\n").toStdString();
    QDir(file("savedgame.json")).removeRecursively();
    writeBytes(file("savedgame.json"), "left by the stop");
    scheduler.advance(AppState::writeRetryPeriod);
    EXPECT_FALSE(QFileInfo::exists(file("savedgame.json")));
    EXPECT_TRUE(log.contains("savedgame.json is removed"));
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST_F(AppStateTest, ASaveStandingAtAHandBookedAlreadyIsRemovedNotOffered) {
    using PokerEngine::Street;
    const auto bookedAt = [](const SavedGame& game, std::int64_t hand, bool ended) {
        return BookedHand{"00000000000000ff", tableMark(game.setup, game.hero), hand, ended};
    };
    const auto anotherTable = [](const SavedGame& game) {
        return BookedHand{"00000000000000ff", tableMark(game.setup, PokerEngine::PlayerID::random()), 9,
                          false};
    };
    const auto olderRecord = [](const SavedGame&) { return BookedHand{"00000000000000ff", "", 0, false}; };
    using Told = std::optional<SetAsideReason>;
    struct Case {
        const char* name;
        SavedGame game;
        Street street;
        std::function<BookedHand(const SavedGame&)> booked;
        bool offered;
        Told told;
    };
    const auto quick = [](int actions) { return SavedGameFixtures::quickHand(actions); };
    const std::vector<Case> cases = {
        {"preflop, the table going on", quick(0), Street::preflop,
         [&](const SavedGame& g) { return bookedAt(g, 1, false); }, false, SetAsideReason::bookedAhead},
        {"flop, the table ended", quick(2), Street::flop,
         [&](const SavedGame& g) { return bookedAt(g, 1, true); }, false, std::nullopt},
        {"turn of a cash table", SavedGameFixtures::cashTable(2, 6), Street::turn,
         [&](const SavedGame& g) { return bookedAt(g, 1, false); }, false, SetAsideReason::bookedAhead},
        {"river, the table going on", quick(8), Street::river,
         [&](const SavedGame& g) { return bookedAt(g, 1, false); }, false, SetAsideReason::bookedAhead},
        {"a Sit & Go", SavedGameFixtures::sitAndGo(4), Street::preflop,
         [&](const SavedGame& g) { return bookedAt(g, 1, false); }, false, SetAsideReason::bookedAhead},
        {"a hand before the booked one", quick(1), Street::preflop,
         [&](const SavedGame& g) { return bookedAt(g, 2, true); }, false, std::nullopt},
        {"the booked hand's end", quick(99), Street::handComplete,
         [&](const SavedGame& g) { return bookedAt(g, 1, false); }, true, std::nullopt},
        {"another table", quick(1), Street::preflop, anotherTable, true, std::nullopt},
        {"an older profile's record", quick(1), Street::preflop, olderRecord, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder()).removeRecursively();
        Profile profile;
        profile.bankroll = 9848;
        profile.counters.handsPlayed = 1;
        profile.lastBooked = c.booked(c.game);
        storeProfile(profile);
        store().writeSavedGame(c.game);
        ASSERT_EQ(c.game.state.street(), c.street) << "the fixture's street";

        const auto state = start();
        EXPECT_EQ(state->savedGame().has_value(), c.offered);
        EXPECT_EQ(QFileInfo::exists(file("savedgame.json")), c.offered);
        EXPECT_EQ(state->profile(), profile) << "nothing is booked again";
        EXPECT_EQ(state->untoldSetAsideSave(),
                  c.told ? std::optional(AppState::SetAsideSave{QString(), *c.told}) : std::nullopt);
    }
}

TEST_F(AppStateTest, SpendableSubtractsTheForfeit) {
    const auto state = start();
    state->checkpoint(SavedGameFixtures::sitAndGo(4));
    EXPECT_EQ(state->spendable(), 9500);
    state->checkpoint(SavedGameFixtures::cashTable(2, -1));
    EXPECT_EQ(state->spendable(), 10000);
    const auto midHand = SavedGameFixtures::cashTable(2, 4);
    state->checkpoint(midHand);
    const auto committed = SavedGame::forfeit(midHand.setup, midHand.state, midHand.hero);
    EXPECT_GT(committed, 0);
    EXPECT_EQ(state->spendable(), 10000 - committed);
}

TEST_F(AppStateTest, AbandoningACashTableBetweenHandsCostsNothing) {
    storeProfile(Profile());
    const auto state = start();
    state->checkpoint(SavedGameFixtures::cashTable(3, -1));
    QFile::remove(file("profile.json"));
    state->abandonSavedGame();
    EXPECT_EQ(state->profile(), Profile());
    EXPECT_FALSE(state->savedGame());
    EXPECT_FALSE(QFileInfo::exists(file("savedgame.json")));
    EXPECT_FALSE(QFileInfo::exists(file("profile.json")));
    state->abandonSavedGame();
    EXPECT_EQ(state->profile(), Profile());
}

TEST_F(AppStateTest, AbandoningASitAndGoForfeitsTheBuyIn) {
    const auto state = start();
    state->checkpoint(SavedGameFixtures::sitAndGo(2));
    state->abandonSavedGame();
    EXPECT_EQ(state->profile().bankroll, 9500);
    EXPECT_EQ(state->profile().counters, (LifetimeCounters{0, 0, 1, 0, 0}));
    EXPECT_EQ(storedProfile(), state->profile());
    EXPECT_FALSE(QFileInfo::exists(file("savedgame.json")));
}

TEST_F(AppStateTest, OnboardingGivesAFreshBankrollAndCountsTodayAsRefilled) {
    Profile profile;
    profile.bankroll = 350;
    profile.counters.handsPlayed = 12;
    storeProfile(profile);
    const auto state = start();
    state->completeOnboarding();
    EXPECT_TRUE(state->profile().onboarded);
    EXPECT_EQ(state->profile().bankroll, 10000);
    EXPECT_EQ(state->profile().lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(state->profile().counters.handsPlayed, 12);
    state->record(SessionEvent::handFinished(GameMode::cashTable, -9000));
    state->refillIfNewDay();
    EXPECT_EQ(state->profile().bankroll, 1000);
    EXPECT_EQ(state->lastRefillAmount(), 0);
}

TEST_F(AppStateTest, ResettingTheBankrollKeepsCountersAndClearsTheRefillLine) {
    Profile profile = onboardedWith(800, {2026, 3, 6});
    profile.counters.sitAndGosPlayed = 3;
    storeProfile(profile);
    const auto state = start();
    ASSERT_EQ(state->lastRefillAmount(), 1200);
    state->resetBankroll();
    EXPECT_EQ(state->profile().bankroll, 10000);
    EXPECT_EQ(state->lastRefillAmount(), 0);
    EXPECT_EQ(state->profile().counters.sitAndGosPlayed, 3);
    EXPECT_EQ(storedProfile().bankroll, 10000);
}

TEST_F(AppStateTest, FailedWritesAreLoggedAndCaughtUpAtTheNextChange) {
    writeBytes(folder(), "a file where the folder should be");
    const auto state = start();
    state->setSoundsOn(false);
    state->setAutoDeal(true);
    state->checkpoint(SavedGameFixtures::quickHand(1));
    state->checkpoint(SavedGameFixtures::quickHand(2));
    // A failure that repeats at every change or move is told once.
    EXPECT_EQ(log.messages().filter("couldn't save the profile: ").size(), 1);
    EXPECT_EQ(log.messages().filter("couldn't save the game: ").size(), 1);
    EXPECT_FALSE(state->soundsOn());
    EXPECT_TRUE(state->savedGame());

    // The obstacle goes away; the next change of the profile, even to an equal value, writes it all.
    QFile::remove(folder());
    state->setAutoDeal(true);
    EXPECT_FALSE(storedProfile().settings.soundsOn);
    EXPECT_TRUE(storedProfile().settings.autoDeal);
    state->checkpoint(SavedGameFixtures::quickHand(3));
    EXPECT_EQ(log.messages().filter("the profile is saved again").size(), 1);
    EXPECT_EQ(log.messages().filter("the game is saved again").size(), 1);
    state->checkpoint(SavedGameFixtures::quickHand(4));
    EXPECT_EQ(log.messages().filter("the game is saved again").size(), 1);

    QFile::remove(file("profile.json"));
    state->setAutoDeal(true);
    EXPECT_FALSE(QFileInfo::exists(file("profile.json")));

    // A new failure after the recovery is told again.
    QDir(folder()).removeRecursively();
    writeBytes(folder(), "in the way again");
    state->setSoundsOn(true);
    EXPECT_EQ(log.messages().filter("couldn't save the profile: ").size(), 2);
}

// What keeps the profile from the disk keeps the table from it too: a table saved ahead of the
// profile would be resumed after a stop with the hands booked in between lost.
namespace {

struct Obstacle {
    const char* name;
    std::function<void(AppStateTest&, bool)> place;
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.name;
}

class ObstacleTest : public AppStateTest, public ::testing::WithParamInterface<Obstacle> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Obstacles, ObstacleTest,
    ::testing::Values(Obstacle{"AFileWhereTheFolderShouldBe",
                               [](AppStateTest& test, bool in) {
                                   in ? writeBytes(test.folder(), "in the way")
                                      : void(QFile::remove(test.folder()));
                               }},
                      Obstacle{"AFolderThatCantBeSynced",
                               [](AppStateTest& test, bool in) { test.folderSyncFails = in; }},
                      Obstacle{"AProfileThatCantTakeItsName",
                               [](AppStateTest& test, bool in) {
                                   in ? void(QDir().mkpath(test.file("profile.json")))
                                      : void(QDir(test.file("profile.json")).removeRecursively());
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ObstacleTest, WhatAFolderRefusedIsWrittenSoonAfterItTakesWritesWithNoChangeNeeded) {
    const auto state = start();
    GetParam().place(*this, true);
    ManualScheduler scheduler;
    state->retryFailedWritesOn(scheduler);
    state->completeOnboarding();
    state->setSoundsOn(false);
    state->checkpoint(SavedGameFixtures::quickHand(1));
    scheduler.advance(AppState::writeRetryPeriod * 10);
    EXPECT_EQ(log.messages().filter("couldn't save the profile: ").size(), 1);
    EXPECT_EQ(log.messages().filter("couldn't save the game: ").size(), 1);
    EXPECT_FALSE(QFileInfo(file("savedgame.json")).isFile());

    GetParam().place(*this, false);
    scheduler.advance(AppState::writeRetryPeriod);
    const auto profile = store().readProfile();
    const auto game = store().readSavedGame();
    ASSERT_TRUE(profile.isLoaded() && game.isLoaded()) << "both written with no change needed";
    EXPECT_EQ(profile.value(), state->profile());
    EXPECT_EQ(game.value(), *state->savedGame());
    EXPECT_EQ(log.messages().filter("the profile is saved again").size(), 1);
    EXPECT_EQ(log.messages().filter("the game is saved again").size(), 1);
    EXPECT_EQ(scheduler.pendingCount(), 0u) << "nothing is retried once all is saved";
}

TEST_F(AppStateTest, AFinishedHandIsBookedOnceUnderItsMark) {
    const auto state = start();
    const std::vector<SessionEvent> hand{SessionEvent::handFinished(GameMode::quickHand, 50),
                                         SessionEvent::tableFinished(GameMode::quickHand, 0, std::nullopt)};
    const BookedHand mark{"0000000000000001", "00000000000000a1", 3, true};
    state->recordHand(hand, mark);
    EXPECT_EQ(storedProfile().bankroll, 10050);
    EXPECT_EQ(storedProfile().counters.handsPlayed, 1);
    EXPECT_EQ(storedProfile().lastBooked, mark);

    // The same hand settled again after a restart books nothing: as it ended, or replayed from an
    // earlier save of it, or of an earlier hand, to another ending.
    const auto restarted = start();
    for (const BookedHand& again : {mark, BookedHand{"00000000000000ff", "00000000000000a1", 3, false},
                                    BookedHand{"00000000000000fe", "00000000000000a1", 2, false}}) {
        restarted->recordHand(hand, again);
        EXPECT_EQ(restarted->profile().bankroll, 10050) << again.ending;
        EXPECT_EQ(restarted->profile().counters.handsPlayed, 1) << again.ending;
    }
    EXPECT_TRUE(log.contains("hand 0000000000000001 is booked already"));

    // The next hand of the table is booked, and so is a hand of another table.
    restarted->recordHand({SessionEvent::handFinished(GameMode::cashTable, -20)},
                          {"0000000000000002", "00000000000000a1", 4, false});
    restarted->recordHand({SessionEvent::handFinished(GameMode::cashTable, -20)},
                          {"0000000000000003", "00000000000000b2", 1, false});
    EXPECT_EQ(storedProfile().bankroll, 10010);
    EXPECT_EQ(storedProfile().counters.handsPlayed, 3);
}

TEST_F(AppStateTest, AProfileThatCouldNotBeReadIsNeverReplaced) {
    QDir().mkpath(file("profile.json"));
    store().writeSavedGame(SavedGameFixtures::sitAndGo(3));
    const auto state = start();
    ManualScheduler scheduler;
    state->retryFailedWritesOn(scheduler);
    EXPECT_EQ(state->profile(), Profile());
    state->completeOnboarding();
    EXPECT_TRUE(state->profile().onboarded);
    EXPECT_TRUE(log.contains("couldn't save the profile: "));
    EXPECT_TRUE(QFileInfo(file("profile.json")).isDir());

    // The forfeit of a table left can't reach the disk: its save stays, to be left at a later start.
    state->abandonSavedGame();
    EXPECT_FALSE(state->savedGame());
    EXPECT_TRUE(QFileInfo::exists(file("savedgame.json")));
    EXPECT_EQ(scheduler.pendingCount(), 0u) << "what waits on a file kept as it is is not retried";
}

TEST_F(AppStateTest, DamagedFilesAreSetAsideAndTheAppStartsFromDefaults) {
    QDir().mkpath(folder());
    writeBytes(file("profile.json"), R"({"schemaVersion":1})");
    auto damaged = nlohmann::json(SavedGameFixtures::sitAndGo(3));
    damaged["replacementsSeated"] = -2;
    writeBytes(file("savedgame.json"), QByteArray::fromStdString(damaged.dump()));
    const auto state = start();
    EXPECT_EQ(state->profile(), Profile());
    EXPECT_FALSE(state->savedGame());
    const auto names = fileNames(folder());
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[0].startsWith("profile.unreadable-"));
    EXPECT_TRUE(names[1].startsWith("savedgame.unreadable-"));
    state->completeOnboarding();
    EXPECT_EQ(fileNames(folder()).size(), 3);
}
