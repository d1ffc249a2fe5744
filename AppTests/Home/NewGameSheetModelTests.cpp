#include "Style/SeatedTableLayout.h"
#include "Views/Home/NewGameSheetModel.h"

#include "Game/BotSeating.h"

#include "Support/CashChoices.h"

#include <gtest/gtest.h>

namespace {

const CashTableSetup& cashOf(const GameSetup& setup) {
    return std::get<CashTableSetup>(setup.value());
}

} // namespace

TEST(NewGameSheetCosts, QuickHandAndSitAndGoAtTheirBoundaries) {
    const NewGameSheetModel quick(GameMode::quickHand, 9);
    const NewGameChoices choices;
    EXPECT_EQ(quick.blockedReason(choices, 1999), "Needs 2,000 chips. You have 1,999.");
    EXPECT_EQ(quick.blockedReason(choices, 2000), std::nullopt);
    EXPECT_EQ(quick.startTitle(choices, 2000), "Deal · 2,000");
    const NewGameSheetModel sitAndGo(GameMode::sitAndGo, 9);
    EXPECT_EQ(sitAndGo.blockedReason(choices, 499), "Needs 500 chips. You have 499.");
    EXPECT_EQ(sitAndGo.blockedReason(choices, 500), std::nullopt);
    EXPECT_EQ(sitAndGo.startTitle(choices, 499), "Register · 500");
    const NewGameSheetModel practice(GameMode::practice, 9);
    EXPECT_EQ(practice.blockedReason(choices, 0), std::nullopt);
    EXPECT_EQ(practice.startTitle(choices, 0), "Deal");
    EXPECT_EQ(std::get<PracticeSetup>(practice.setup(choices, 0).value()).seed, 4358u);
}

TEST(NewGameSheetCosts, CashTableAtEachStakeOneChipShortAndExactlyEnough) {
    for (CashStakes stakes : allCashStakes) {
        const NewGameSheetModel sheet(GameMode::cashTable, 3);
        const std::int64_t minimum = 40 * bigBlind(stakes);
        EXPECT_TRUE(sheet.blockedReason(cashChoices(stakes, 100), minimum - 1));
        EXPECT_EQ(sheet.blockedReason(cashChoices(stakes, 100), minimum), std::nullopt);
        EXPECT_EQ(cashOf(sheet.setup(cashChoices(stakes, 100), minimum)).buyInBB, 40);
    }
    const NewGameSheetModel sheet(GameMode::cashTable, 3);
    EXPECT_EQ(sheet.blockedReason(cashChoices(CashStakes::low, 100), 250),
              "5/10 needs 400 chips (40 BB). You have 250.");
    EXPECT_EQ(sheet.blockedReason(cashChoices(CashStakes::high, 100), 3000),
              "100/200 needs 8,000 chips (40 BB). You have 3,000.");
}

TEST(NewGameSheetCash, BuyInFollowsTheBankroll) {
    const NewGameSheetModel sheet(GameMode::cashTable, 3);
    const auto choices = cashChoices(CashStakes::low, 100);
    EXPECT_EQ(cashOf(sheet.setup(choices, 650)).buyInBB, 65);
    EXPECT_EQ(sheet.startTitle(choices, 650), "Sit Down · 650");
    EXPECT_EQ(NewGameSheetModel::buyIn(choices, 650).range, "400 – 650 (your bankroll)");
    EXPECT_EQ(cashOf(sheet.setup(choices, 399)).buyInBB, 40);
    EXPECT_EQ(sheet.startTitle(choices, 399), "Sit Down · 400");
    EXPECT_EQ(sheet.blockedReason(choices, 399), "5/10 needs 400 chips (40 BB). You have 399.");
}

TEST(NewGameSheetCash, FiguresBelowAtAndAboveEachMinimum) {
    const auto low = [](std::int64_t spendable) {
        return NewGameSheetModel::buyIn(cashChoices(CashStakes::low, 100), spendable);
    };
    EXPECT_EQ(low(5000).range, "400 – 1,000");
    EXPECT_EQ(low(5000).amount, 1000);
    EXPECT_EQ(low(5000).spoken, "Buy-in: 1,000 chips, 100 big blinds");
    EXPECT_EQ(low(935).spoken, "Buy-in: 930 chips, 93 big blinds");
    EXPECT_FALSE(low(5000).isShort);
    EXPECT_EQ(low(935).range, "400 – 930 (your bankroll)");
    EXPECT_EQ(low(935).cap, 93);
    EXPECT_EQ(low(400).cap, 40);
    EXPECT_FALSE(low(400).isShort);
    EXPECT_TRUE(low(399).isShort);

    const auto medium = NewGameSheetModel::buyIn(cashChoices(CashStakes::medium, 100), 1200);
    EXPECT_EQ(medium.range, "2,000 – 2,000 (your bankroll)");
    EXPECT_TRUE(medium.isShort);
    EXPECT_EQ(medium.shown, 40);
    EXPECT_FALSE(NewGameSheetModel::buyIn(cashChoices(CashStakes::medium, 100), 2000).isShort);

    const auto high = NewGameSheetModel::buyIn(cashChoices(CashStakes::high, 100), 10000);
    EXPECT_EQ(high.cap, 50);
    EXPECT_EQ(high.shown, 50);
    EXPECT_EQ(high.range, "8,000 – 10,000 (your bankroll)");
    EXPECT_TRUE(NewGameSheetModel::buyIn(cashChoices(CashStakes::high, 100), 7999).isShort);
    // A negative spendable (a saved game's stake) is simply short.
    EXPECT_TRUE(NewGameSheetModel::buyIn(cashChoices(CashStakes::low, 100), -20).isShort);
}

