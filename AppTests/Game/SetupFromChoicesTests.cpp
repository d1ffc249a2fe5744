// A new game from the remembered choices: the one builder behind the lobby's sheet and "Play Again".
#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"

#include "Persistence/ChoicesSetup.h"
#include "Support/CashChoices.h"

#include <gtest/gtest.h>

TEST(SetupFromChoices, CashBuyInStaysWithinTheStakesAndTheSpendableChips) {
    struct Case {
        CashStakes stakes;
        std::int64_t chosen;
        std::int64_t spendable;
        std::int64_t buyIn;
    };
    const Case cases[] = {
        {CashStakes::low, 100, 2000, 100},      // the choice, affordable
        {CashStakes::low, 100, 930, 93},        // what the chips reach
        {CashStakes::low, 60, 930, 60},         // a smaller choice stays
        {CashStakes::low, 30, 5000, 40},        // below the stakes' minimum
        {CashStakes::low, 500, 1'000'000, 100}, // above the maximum
        {CashStakes::medium, 100, 3000, 60},    // 3,000 ÷ 50
        {CashStakes::high, 100, 8000, 40},      // exactly the minimum
        {CashStakes::high, 100, 7999, 40},      // short: still the minimum, and the start is refused
        {CashStakes::low, 100, 0, 40},          {CashStakes::low, 100, -500, 40},
        {CashStakes::low, -7, 2000, 40},
    };
    for (const auto& c : cases) {
        const auto choices = cashChoices(c.stakes, c.chosen);
        EXPECT_EQ(ChoicesSetup::cashBuyInBB(choices, c.spendable), c.buyIn)
            << "chosen " << c.chosen << ", spendable " << c.spendable;
        const GameSetup setup = ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, c.spendable, 1);
        EXPECT_EQ(std::get<CashTableSetup>(setup.value()).buyInBB, c.buyIn);
    }
}

TEST(SetupFromChoices, ACashTableNeverCostsMoreThanCanBeSpentOnceTheMinimumIs) {
    for (const CashStakes stakes : allCashStakes) {
        for (std::int64_t chosen = 0; chosen <= 140; chosen += 7) {
            for (std::int64_t spendable = 0; spendable <= 25'000; spendable += 373) {
                const GameSetup setup = ChoicesSetup::setupFromChoices(
                    GameMode::cashTable, cashChoices(stakes, chosen), spendable, 3);
                const auto buyIn = std::get<CashTableSetup>(setup.value()).buyInBB;
                ASSERT_GE(buyIn, GameModeRules::cashMinimumBuyInBB);
                ASSERT_LE(buyIn, GameModeRules::cashMaximumBuyInBB);
                if (spendable >= GameModeRules::cashMinimumBuyInBB * bigBlind(stakes)) {
                    ASSERT_LE(GameModeRules::setupCost(setup), spendable);
                } else {
                    ASSERT_GT(GameModeRules::setupCost(setup), spendable);
                }
            }
        }
    }
}

TEST(SetupFromChoices, EachModeFromItsRememberedChoices) {
    NewGameChoices choices;
    choices.quickHandDifficulty = TableDifficulty::hard;
    choices.quickHandHands = 5;
    choices.sitAndGoDifficulty = TableDifficulty::easy;
    choices.cashStakes = CashStakes::medium;
    choices.cashOpponents = 9;
    choices.cashDifficulty = TableDifficulty::mixed;

    const GameSetup quick = ChoicesSetup::setupFromChoices(GameMode::quickHand, choices, 0, 42);
    EXPECT_EQ(quick, GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::hard, 42, 5)));

    const GameSetup sitAndGo = ChoicesSetup::setupFromChoices(GameMode::sitAndGo, choices, 0, 42);
    EXPECT_EQ(sitAndGo,
              GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 42), 42}));

    const GameSetup cash = ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, 4000, 42);
    const auto& table = std::get<CashTableSetup>(cash.value());
    EXPECT_EQ(table.stakes, CashStakes::medium);
    EXPECT_EQ(table.buyInBB, 80);
    EXPECT_EQ(table.difficulty, TableDifficulty::mixed);
    EXPECT_EQ(table.opponents, BotSeating::opponents(5, TableDifficulty::mixed, 42)); // 9 asked, 5 seated
    EXPECT_EQ(table.seed, 42u);
    choices.cashOpponents = 0;
    EXPECT_EQ(std::get<CashTableSetup>(
                  ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, 4000, 42).value())
                  .opponents.size(),
              1u);

    // The practice hand always deals the same cards, whatever the seed.
    EXPECT_EQ(ChoicesSetup::setupFromChoices(GameMode::practice, choices, 0, 42),
              GameSetup::practice(PracticeSetup{}));
    // The same choices and seed seat the same table.
    EXPECT_EQ(ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, 4000, 7),
              ChoicesSetup::setupFromChoices(GameMode::cashTable, choices, 4000, 7));
}
