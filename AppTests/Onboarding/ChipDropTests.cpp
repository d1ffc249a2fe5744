#include "Style/ChipDrop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const ChipDrop& drop24() {
    static const ChipDrop drop(24);
    return drop;
}

} // namespace

TEST(ChipDrop, JitterMatchesTheFixedHash) {
    const double chip0[] = {0.5593, 0.861, 0.8142, 0.5292};
    const double chip1[] = {0.976, 0.764, 0.8604, 0.2573};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_DOUBLE_EQ(ChipDrop::jitter(0, k), chip0[k - 1]) << "k " << k;
        EXPECT_DOUBLE_EQ(ChipDrop::jitter(1, k), chip1[k - 1]) << "k " << k;
    }
}

TEST(ChipDrop, PileIsWorthTenThousandInFortyThreeChips) {
    const auto& drop = drop24();
    EXPECT_DOUBLE_EQ(drop.thickness(), 5.76);
    ASSERT_EQ(drop.chips().size(), 43u);
    std::int64_t total = 0;
    for (const auto& chip : drop.chips())
        total += ChipDenominations::value(chip.denomination);
    EXPECT_EQ(total, 10000);
    EXPECT_DOUBLE_EQ(drop.chips().front().start, 0.15);
    EXPECT_NEAR(drop.chips().back().start, 2.04, 1e-9);
}

TEST(ChipDrop, DropsLevelByLevelWithLooseChipsLast) {
    const auto& chips = drop24().chips();
    // Level 0 of rows 0 to 6, then level 1 of the same rows.
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(chips[n].stack, n);
        EXPECT_EQ(chips[n].level, 0);
        EXPECT_EQ(chips[n + 7].stack, n);
        EXPECT_EQ(chips[n + 7].level, 1);
    }
    // The tallest stack finishes alone: levels 7 to 9 of row 1, then the five loose chips.
    for (int n = 35; n < 38; ++n)
        EXPECT_EQ(chips[n].stack, 1);
    EXPECT_EQ(chips[37].level, 9);
    for (int n = 38; n < 43; ++n) {
        EXPECT_EQ(chips[n].stack, n - 31);
        EXPECT_EQ(chips[n].level, 0);
    }
    EXPECT_DOUBLE_EQ(chips[7].restY, 236 - 5.76);
}

TEST(ChipDrop, FirstChipFallsAndBouncesTwice) {
    const auto& drop = drop24();
    const auto& chip = drop.chips().front();
    EXPECT_NEAR(chip.land, 0.562, 0.001);
    const double impact = chip.startSpeed + ChipDrop::gravity * (chip.land - chip.start);
    EXPECT_NEAR(impact, 1342, 1);

    EXPECT_DOUBLE_EQ(drop.y(chip, 0.0), chip.startY);
    EXPECT_DOUBLE_EQ(drop.y(chip, chip.start), chip.startY);
    EXPECT_LT(drop.y(chip, 0.4), chip.restY);

    // The first bounce leaves at about 376 and peaks about 25 points up.
    const double v1 = 0.28 * impact;
    EXPECT_NEAR(v1, 376, 0.5);
    const double apex = chip.land + v1 / ChipDrop::gravity;
    EXPECT_NEAR(chip.restY - drop.y(chip, apex), 25.2, 0.2);

    // The second, at about 105, is the last: after it the chip rests.
    const double secondStart = chip.land + 2 * v1 / ChipDrop::gravity;
    const double v2 = 0.28 * v1;
    EXPECT_NEAR(v2, 105, 0.5);
    EXPECT_LT(drop.y(chip, secondStart + v2 / ChipDrop::gravity), chip.restY - 1);
    EXPECT_DOUBLE_EQ(drop.y(chip, secondStart + 2 * v2 / ChipDrop::gravity + 0.001), chip.restY);
    EXPECT_DOUBLE_EQ(drop.y(chip, 100), chip.restY);
}

TEST(ChipDrop, DurationFollowsTheLastLanding) {
    const auto& drop = drop24();
    double last = 0;
    for (const auto& chip : drop.chips())
        last = std::max(last, chip.land);
    EXPECT_NEAR(last, 2.505, 0.001);
    EXPECT_NEAR(drop.duration(), 2.855, 0.001);
}

TEST(ChipDrop, CounterEasesInStepsOfFiveToExactlyTenThousand) {
    const auto& drop = drop24();
    const double firstLanding = drop.chips().front().land;
    EXPECT_EQ(drop.count(0), 0);
    EXPECT_EQ(drop.count(firstLanding - 1e-6), 0);
    std::int64_t previous = 0;
    for (double t = 0; t < drop.duration(); t += 0.01) {
        const auto shown = drop.count(t);
        EXPECT_EQ(shown % 5, 0) << "t " << t;
        EXPECT_GE(shown, previous) << "t " << t;
        previous = shown;
    }
    EXPECT_EQ(drop.count(drop.duration()), 10000);
    EXPECT_EQ(drop.count(INFINITY), 10000);
    EXPECT_EQ(drop.count(NAN), 0);
}

TEST(ChipDrop, LandedCountsAStacksChipsByTheirLandingTimes) {
    const auto& drop = drop24();
    EXPECT_EQ(drop.landed(1, 0), 0);
    EXPECT_EQ(drop.landed(1, INFINITY), 10);
    EXPECT_EQ(drop.landed(11, INFINITY), 1);
    const auto& loose = drop.chips().back();
    EXPECT_EQ(drop.landed(11, loose.land - 1e-9), 0);
    EXPECT_EQ(drop.landed(11, loose.land), 1);
}

TEST(ChipDrop, SmallChipsKeepTheMinimumThickness) {
    EXPECT_DOUBLE_EQ(ChipDrop(25.0 / 3).thickness(), 2.0);
    EXPECT_DOUBLE_EQ(ChipDrop(4).thickness(), 2.0);
    EXPECT_DOUBLE_EQ(ChipDrop(10).thickness(), 2.4);
}
