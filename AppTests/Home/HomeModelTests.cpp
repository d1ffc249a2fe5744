#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"
#include "Views/Home/HomeModel.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/LobbyText.h"

#include "Game/ControllerHarness.h"
#include "Home/LobbyHarness.h"
#include "Persistence/PersistenceStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

GameSetup quickSetup(std::uint64_t seed) {
    return GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, seed, 1));
}

} // namespace

TEST(HomeModelCosts, EachModeOneChipShortShowsTheNoticeAndExactlyEnoughGoesOn) {
    for (GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable}) {
        const std::int64_t cost = GameModeRules::entryCost(mode);
        {
            LobbyHarness lobby;
            lobby.setBankroll(cost - 1);
            lobby.home.choose(mode);
            EXPECT_EQ(lobby.home.notice(), HomeNotice::cantAfford(mode, cost))
                << LobbyText::modeTitle(mode).toStdString();
            EXPECT_FALSE(lobby.home.sheet());
            lobby.home.play(mode);
            EXPECT_EQ(lobby.home.notice(), HomeNotice::cantAfford(mode, cost));
            EXPECT_FALSE(lobby.controller.hasTable());
            EXPECT_EQ(lobby.state.profile().bankroll, cost - 1);
        }
        {
            LobbyHarness lobby;
            lobby.setBankroll(cost);
            lobby.home.choose(mode);
            EXPECT_EQ(lobby.home.notice(), std::nullopt);
            ASSERT_TRUE(lobby.home.sheet());
            EXPECT_EQ(lobby.home.sheet()->mode(), mode);
        }
    }
}

TEST(HomeModelPlay, DealsQuickHandAndSitAndGoAtOnceButCashAlwaysOpensTheSheet) {
    LobbyHarness lobby;
    lobby.home.play(GameMode::cashTable);
    EXPECT_FALSE(lobby.controller.hasTable());
    ASSERT_TRUE(lobby.home.sheet());
    EXPECT_EQ(lobby.home.sheet()->mode(), GameMode::cashTable);

    LobbyHarness quick;
    quick.setChoices([](NewGameChoices& c) {
        c.quickHandHands = 3;
        c.quickHandDifficulty = TableDifficulty::hard;
    });
    quick.home.play(GameMode::quickHand);
    ASSERT_TRUE(quick.controller.hasTable());
    EXPECT_EQ(quick.controller.setup(),
              GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::hard, 1000, 3)));

    LobbyHarness sitAndGo;
    sitAndGo.home.play(GameMode::sitAndGo);
    ASSERT_TRUE(sitAndGo.controller.setup());
    const auto& setup = std::get<SitAndGoSetup>(sitAndGo.controller.setup()->value());
    EXPECT_EQ(setup.opponents.size(), 5u);
    EXPECT_EQ(setup.seed, 1000u);
}

TEST(HomeModelPlay, PracticeAlwaysDealsTheSameFreeHand) {
    LobbyHarness lobby;
    lobby.setBankroll(0);
    lobby.home.play(GameMode::practice);
    ASSERT_TRUE(lobby.controller.setup());
    const auto& practice = std::get<PracticeSetup>(lobby.controller.setup()->value());
    EXPECT_EQ(practice.seed, 4358u);
    EXPECT_EQ(practice.opponent, BotKit::BotProfile::standard(BotKit::BotTier::easy));
}

TEST(HomeModelBegin, AsksOnceBeforeGivingUpASavedSitAndGoThenBooksItAndStarts) {
    LobbyHarness lobby;
    lobby.state.checkpoint(SavedGameFixtures::sitAndGo(2));
    lobby.home.openSheet(GameMode::quickHand);
    lobby.home.begin(quickSetup(1));
    EXPECT_EQ(lobby.home.notice(), HomeNotice::replaceSaved(quickSetup(1)));
    EXPECT_FALSE(lobby.home.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());
    EXPECT_TRUE(lobby.state.savedGame());
    EXPECT_EQ(lobby.state.profile().bankroll, 10000);

    // A setup built anew is a different game and is asked about again.
    lobby.home.begin(quickSetup(2));
    EXPECT_EQ(lobby.home.notice(), HomeNotice::replaceSaved(quickSetup(2)));
    EXPECT_FALSE(lobby.controller.hasTable());

    // The notice's confirm hands back its own setup.
    const auto* asked = lobby.home.notice()->asReplaceSaved();
    ASSERT_TRUE(asked);
    lobby.home.begin(asked->setup);
    EXPECT_EQ(lobby.home.notice(), std::nullopt);
    EXPECT_EQ(lobby.state.profile().bankroll, 9500);
    EXPECT_EQ(lobby.state.profile().counters.sitAndGosPlayed, 1);
    ASSERT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup(), quickSetup(2));
    EXPECT_FALSE(lobby.state.savedGame() && lobby.state.savedGame()->setup.mode() == GameMode::sitAndGo);
}

