#include "BotKit/Equity.h"

#include "TestCards.h"

#include <gtest/gtest.h>

#include <vector>

using namespace BotKit;
using BotKitTesting::cards;
using PokerEngine::SeededRNG;

namespace {

double estimate(const std::string& hole, const std::string& board, const std::vector<OpponentRange>& ranges,
                std::int64_t iterations, SeededRNG& rng) {
    return Equity::estimate(cards(hole), cards(board), ranges, iterations, rng);
}

// How many next() outputs separate two states of one generator (at most `limit`), or -1.
int stepsBetween(SeededRNG from, const SeededRNG& to, int limit) {
    for (int steps = 0; steps <= limit; ++steps) {
        if (from == to) {
            return steps;
        }
        from.next();
    }
    return -1;
}

} // namespace

TEST(Equity, SameGeneratorStateGivesTheSameEstimateAndEndState) {
    const std::vector<OpponentRange> ranges{{0.3, 0.4}, {1.0, 0.75}};
    SeededRNG a(99);
    SeededRNG b(99);
    const double first = estimate("Ah Kd", "Kc 8h 2d", ranges, 300, a);
    const double second = estimate("Ah Kd", "Kc 8h 2d", ranges, 300, b);
    EXPECT_EQ(first, second);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, SeededRNG(99));
}

TEST(Equity, ZeroTrialsGiveZeroAndDrawNothing) {
    SeededRNG rng(5);
    EXPECT_EQ(estimate("Ah Ad", "", {OpponentRange::any()}, 0, rng), 0.0);
    EXPECT_EQ(rng, SeededRNG(5));
}

TEST(Equity, AnyRangeOnAnEmptyBoardDrawsOnlyCards) {
    // One trial against any two cards: two cards for the opponent and five for the board, plus a
    // redraw for each number whose card is taken; never a unit draw for a range test.
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        SeededRNG rng(seed);
        const SeededRNG before = rng;
        estimate("Ah Ad", "", {OpponentRange::any()}, 1, rng);
        const int steps = stepsBetween(before, rng, 30);
        EXPECT_GE(steps, 7) << seed;
    }
}

TEST(Equity, FullBoardDrawsNoBoardCards) {
    // Against one opponent with strengthShown 0 on a full board: two cards and one unit draw.
    int exact = 0;
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        SeededRNG rng(seed);
        const SeededRNG before = rng;
        estimate("Ah Ad", "2c 7d 9h Js 3c", {OpponentRange{1.0, 0.0}}, 1, rng);
        const int steps = stepsBetween(before, rng, 30);
        EXPECT_GE(steps, 3) << seed;
        exact += steps == 3 ? 1 : 0;
    }
    EXPECT_GT(exact, 20);
}

TEST(Equity, CountsTiesAsShares) {
    // A royal flush on the board: every hand ties it.
    SeededRNG rng(1);
    EXPECT_DOUBLE_EQ(
        estimate("2c 3d", "As Ks Qs Js Ts", {OpponentRange::any(), OpponentRange::any()}, 50, rng),
        1.0 / 3.0);
    EXPECT_DOUBLE_EQ(estimate("2c 3d", "As Ks Qs Js Ts", {OpponentRange::any()}, 50, rng), 0.5);
}

TEST(Equity, UnbeatableHandWinsEveryTrial) {
    SeededRNG rng(2);
    EXPECT_EQ(estimate("As Ks", "Qs Js Ts", {OpponentRange::any(), OpponentRange{0.1, 0.75}}, 200, rng), 1.0);
}

TEST(Equity, EstimatesKnownMatchups) {
    SeededRNG rng(7);
    // Aces against a random hand win about 85 per cent.
    EXPECT_NEAR(estimate("Ah As", "", {OpponentRange::any()}, 4000, rng), 0.85, 0.02);
    // Kings against a tight range fare far worse than against any two cards; a range so tight that
    // 30 tries rarely find it mostly falls back to random hands.
    const double kingsAgainstAny = estimate("Kh Ks", "", {OpponentRange::any()}, 4000, rng);
    EXPECT_NEAR(kingsAgainstAny, 0.82, 0.02);
    EXPECT_LT(estimate("Kh Ks", "", {OpponentRange{0.1, 0.0}}, 4000, rng), kingsAgainstAny - 0.05);
    // A range nothing fits falls back to the 31st pair, a random hand.
    EXPECT_NEAR(estimate("Ah As", "", {OpponentRange{0.0, 0.0}}, 4000, rng), 0.85, 0.02);
}

TEST(Equity, ShownStrengthNarrowsTheRangeOnTheBoard) {
    SeededRNG loose(11);
    SeededRNG narrow(11);
    const double againstAny = estimate("Ah 9d", "As 7c 2h", {OpponentRange{1.0, 0.0}}, 3000, loose);
    const double againstShown = estimate("Ah 9d", "As 7c 2h", {OpponentRange{1.0, 1.0}}, 3000, narrow);
    EXPECT_LT(againstShown, againstAny - 0.1);
}

TEST(EquityDeathTest, RefusesMalformedArguments) {
    SeededRNG rng(3);
    EXPECT_DEATH(estimate("Ah", "", {OpponentRange::any()}, 10, rng), "Precondition failed");
    EXPECT_DEATH(estimate("Ah Ad", "2c 3c 4c 5c 6c 7c", {OpponentRange::any()}, 10, rng),
                 "Precondition failed");
    EXPECT_DEATH(estimate("Ah Ad", "", {}, 10, rng), "Precondition failed");
    EXPECT_DEATH(estimate("Ah Ad", "", {OpponentRange::any()}, -1, rng), "Precondition failed");
}
