#include "Game/GameModeRules.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/LobbyText.h"

#include "Home/LobbyHarness.h"

#include <gtest/gtest.h>

using namespace LobbyText;

TEST(LobbyEntryCost, ExactlyEnoughIsEnoughAndOneChipShortIsNot) {
    const std::vector<std::pair<GameMode, std::int64_t>> costs{{GameMode::quickHand, 2000},
                                                               {GameMode::cashTable, 400},
                                                               {GameMode::sitAndGo, 500},
                                                               {GameMode::practice, 0}};
    for (const auto& [mode, cost] : costs) {
        EXPECT_EQ(GameModeRules::entryCost(mode), cost);
        EXPECT_TRUE(isAffordable(mode, cost));
        EXPECT_FALSE(isAffordable(mode, cost - 1));
    }
    // A saved game's stake can leave the spendable chips below zero.
    EXPECT_FALSE(isAffordable(GameMode::practice, -1));
}

TEST(LobbyDetail, DescribesEachModeFromTheRememberedChoices) {
    NewGameChoices choices;
    EXPECT_EQ(detail(GameMode::quickHand, true, choices),
              "One hand against one bot · about a minute · Medium");
    EXPECT_EQ(detail(GameMode::quickHand, false, choices), "One hand against one bot · Medium");
    choices.quickHandHands = 10;
    choices.quickHandDifficulty = TableDifficulty::mixed;
    EXPECT_EQ(detail(GameMode::quickHand, true, choices), "10 hands against one bot · Mixed");
    // A stored count the table would not play is shown as the table plays it.
    choices.quickHandHands = 400;
    EXPECT_EQ(detail(GameMode::quickHand, false, choices), "50 hands against one bot · Mixed");
    choices.quickHandHands = -3;
    EXPECT_EQ(detail(GameMode::quickHand, true, choices),
              "One hand against one bot · about a minute · Mixed");

    EXPECT_EQ(detail(GameMode::cashTable, true, choices), "2–6 players · leave any time");
    EXPECT_EQ(detail(GameMode::cashTable, false, choices), "2–6 players · leave any time");
    choices.sitAndGoDifficulty = TableDifficulty::hard;
    EXPECT_EQ(detail(GameMode::sitAndGo, true, choices), "6 players · blinds rise every 8 hands · Hard");
    EXPECT_EQ(detail(GameMode::sitAndGo, false, choices), "6 players · rising blinds · Hard");
    EXPECT_EQ(detail(GameMode::practice, false, choices), "Free · about 2 minutes · each step explained");
}

TEST(LobbyStatus, PrefersTheSavedTableOverTheRefill) {
    EXPECT_EQ(status(std::nullopt, 0), std::nullopt);
    EXPECT_EQ(status(std::nullopt, 1200), "Daily refill: +1,200 chips");
    EXPECT_EQ(status(SavedGameFixtures::sitAndGo(2), 1200), "500 of it is in your Sit & Go");
    const SavedGame cash = SavedGameFixtures::cashTable(2, -1);
    EXPECT_EQ(status(cash, 1200), "5,000 of it is on your Cash Table");
    const SavedGame quick = SavedGameFixtures::quickHand(2);
    EXPECT_EQ(status(quick, 0), QString("%1 of it is on your Quick Hand").arg(grouped(quick.chipsAtTable())));
}

TEST(LobbyResumeDetail, GivesBlindsStackAndProgressByMode) {
    const SavedGame cash = SavedGameFixtures::cashTable(2, -1);
    EXPECT_EQ(resumeDetail(cash), "25/50 · your stack 5,000 · hand 0");
    const SavedGame quick = SavedGameFixtures::quickHand(0);
    EXPECT_EQ(resumeDetail(quick), "10/20 · your stack 2,000 · hand 1 of 3");
    SavedGame single = quick;
    single.setup = GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), 7, 1});
    EXPECT_EQ(resumeDetail(single), "10/20 · your stack 2,000 · hand in progress");
    EXPECT_EQ(resumeDetail(SavedGameFixtures::sitAndGo(0)), "Level 1 · 1,500 chips · 6 left");
    // Without a seat for the player, the stack reads 0.
    SavedGame stranger = cash;
    stranger.hero = PokerEngine::PlayerID::random();
    EXPECT_EQ(resumeDetail(stranger), "25/50 · your stack 0 · hand 0");
}

