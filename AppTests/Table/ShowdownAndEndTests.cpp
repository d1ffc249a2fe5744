// The showdown banner's rows and countdown, the table-over panel and the choice of the bottom row.
#include "HandEvents.h"

#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"
#include "Learn/HandTag.h"
#include "Persistence/ChoicesSetup.h"
#include "Table/Screen/BottomRow.h"
#include "Table/Screen/ShowdownText.h"
#include "Table/Screen/TableOverModel.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using HandEvents::awarded;
using PokerEngine::HandEvent;

namespace {

QString name(std::int64_t seat) {
    return seat == 0 ? QStringLiteral("You")
                     : QStringList({QString(), "Rascal", "Goldie", "Moss"}).at(int(seat));
}

const GameSetup quickHand = GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 1, 3));
const GameSetup sitAndGo = GameSetup::sitAndGo(SitAndGoSetup{{}, 1});

HandEvent shown(const HandEvent& award) {
    auto pot = *award.as<HandEvent::PotAwarded>();
    pot.hand = PokerEngine::HandValue::fromStrength(1600);
    return pot;
}

} // namespace

TEST(ShowdownRows, OnePotAndASplit) {
    EXPECT_TRUE(ShowdownRow::rows({}, name).empty());
    const auto uncontested = ShowdownRow::rows({awarded(0, {{1, 60}})}, name);
    ASSERT_EQ(uncontested.size(), 1u);
    EXPECT_EQ(uncontested[0], (ShowdownRow{1, std::nullopt, "Rascal wins 60"}));
    EXPECT_EQ(ShowdownRow::spokenSummary(uncontested, QStringLiteral("Everyone else folded.")),
              "Rascal wins 60. Everyone else folded.");

    const auto split = ShowdownRow::rows({shown(awarded(0, {{0, 600}, {2, 600}}))}, name);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].award, "You win 600");
    EXPECT_EQ(split[1].award, "Goldie wins 600");
    ASSERT_TRUE(split[0].handName);
    EXPECT_EQ(split[0].handName, split[1].handName);
    // With several winners the reason is never spoken.
    EXPECT_EQ(ShowdownRow::spokenSummary(split, QStringLiteral("Why.")),
              "You win 600. " + *split[0].handName + ". Goldie wins 600. " + *split[1].handName + ".");
}

TEST(ShowdownRows, SidePotsAreNamed) {
    const auto two = ShowdownRow::rows({awarded(0, {{0, 1200}}), awarded(1, {{0, 300}})}, name);
    ASSERT_EQ(two.size(), 1u);
    EXPECT_EQ(two[0].award, "You win 1,500");
    const auto sideOnly = ShowdownRow::rows({awarded(0, {{0, 1200}}), awarded(1, {{1, 400}})}, name);
    EXPECT_EQ(sideOnly[1].award, "Rascal wins side pot 400");
    const auto three =
        ShowdownRow::rows({awarded(0, {{2, 1200}}), awarded(1, {{1, 300}}), awarded(2, {{2, 300}})}, name);
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(three[0].award, "Goldie wins 1,500 (main + side 2)");
    EXPECT_EQ(three[1].award, "Rascal wins side 1 pot 300");
}

TEST(NextHandText, TitlesValuesAndCountdown) {
    EXPECT_EQ(NextHandText::title(false, std::nullopt), "Next Hand");
    EXPECT_EQ(NextHandText::title(true, std::nullopt), "Continue");
    EXPECT_EQ(NextHandText::title(false, 2), "Next hand in 2…");
    EXPECT_EQ(NextHandText::title(true, 1), "Continue in 1…");
    EXPECT_EQ(NextHandText::spokenValue(std::nullopt), "");
    EXPECT_EQ(NextHandText::spokenValue(1), "deals in 1 second");
    EXPECT_EQ(NextHandText::spokenValue(2), "deals in 2 seconds");
    const auto now = std::chrono::system_clock::time_point(1'000'000s);
    EXPECT_EQ(NextHandText::secondsLeft(std::nullopt, now), std::nullopt);
    EXPECT_EQ(NextHandText::secondsLeft(now + 2100ms, now), 3);
    EXPECT_EQ(NextHandText::secondsLeft(now + 2000ms, now), 2);
    EXPECT_EQ(NextHandText::secondsLeft(now, now), 1);
    EXPECT_EQ(NextHandText::secondsLeft(now - 5s, now), 1);
}

