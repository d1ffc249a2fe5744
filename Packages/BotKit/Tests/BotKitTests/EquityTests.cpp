#include "BotKit/Equity.h"

#include "TestCards.h"

#include <gtest/gtest.h>

#include <array>
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

// Estimates pinned bit for bit, with the generator's end state: every seeded bot decision rests on
// these draws and sums staying exactly as they are. They cover any-hand and narrow ranges, the
// unit draw and the board test on every street, flush-draw boards, the untested 31st pair and
// five opponents on the flop, where most of the redrawn pairs are dealt.
TEST(Equity, ReproducesPinnedEstimates) {
    struct Pinned {
        const char* hole;
        const char* board;
        std::vector<OpponentRange> ranges;
        std::int64_t iterations;
        std::uint64_t seed;
        double estimate;
        std::array<std::uint64_t, 4> endState;
    };
    const std::vector<Pinned> pinned = {
        {"Ah Kd",
         "",
         {OpponentRange::any()},
         2000,
         1,
         0x1.4a7ef9db22d0ep-1,
         {0x2ee890b53cd8df3eULL, 0xbd503fb6b10e9b9aULL, 0xe8b8c4fe2a90942fULL, 0xdb4ec0cd62ab175cULL}},
        {"Ah Kd",
         "Kc 8h 2d",
         {{0.3, 0.4}},
         2000,
         2,
         0x1.b5e353f7ced91p-1,
         {0xa11aa6869814687bULL, 0xd9e2b99849be1e6cULL, 0xbc0f4406d6904740ULL, 0x1c52766b6e6dbb57ULL}},
        {"7s 6s",
         "8s 9d 2s Kh",
         {{0.2, 0.75}, {0.7, 0.0}, {1.0, 0.4}},
         1500,
         3,
         0x1.2015d867c3ecep-2,
         {0xa9f2b3714518831fULL, 0x2d1242a4e2453ad8ULL, 0xb9e5cdaa07f48342ULL, 0x2be46f9edf4f5b28ULL}},
        {"Qc Qd",
         "2h 7h 9h Jc 3h",
         {{0.08, 0.75}, {0.3, 0.4}, {1.0, 0.0}, {0.35, 0.75}, {0.04, 0.75}},
         1500,
         4,
         0x1.e098ead65b7a3p-8,
         {0xc4d4e2c239feefc0ULL, 0x8aaf6d145d0ab44dULL, 0x43edc8c18168c564ULL, 0x1c4f6a487b7243bcULL}},
        {"5c 5d",
         "",
         {{0.0, 0.0}, {0.1, 0.0}},
         1500,
         5,
         0x1.3dc8057619f0fp-2,
         {0xd23140cf4382d628ULL, 0x45ce8f44d4c6ed31ULL, 0xb33822faec17f6fULL, 0x14aeab1c1a44c344ULL}},
        {"Ad 2d",
         "3d 4d Kc",
         {{1.0, 1.0}},
         2000,
         6,
         0x1.1020c49ba5e35p-1,
         {0x5185667cdf5f7738ULL, 0x70f1db2af9a80088ULL, 0xa15cfe21a643d83aULL, 0xa0c3ebc611bcf2f8ULL}},
        {"Tc 9c",
         "Th 9h 9s",
         {{0.04, 0.75}, {0.2, 1.0}},
         1500,
         7,
         0x1.d00aec33e1f67p-1,
         {0xacde96ec81ac94d4ULL, 0xb99a85b270442ac5ULL, 0xc87596a969993303ULL, 0xae7d44f909e03aa1ULL}},
        {"Ah Kd",
         "Kc 8h 2d",
         {{0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}, {0.3, 0.4}},
         2000,
         8,
         0x1.cf1a9fbe76c8cp-2,
         {0xf9860bc0259aa6b8ULL, 0xa6c2d5f3b1cb996eULL, 0xb7bb2cf2de25e0e3ULL, 0x7d32ee6afe6cf9cdULL}},
        {"Qs Jd",
         "Ts 8s 3d",
         {{0.15, 0.75}, {1.0, 0.0}, {0.5, 0.4}, {0.04, 1.0}, {0.3, 0.6}},
         2000,
         9,
         0x1.5810624dd2f1bp-3,
         {0xa269da1099099bfcULL, 0xcfa007eeb2b60641ULL, 0x1a8781651cc29f74ULL, 0x4abb8a508e4d7523ULL}},
    };
    for (const Pinned& entry : pinned) {
        SeededRNG rng(entry.seed);
        EXPECT_EQ(estimate(entry.hole, entry.board, entry.ranges, entry.iterations, rng), entry.estimate)
            << entry.hole << " / " << entry.board;
        EXPECT_EQ(rng, SeededRNG::fromState(entry.endState[0], entry.endState[1], entry.endState[2],
                                            entry.endState[3]))
            << entry.hole << " / " << entry.board;
    }
}