TEST(HomeModelBegin, DismissingTheQuestionKeepsTheSavedGame) {
    LobbyHarness lobby;
    const SavedGame saved = SavedGameFixtures::sitAndGo(2);
    lobby.state.checkpoint(saved);
    lobby.home.begin(quickSetup(1));
    lobby.home.dismissNotice();
    EXPECT_EQ(lobby.home.notice(), std::nullopt);
    EXPECT_EQ(lobby.state.savedGame(), saved);
    EXPECT_EQ(lobby.state.profile().bankroll, 10000);
    EXPECT_FALSE(lobby.controller.hasTable());
}

TEST(HomeModelBegin, SavedGameBetweenHandsIsRemovedWithoutAQuestion) {
    LobbyHarness lobby;
    lobby.state.checkpoint(SavedGameFixtures::cashTable(2, -1));
    lobby.home.begin(quickSetup(1));
    EXPECT_EQ(lobby.home.notice(), std::nullopt);
    ASSERT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup(), quickSetup(1));
    EXPECT_EQ(lobby.state.profile().bankroll, 10000);
}

TEST(HomeModelBegin, AnUnaffordableSetupShowsTheNoticeAndChangesNothing) {
    LobbyHarness lobby;
    lobby.setBankroll(3000);
    const SavedGame saved = SavedGameFixtures::sitAndGo(2);
    lobby.state.checkpoint(saved);
    lobby.home.openSheet(GameMode::cashTable);
    // 100 big blinds at 25/50 cost 5,000; only 2,500 are spendable.
    const GameSetup cash = GameSetup::cashTable({CashStakes::medium, 100, TableDifficulty::easy, {}, 5});
    lobby.home.begin(cash);
    EXPECT_EQ(lobby.home.notice(), HomeNotice::cantAfford(GameMode::cashTable, 5000));
    EXPECT_FALSE(lobby.home.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.state.savedGame(), saved);
    EXPECT_EQ(lobby.state.profile().bankroll, 3000);
    // Confirming it again can't get round the check either.
    lobby.home.begin(cash);
    EXPECT_FALSE(lobby.controller.hasTable());
}

TEST(HomeModelPractice, StartsAtOnceWithoutTouchingTheSavedGame) {
    LobbyHarness lobby;
    const SavedGame saved = SavedGameFixtures::sitAndGo(2);
    lobby.state.checkpoint(saved);
    lobby.home.begin(quickSetup(1));
    lobby.home.startPractice();
    EXPECT_EQ(lobby.home.notice(), std::nullopt);
    EXPECT_FALSE(lobby.home.sheet());
    ASSERT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup()->mode(), GameMode::practice);
    EXPECT_EQ(lobby.state.savedGame(), saved);
    EXPECT_EQ(lobby.state.profile().bankroll, 10000);
    EXPECT_EQ(lobby.state.profile().counters.sitAndGosPlayed, 0);

    // Playing the practice hand through books nothing and leaves the save as it was.
    for (int step = 0; step < 500 && !lobby.controller.tableOver(); ++step) {
        if (!lobby.controller.pauseReasons().empty())
            lobby.controller.acknowledgePracticeStep();
        else if (lobby.controller.isHeroTurn())
            lobby.controller.act(checkOrCall(*lobby.controller.view()));
        else if (lobby.scheduler.nextDue())
            lobby.scheduler.advance(*lobby.scheduler.nextDue() - lobby.scheduler.now());
        else
            break;
    }
    EXPECT_EQ(lobby.state.savedGame(), saved);
    EXPECT_EQ(lobby.state.profile().bankroll, 10000);
}

TEST(HomeModelResume, HandsTheSavedTableBackToTheController) {
    LobbyHarness lobby;
    const SavedGame saved = SavedGameFixtures::cashTable(2, 2);
    lobby.state.checkpoint(saved);
    lobby.home.resume();
    ASSERT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup(), saved.setup);
    EXPECT_EQ(lobby.controller.hero(), saved.hero);
}

