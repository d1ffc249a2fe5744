#include "PokerEngine/CheckedMath.h"

#include <gtest/gtest.h>

#include <limits>

using namespace PokerEngine;

namespace {
constexpr auto maxChips = std::numeric_limits<std::int64_t>::max();
constexpr auto minChips = std::numeric_limits<std::int64_t>::min();
} // namespace

TEST(CheckedMath, ComputesInRange) {
    EXPECT_EQ(checkedAdd(maxChips - 1, 1), maxChips);
    EXPECT_EQ(checkedSub(minChips + 1, 1), minChips);
    EXPECT_EQ(checkedMul(-3, 4), -12);
}

TEST(CheckedMathDeathTest, StopsOnOverflow) {
    EXPECT_DEATH(checkedAdd(maxChips, 1), "Precondition failed");
    EXPECT_DEATH(checkedSub(minChips, 1), "Precondition failed");
    EXPECT_DEATH(checkedMul(maxChips / 2 + 1, 2), "Precondition failed");
}