TEST(TableOverText, EveryEnding) {
    using Text = TableOverModel::Text;
    EXPECT_EQ(TableOverModel::text(TableOver::handPlayed(-120, 1), 9880),
              (Text{"You lost 120", "Bankroll: 9,880 chips."}));
    EXPECT_EQ(TableOverModel::text(TableOver::handPlayed(0, 5), 10'000),
              (Text{"Even", "Over 5 hands. Bankroll: 10,000 chips."}));
    EXPECT_EQ(TableOverModel::text(TableOver::handPlayed(2500, 3), 12'500).title, "You won 2,500");
    EXPECT_EQ(TableOverModel::text(TableOver::finished(1, 1950), 11'450),
              (Text{"You won the Sit & Go!", "+1,950 chips (1,450 after the buy-in). Bankroll: 11,450."}));
    EXPECT_EQ(TableOverModel::text(TableOver::finished(2, 1050), 10'550),
              (Text{"You finished 2nd", "+1,050 chips (550 after the buy-in). Bankroll: 10,550."}));
    EXPECT_EQ(TableOverModel::text(TableOver::finished(3, 0), 9500),
              (Text{"You finished 3rd", "The top two get paid. Bankroll: 9,500."}));
    EXPECT_EQ(TableOverModel::text(TableOver::heroBusted(), 800),
              (Text{"You're out of chips", "Your bankroll has 800 chips."}));
    EXPECT_EQ(TableOverModel::text(TableOver::practiced(), 0).title, "That's a hand of poker");
    EXPECT_EQ(TableOverModel::leftTable(1240, 1000, 10'240),
              "You left the table with 1,240 chips. You won 240. Bankroll: 10,240 chips.");
    EXPECT_EQ(TableOverModel::leftTable(150, 400, 9750),
              "You left the table with 150 chips. You lost 250. Bankroll: 9,750 chips.");
    EXPECT_EQ(TableOverModel::leftTable(1000, 1000, 10'000),
              "You left the table with 1,000 chips. Even. Bankroll: 10,000 chips.");
    // What a game left before its end takes away: the chips at a cash table or a Quick Hand, the buy-in
    // of a Sit & Go whatever its chips, nothing of a practice hand.
    using Leaving = TableOverModel::Leaving;
    const auto cash = GameSetup::cashTable(CashTableSetup{CashStakes::low, 80, TableDifficulty::easy, {}, 5});
    EXPECT_EQ(TableOverModel::leaving(cash, 640, 120), (Leaving{640, 800, std::nullopt}));
    EXPECT_EQ(TableOverModel::leaving(quickHand, 2300, 0), (Leaving{2300, 2000, std::nullopt}));
    EXPECT_EQ(TableOverModel::leaving(sitAndGo, 3100, 500), (Leaving{0, 0, 500}));
    EXPECT_EQ(TableOverModel::leaving(GameSetup::practice(PracticeSetup{}), 980, 0), std::nullopt);
    EXPECT_EQ(TableOverModel::leftTable(Leaving{640, 800, std::nullopt}, 9840),
              "You left the table with 640 chips. You lost 160. Bankroll: 9,840 chips.");
    EXPECT_EQ(TableOverModel::leftTable(Leaving{0, 0, 500}, 9500),
              "You left the Sit & Go and lost the 500-chip buy-in. Bankroll: 9,500 chips.");
}

namespace {

TableOverModel::Inputs inputs(TableOver over, GameSetup setup, std::int64_t spendable) {
    TableOverModel::Inputs in{over, setup, NewGameChoices{}, spendable, spendable, false, 77};
    return in;
}

} // namespace

TEST(TableOverPanel, PlayAgainOnlyWhenTheBankrollPays) {
    const auto rich = TableOverModel::make(inputs(TableOver::handPlayed(10, 3), quickHand, 2000));
    EXPECT_EQ(rich.primary.title, "Play Again");
    EXPECT_EQ(rich.secondary, (TableOverModel::Button{"Home", TableOverModel::Action::home}));
    ASSERT_TRUE(rich.offer);
    EXPECT_EQ(rich.offer->mode(), GameMode::quickHand);
    EXPECT_EQ(rich.offerCost, 2000);

    const auto poor = TableOverModel::make(inputs(TableOver::handPlayed(-10, 3), quickHand, 1999));
    EXPECT_EQ(poor.primary, (TableOverModel::Button{"Home", TableOverModel::Action::home}));
    EXPECT_FALSE(poor.secondary);
    EXPECT_FALSE(poor.offer);

    EXPECT_EQ(TableOverModel::make(inputs(TableOver::finished(4, 0), sitAndGo, 500)).primary.title,
              "Play Again");
    EXPECT_EQ(TableOverModel::make(inputs(TableOver::finished(4, 0), sitAndGo, 499)).primary.title, "Home");
    EXPECT_EQ(TableOverModel::make(inputs(TableOver::heroBusted(), sitAndGo, 1e6)).primary,
              (TableOverModel::Button{"Leave Table", TableOverModel::Action::leaveTable}));
    auto noSetup = inputs(TableOver::handPlayed(0, 1), quickHand, 1e6);
    noSetup.setup.reset();
    EXPECT_EQ(TableOverModel::make(noSetup).primary.title, "Home");
}

TEST(TableOverPanel, AQuickHandAfterPracticeUnlessASavedGameWaits) {
    const GameSetup practice = GameSetup::practice(PracticeSetup{});
    auto in = inputs(TableOver::practiced(), practice, 5000);
    const auto offered = TableOverModel::make(in);
    EXPECT_EQ(offered.primary,
              (TableOverModel::Button{"Play a Quick Hand", TableOverModel::Action::quickHand}));
    ASSERT_TRUE(offered.offer);
    EXPECT_EQ(offered.offer->mode(), GameMode::quickHand);
    in.savedGame = true;
    EXPECT_EQ(TableOverModel::make(in).primary.title, "Home");
    EXPECT_FALSE(TableOverModel::make(in).offer);
    in.savedGame = false;
    in.spendable = 1999;
    EXPECT_EQ(TableOverModel::make(in).primary.title, "Home");
}

// The chips are checked again at the press: they may have gone since the panel offered the game.
TEST(TableOverPanel, APressLeavesStartsOrRefusesWithTheChipsLeftAtThatMoment) {
    const auto offering = TableOverModel::make(inputs(TableOver::handPlayed(10, 3), quickHand, 2000));
    const auto homeOnly = TableOverModel::make(inputs(TableOver::handPlayed(10, 3), quickHand, 1999));
    using Action = TableOverModel::Action;
    using Press = TableOverModel::Press;
    const QString refused = TableOverModel::refusal(2000, 1500);
    const struct {
        const TableOverModel& panel;
        Action action;
        std::int64_t spendable;
        Press expected;
    } rows[] = {
        {offering, Action::playAgain, 2000, {false, offering.offer, std::nullopt}},
        {offering, Action::playAgain, 1500, {false, std::nullopt, refused}},
        {offering, Action::quickHand, 1500, {false, std::nullopt, refused}},
        {offering, Action::home, 0, {true, std::nullopt, std::nullopt}},
        {homeOnly, Action::leaveTable, 0, {true, std::nullopt, std::nullopt}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.panel.press(row.action, row.spendable), row.expected)
            << static_cast<int>(row.action) << " with " << row.spendable;
    }
}

TEST(TableOverPanel, NextCashTableFollowsTheChoicesAndTheBankroll) {
    NewGameChoices choices;
    choices.cashStakes = CashStakes::medium;
    choices.cashBuyInBB = 100;
    choices.cashOpponents = 9;
    const GameSetup cash = GameSetup::cashTable(CashTableSetup{});
    const auto next = TableOverModel::nextSetup(cash, choices, 3000, 5);
    ASSERT_TRUE(next);
    const auto& table = std::get<CashTableSetup>(next->value());
    EXPECT_EQ(table.buyInBB, 60); // 3,000 ÷ 50
    EXPECT_EQ(table.opponents.size(), 5u);
    EXPECT_EQ(GameModeRules::setupCost(*next), 3000);
    EXPECT_EQ(std::get<CashTableSetup>(TableOverModel::nextSetup(cash, choices, 100, 5)->value()).buyInBB,
              40);
    EXPECT_EQ(TableOverModel::refusal(2000, 1500),
              "Not enough chips: the next game takes 2,000 and you have 1,500 to spend.");
}

TEST(BottomRowChoice, FirstMatchWins) {
    using PokerEngine::Street;
    BottomRowInputs in;
    in.shownStreet = Street::flop;
    in.shownHasLegalActions = true;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::actionBar);
    in.turnWaits = true; // the player's cards still on their way
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::waitingLine);
    in.turnWaits = false;
    in.shownHasLegalActions = false;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::waitingLine);
    in.shownStreet = Street::handComplete;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::showdownBanner);
    in.pauseReasons = {PauseReason::practice};
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::showdownBanner); // the practice hold is not a pause
    in.pauseReasons = {PauseReason::guide};
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::showdownBanner); // the guide over it holds it
    in.pauseReasons = {PauseReason::guide, PauseReason::user};
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::paused);
    in.pauseReasons = {PauseReason::hidden};
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::paused);
    in.tableOver = true;
    in.showingResult = true;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::paused); // the final result still shows
    in.pauseReasons.clear();
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::showdownBanner);
    in.showingResult = false;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::tableOver);
    in.confirmingLeave = true; // raised after the end: the panel shows instead
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::tableOver);
    in.practiceCaption = true;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::practiceCaption);
    in.tableOver = false;
    EXPECT_EQ(TableScreenRules::bottomRow(in), BottomRow::leaveConfirmation);
}