TEST(NewGameSheetCash, StoredValuesOutOfRangeAreReadAsTheTableSeatsThem) {
    const NewGameSheetModel sheet(GameMode::cashTable, 3);
    EXPECT_EQ(cashOf(sheet.setup(cashChoices(CashStakes::low, 25), 5000)).buyInBB, 40);
    EXPECT_EQ(NewGameSheetModel::buyIn(cashChoices(CashStakes::low, 25), 5000).shown, 40);
    EXPECT_EQ(cashOf(sheet.setup(cashChoices(CashStakes::low, 900), 5000)).buyInBB, 100);
    EXPECT_EQ(cashOf(sheet.setup(cashChoices(CashStakes::low, 100, 0), 5000)).opponents.size(), 1u);
    EXPECT_EQ(cashOf(sheet.setup(cashChoices(CashStakes::low, 100, 9), 5000)).opponents.size(), 5u);
    EXPECT_EQ(NewGameSheetModel::opponents(cashChoices(CashStakes::low, 100, -4)), 1);
    NewGameChoices hands;
    hands.quickHandHands = 0;
    EXPECT_EQ(NewGameSheetModel::hands(hands), 1);
    hands.quickHandHands = 51;
    EXPECT_EQ(NewGameSheetModel::hands(hands), 50);
    hands.quickHandHands = 7;
    EXPECT_EQ(
        std::get<QuickHandSetup>(NewGameSheetModel(GameMode::quickHand, 1).setup(hands, 0).value()).hands, 7);
}

TEST(NewGameSheetPreview, ShowsExactlyTheBotsTheSeedSeats) {
    const NewGameSheetModel sheet(GameMode::cashTable, 77);
    const auto choices = cashChoices(CashStakes::low, 100, 3);
    EXPECT_EQ(sheet.previewPlayers(choices, 5000), BotSeating::opponents(3, TableDifficulty::mixed, 77));
    EXPECT_EQ(sheet.previewPlayers(choices, 5000), cashOf(sheet.setup(choices, 5000)).opponents);
    const NewGameSheetModel quick(GameMode::quickHand, 77);
    EXPECT_EQ(quick.previewPlayers(NewGameChoices(), 0).size(), 1u);
    EXPECT_EQ(NewGameSheetModel(GameMode::sitAndGo, 77).previewPlayers(NewGameChoices(), 0).size(), 5u);
}

// A reader hears the count on the stepper first, in its own words, then who sits down.
TEST(NewGameSheetPreview, IsSpokenWithTheCountOnItsStepper) {
    const auto seated = [](const NewGameSheetModel& sheet, const NewGameChoices& choices) {
        return SeatedTableLayout::accessibleName(sheet.previewPlayers(choices, 5000));
    };
    const NewGameSheetModel cash(GameMode::cashTable, 77);
    for (const std::int64_t opponents : {1, 3, 9}) {
        const auto choices = cashChoices(CashStakes::low, 100, opponents);
        const QString count = opponents == 1   ? "1 opponent. "
                              : opponents == 3 ? "3 opponents. "
                                               : "5 opponents. ";
        EXPECT_EQ(cash.previewSpoken(choices, 5000), count + seated(cash, choices)) << opponents;
    }
    const NewGameSheetModel quick(GameMode::quickHand, 77);
    NewGameChoices hands;
    hands.quickHandHands = 1;
    EXPECT_EQ(quick.previewSpoken(hands, 5000), "1 hand. " + seated(quick, hands));
    hands.quickHandHands = 7;
    EXPECT_EQ(quick.previewSpoken(hands, 5000), "7 hands. " + seated(quick, hands));
    const NewGameSheetModel sitAndGo(GameMode::sitAndGo, 77);
    EXPECT_EQ(sitAndGo.previewSpoken(hands, 5000), seated(sitAndGo, hands));
    EXPECT_TRUE(seated(sitAndGo, hands).startsWith("At the table: "));
}

TEST(NewGameSheetTerms, CashBlindsFollowTheStakesOthersAreTenTwenty) {
    EXPECT_EQ(NewGameSheetModel(GameMode::cashTable, 1).termBlinds(cashChoices(CashStakes::high, 100)),
              (PokerEngine::BlindLevel{100, 200, 0}));
    EXPECT_EQ(NewGameSheetModel(GameMode::sitAndGo, 1).termBlinds(cashChoices(CashStakes::high, 100)),
              (PokerEngine::BlindLevel{10, 20, 0}));
}

TEST(NewGameSheetMessage, LockedReasonThenBlockedReasonThenABlank) {
    EXPECT_EQ(NewGameSheetModel::messageLine(QString("locked"), QString("blocked")), "locked");
    EXPECT_EQ(NewGameSheetModel::messageLine(std::nullopt, QString("blocked")), "blocked");
    EXPECT_EQ(NewGameSheetModel::messageLine(std::nullopt, std::nullopt), " ");
}