TEST(LobbyResumeDetail, SitAndGoLevelsChangeEveryEightHands) {
    for (std::int64_t hand = 0; hand <= 8; ++hand)
        EXPECT_EQ(sitAndGoLevel(hand), 1) << hand;
    for (std::int64_t hand = 9; hand <= 16; ++hand)
        EXPECT_EQ(sitAndGoLevel(hand), 2) << hand;
    EXPECT_EQ(sitAndGoLevel(17), 3);
}

TEST(LobbyResumeArt, SeatsOnlyBotsWithChipsAndAtMostFive) {
    SavedGame saved = SavedGameFixtures::sitAndGo(0);
    const auto bots = seatedBots(saved);
    ASSERT_EQ(bots.size(), 5u);
    EXPECT_EQ(bots[0], *saved.seatKinds[1]->botProfile());
    // A seat without a recorded kind is not drawn.
    saved.seatKinds[2].reset();
    EXPECT_EQ(seatedBots(saved).size(), 4u);
    saved.seatKinds.resize(3);
    EXPECT_EQ(seatedBots(saved).size(), 1u);
}

TEST(LobbyResumeArt, ShowsAtMostTheFirstThreeBoardCards) {
    EXPECT_TRUE(resumeBoard(savedWithBoard(0)).empty());
    const SavedGame flop = savedWithBoard(3);
    EXPECT_EQ(resumeBoard(flop), flop.state.board());
    const SavedGame river = savedWithBoard(5);
    ASSERT_EQ(river.state.board().size(), 5u);
    const auto shown = resumeBoard(river);
    EXPECT_EQ(shown,
              std::vector<PokerEngine::Card>(river.state.board().begin(), river.state.board().begin() + 3));
}

TEST(LobbyNotice, CantAffordNamesTheModeAndTheRefill) {
    const HomeNotice notice = HomeNotice::cantAfford(GameMode::sitAndGo, 500);
    EXPECT_EQ(noticeTitle(notice, std::nullopt), "Sit & Go needs 500 chips");
    EXPECT_EQ(
        noticeMessage(notice, std::nullopt, 120),
        "You have 120 to play with. When your bankroll is under 2,000, it tops back up to 2,000 the first "
        "time you open Chipwhistle each day.");
    EXPECT_EQ(noticeTitle(HomeNotice::cantAfford(GameMode::quickHand, 2000), std::nullopt),
              "Quick Hand needs 2,000 chips");
}

TEST(LobbyNotice, ReplaceSavedNamesTheSavedGameAndItsForfeit) {
    const GameSetup quick = GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), 1, 1});
    const HomeNotice notice = HomeNotice::replaceSaved(quick);
    const SavedGame sitAndGo = SavedGameFixtures::sitAndGo(2);
    EXPECT_EQ(noticeTitle(notice, sitAndGo), "End your Sit & Go?");
    EXPECT_EQ(noticeMessage(notice, sitAndGo, 0),
              "Starting a new game forfeits the Sit & Go and its 500-chip buy-in.");
    EXPECT_EQ(startTitle(quick), "Start Quick Hand");

    const SavedGame cash = SavedGameFixtures::cashTable(2, 4);
    const std::int64_t forfeit = SavedGame::forfeit(cash.setup, cash.state, cash.hero);
    ASSERT_GT(forfeit, 0);
    EXPECT_EQ(noticeTitle(notice, cash), "End your Cash Table?");
    EXPECT_EQ(noticeMessage(notice, cash, 0),
              QString("You're mid-hand: starting a new game folds it, and the %1 chips you put in are lost.")
                  .arg(forfeit));

    EXPECT_EQ(noticeTitle(notice, std::nullopt), "End your game?");
    EXPECT_EQ(noticeMessage(notice, std::nullopt, 0), "");
}

TEST(LobbyNotice, EqualOnlyForTheSameSetupSeedIncluded) {
    const auto setup = [](std::uint64_t seed) {
        return GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), seed, 1});
    };
    EXPECT_EQ(HomeNotice::replaceSaved(setup(1)), HomeNotice::replaceSaved(setup(1)));
    EXPECT_NE(HomeNotice::replaceSaved(setup(1)), HomeNotice::replaceSaved(setup(2)));
    EXPECT_NE(HomeNotice::cantAfford(GameMode::sitAndGo, 500),
              HomeNotice::cantAfford(GameMode::quickHand, 500));
}