TEST(TableScreenRules, LeaveConfirmationWaitingLineAndBannerDelay) {
    using TableScreenRules::LeaveConfirmation;
    EXPECT_EQ(TableScreenRules::leaveConfirmation(GameMode::quickHand, 0),
              (LeaveConfirmation{"Leave mid-hand?", std::nullopt, "Leave", "Leave now"}));
    EXPECT_EQ(
        TableScreenRules::leaveConfirmation(GameMode::cashTable, 1250),
        (LeaveConfirmation{"Leave mid-hand?", "That folds this hand: the 1,250 chips you put in are lost.",
                           "Leave Table", "Leave Table and fold this hand"}));
    EXPECT_EQ(TableScreenRules::leaveConfirmation(GameMode::sitAndGo, 500),
              (LeaveConfirmation{"Forfeit the Sit & Go?", "You lose the 500-chip buy-in.", "Forfeit",
                                 "Forfeit the Sit & Go"}));
    EXPECT_EQ(TableScreenRules::leaveConfirmation(std::nullopt, 0).button, "Leave Table");
    EXPECT_EQ(TableScreenRules::leaveConfirmation(GameMode::sitAndGo, 500).keepPlaying, "Keep Playing");
    EXPECT_EQ(TableScreenRules::PauseMessage{},
              (TableScreenRules::PauseMessage{"Paused", "Press P or click Resume", "Resume"}));
    // The showdown is explained only in learning mode, and only when one player took everything.
    EXPECT_TRUE(TableScreenRules::explainsShowdown(true, 1));
    EXPECT_FALSE(TableScreenRules::explainsShowdown(true, 2));
    EXPECT_FALSE(TableScreenRules::explainsShowdown(false, 1));
    EXPECT_EQ(TableScreenRules::waitingLine(QStringLiteral("Rascal"), QStringLiteral("Goldie")),
              "Rascal is thinking…");
    EXPECT_EQ(TableScreenRules::waitingLine(std::nullopt, QStringLiteral("Goldie")), "Waiting for Goldie…");
    EXPECT_EQ(TableScreenRules::waitingLine(std::nullopt, std::nullopt), " ");
    auto view = HandEvents::view(3, 1); // the line waits for the seat to act, never the player's own
    for (const auto& [acting, awaited] : {std::pair{2, 2}, {1, -1}}) {
        view.actingIndex = acting;
        EXPECT_EQ(TableScreenRules::awaitedSeat(view).value_or(-1), awaited);
    }
    EXPECT_EQ(TableScreenRules::bannerDelay(0), 0);
    EXPECT_EQ(TableScreenRules::bannerDelay(0.8), 0.8);
    EXPECT_EQ(TableScreenRules::bannerDelay(4), 1.5);
}