TEST(HomeModelSheet, DrawsOneSeedPerSheetAndClosesTheNoticeFirst) {
    LobbyHarness lobby;
    lobby.setBankroll(100);
    lobby.home.choose(GameMode::sitAndGo);
    ASSERT_TRUE(lobby.home.notice());
    std::vector<bool> notices;
    std::vector<bool> sheets;
    QObject::connect(&lobby.home, &HomeModel::noticeChanged,
                     [&](bool animated) { notices.push_back(animated); });
    QObject::connect(&lobby.home, &HomeModel::sheetChanged,
                     [&](bool animated) { sheets.push_back(animated); });
    lobby.home.openSheet(GameMode::quickHand);
    EXPECT_EQ(lobby.home.notice(), std::nullopt);
    EXPECT_EQ(notices, std::vector<bool>{false}) << "the notice goes at once";
    EXPECT_EQ(sheets, std::vector<bool>{true}) << "the sheet slides in";
    const std::uint64_t first = lobby.home.sheet()->seed();
    EXPECT_EQ(lobby.home.sheet()->setup(lobby.state.choices(), 100),
              lobby.home.sheet()->setup(lobby.state.choices(), 100));
    lobby.home.closeSheet();
    lobby.home.openSheet(GameMode::quickHand);
    EXPECT_NE(lobby.home.sheet()->seed(), first);
}

TEST(HomeModelPracticeRow, DismissalSurvivesARestart) {
    QTemporaryDir folder;
    const auto start = [&] {
        return std::make_unique<AppState>(PersistenceStore(folder.path()), AppState::systemNow,
                                          QTimeZone::utc());
    };
    {
        auto state = start();
        state->setLearningMode(true);
        EXPECT_TRUE(HomeScreenModel::make(*state).offersPractice);
        LobbyHarness harness;
        HomeModel home(*state, harness.controller);
        home.dismissPracticeRow();
    }
    const auto again = start();
    EXPECT_TRUE(again->profile().practiceRowDismissed);
    EXPECT_FALSE(HomeScreenModel::make(*again).offersPractice);
}

TEST(HomeModelRefill, TheLobbyShowsTheRefillOfANewDay) {
    LobbyHarness lobby;
    Profile profile = lobby.state.profile();
    profile.onboarded = true;
    profile.bankroll = 150;
    profile.lastRefillCheckDay = CalendarDay{2026, 3, 6};
    lobby.state.setProfile(profile);
    EXPECT_EQ(HomeScreenModel::make(lobby.state).status, std::nullopt);
    lobby.home.appeared();
    EXPECT_EQ(lobby.state.profile().bankroll, 2000);
    EXPECT_EQ(HomeScreenModel::make(lobby.state).status, "Daily refill: +1,850 chips");
    // The same day again adds nothing more.
    lobby.home.appeared();
    EXPECT_EQ(lobby.state.profile().bankroll, 2000);
}

TEST(HomeModelGuide, OpensOverWhateverShowsAndPracticeClosesItAtOnce) {
    LobbyHarness lobby;
    std::vector<bool> changes;
    QObject::connect(&lobby.home, &HomeModel::guideChanged,
                     [&](bool animated) { changes.push_back(animated); });
    lobby.home.openSheet(GameMode::sitAndGo);
    lobby.home.openGuide(GuideDestination::glossary(Term::sitAndGo));
    EXPECT_EQ(lobby.home.guide(), GuideDestination::glossary(Term::sitAndGo));
    // The sheet stays under the guide and is there again when the guide is done.
    ASSERT_TRUE(lobby.home.sheet());
    lobby.home.closeGuide();
    EXPECT_FALSE(lobby.home.guide());
    EXPECT_TRUE(lobby.home.sheet());
    EXPECT_EQ(changes, (std::vector<bool>{true, true}));

    // The guide's practice hand: every layer goes at once and the free hand is dealt.
    lobby.home.openGuide(GuideDestination::basics(0));
    lobby.home.startPractice();
    EXPECT_FALSE(lobby.home.guide());
    EXPECT_FALSE(lobby.home.sheet());
    EXPECT_EQ(changes, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(lobby.controller.setup(), NewGameSheetModel::practiceSetup());
}