TEST(TableScreenRules, RowsComeAndGoWithTheirOwnMotion) {
    using TableScreenRules::RowMotion;
    TableTheme satin = TableTheme::standard();
    // The banner waits for the hand's timeline, 1.5 s at most, then grows from 96 % while it fades in.
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::showdownBanner, satin, 0),
              (RowMotion{AnimationCurve::easeOut(0.22), 0, 0.96}));
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::showdownBanner, satin, 4),
              (RowMotion{AnimationCurve::easeOut(0.22), 1.5, 0.96}));
    TableTheme pixel = satin;
    pixel.style = TableStyleID::pixel;
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::showdownBanner, pixel, 0.5)->curve,
              AnimationCurve::stepped({0.22, 12}));
    TableTheme still = satin;
    still.reduceMotion = true;
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::showdownBanner, still, 0.5),
              (RowMotion{AnimationCurve::easeOut(0.22), 0.5, 1}));
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::practiceCaption, satin, 3),
              (RowMotion{AnimationCurve::easeOut(0.18), 0, 1}));
    EXPECT_EQ(TableScreenRules::rowInsertion(BottomRow::actionBar, satin, 3),
              (RowMotion{AnimationCurve::easeOut(0.15), 0, 1}));
    for (const BottomRow row :
         {BottomRow::leaveConfirmation, BottomRow::tableOver, BottomRow::paused, BottomRow::waitingLine}) {
        EXPECT_FALSE(TableScreenRules::rowInsertion(row, satin, 0));
        EXPECT_FALSE(TableScreenRules::rowRemoval(row));
    }
    EXPECT_EQ(TableScreenRules::rowRemoval(BottomRow::showdownBanner),
              (RowMotion{AnimationCurve::easeOut(0.18), 0, 1}));
    EXPECT_EQ(TableScreenRules::rowRemoval(BottomRow::practiceCaption),
              (RowMotion{AnimationCurve::easeOut(0.18), 0, 1}));
    EXPECT_EQ(TableScreenRules::rowRemoval(BottomRow::actionBar),
              (RowMotion{AnimationCurve::easeOut(0.15), 0, 1}));
}

TEST(TableScreenRules, OnlyTheCardsOfTheWinnerWhoBetThePlayerOffAreExplained) {
    using HandEvents::acted;
    using PokerEngine::ActionKind;
    auto finished = HandEvents::view(3, 0);
    finished.handNumber = 4;
    finished.street = PokerEngine::Street::handComplete;
    finished.log = {acted(0, ActionKind::call), acted(2, ActionKind::raise), acted(0, ActionKind::fold),
                    acted(1, ActionKind::fold), awarded(0, {{2, 90}})};
    const auto card = [](const char* code) { return *PokerEngine::Card::fromCode(code); };
    const std::map<std::int64_t, std::vector<PokerEngine::Card>> record{{1, {card("Kd"), card("Kc")}},
                                                                        {2, {card("7s"), card("2h")}}};
    using Cards = std::map<std::int64_t, std::vector<PokerEngine::Card>>;
    EXPECT_EQ(TableScreenRules::explainedUnshownCards(true, finished, 4, record),
              (Cards{{2, {card("7s"), card("2h")}}}));
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(false, finished, 4, record).empty()); // not learning
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(true, finished, 3, record).empty());  // another hand
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(true, finished, std::nullopt, record).empty());
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(true, finished, 4, {{1, {}}}).empty());
    auto running = finished;
    running.street = PokerEngine::Street::river;
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(true, running, 4, record).empty());
    // The player folded before the winner bet: nothing to explain with hidden cards.
    auto early = finished;
    early.log = {acted(0, ActionKind::fold), acted(2, ActionKind::raise), acted(1, ActionKind::fold),
                 awarded(0, {{2, 90}})};
    EXPECT_TRUE(TableScreenRules::explainedUnshownCards(true, early, 4, record).empty());
}

TEST(TableOverPanel, PlayAgainSeatsTheTableTheLobbysSheetWould) {
    NewGameChoices choices;
    choices.cashStakes = CashStakes::low;
    choices.cashBuyInBB = 100;
    choices.cashOpponents = 3;
    for (const GameMode mode :
         {GameMode::quickHand, GameMode::cashTable, GameMode::sitAndGo, GameMode::practice}) {
        const GameSetup current = ChoicesSetup::setupFromChoices(mode, NewGameChoices{}, 5000, 1);
        // The chips the player can spend decide the buy-in, not the bankroll alone.
        EXPECT_EQ(TableOverModel::nextSetup(current, choices, 730, 9),
                  ChoicesSetup::setupFromChoices(mode, choices, 730, 9));
    }
    TableOverModel::Inputs in{TableOver::handPlayed(0, 1),
                              ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, 5000, 1),
                              choices,
                              5000,
                              730,
                              false,
                              9};
    const auto panel = TableOverModel::make(in);
    ASSERT_TRUE(panel.offer);
    EXPECT_EQ(std::get<CashTableSetup>(panel.offer->value()).buyInBB, 73);
    EXPECT_EQ(panel.offerCost, 730);
}

TEST(TableScreenRules, TheGuideFollowsThePlayersHandInLearningMode) {
    EXPECT_TRUE(TableScreenRules::isLearning(true, GameMode::quickHand));
    EXPECT_TRUE(TableScreenRules::isLearning(false, GameMode::practice));
    EXPECT_FALSE(TableScreenRules::isLearning(false, GameMode::sitAndGo));
    EXPECT_FALSE(TableScreenRules::isLearning(false, std::nullopt));

    const auto card = [](const char* code) { return *PokerEngine::Card::fromCode(code); };
    auto view = HandEvents::view(2, 0);
    EXPECT_FALSE(TableScreenRules::heroHand(view)) << "no cards yet";
    EXPECT_FALSE(TableScreenRules::heroHand(std::nullopt));
    view.holeCards = {card("Kd"), card("As")};
    EXPECT_EQ(TableScreenRules::heroHand(view), BotKit::StartingHand::fromText("AKo"));
    view.board = {card("Ah"), card("7c"), card("2d")};
    EXPECT_EQ(TableScreenRules::guideHeldRank(true, view), heldRankName(view));
    EXPECT_TRUE(TableScreenRules::guideHeldRank(true, view).has_value());
    EXPECT_FALSE(TableScreenRules::guideHeldRank(false, view)) << "only in learning mode";
    EXPECT_FALSE(TableScreenRules::guideHeldRank(true, std::nullopt));
}
