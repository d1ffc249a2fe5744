#include "Style/ChipStacking.h"
#include "Table/ChipText.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ChipText, CompactAmounts) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"},          {9'999, "9,999"},    {-9'999, "-9,999"},  {10'000, "10k"},
        {12'345, "12.3k"}, {999'949, "999.9k"}, {999'950, "1M"},     {1'000'000, "1M"},
        {1'049'999, "1M"}, {1'050'000, "1.1M"}, {1'250'000, "1.3M"}, {-25'000, "-25k"},
        {10'050, "10.1k"}, {-999'950, "-1M"},
    };
    for (const auto& [amount, text] : cases) {
        EXPECT_EQ(ChipText::compact(amount), QString::fromUtf8(text)) << amount;
    }
}

TEST(ChipText, TheLargestAmountsNeitherOverflowNorLoseTheirSign) {
    EXPECT_EQ(ChipText::compact(std::numeric_limits<std::int64_t>::max()).toStdString(), "9223372036854.8M");
    EXPECT_EQ(ChipText::compact(std::numeric_limits<std::int64_t>::min()).toStdString(), "-9223372036854.8M");
}

namespace {
std::vector<ChipColumn> cols(std::initializer_list<std::pair<ChipDenomination, int>> list) {
    std::vector<ChipColumn> result;
    for (auto [denomination, count] : list) {
        result.push_back({denomination, count});
    }
    return result;
}
using D = ChipDenomination;
} // namespace

TEST(ChipStacking, AmountsBecomeColumnsLargestFirst) {
    EXPECT_EQ(ChipStacking::columns(1'234, 10, 4),
              cols({{D::d1000, 1}, {D::d100, 2}, {D::d25, 1}, {D::d5, 1}}));
    EXPECT_EQ(ChipStacking::columns(60, 10, 4), cols({{D::d25, 2}, {D::d5, 2}}));
    EXPECT_EQ(ChipStacking::columns(30, 10, 4), cols({{D::d25, 1}, {D::d5, 1}}));
    EXPECT_EQ(ChipStacking::columns(7, 10, 4), cols({{D::d5, 1}, {D::d1, 2}}));
    EXPECT_EQ(ChipStacking::columns(275, 10, 4), cols({{D::d100, 2}, {D::d25, 3}}));
    EXPECT_EQ(ChipStacking::columns(1, 10, 4), cols({{D::d1, 1}}));
    EXPECT_EQ(ChipStacking::columns(100'000, 8, 2), cols({{D::d25000, 4}}));
}

TEST(ChipStacking, TallPilesSplitIntoColumnsFullestFirst) {
    EXPECT_EQ(ChipStacking::columns(12 * 25'000, 8, 4), cols({{D::d25000, 8}, {D::d25000, 4}}));
    EXPECT_EQ(ChipStacking::columns(12 * 25'000, 8, 1), cols({{D::d25000, 8}}));
    EXPECT_EQ(ChipStacking::columns(23, 10, 4), cols({{D::d5, 4}, {D::d1, 3}}));
    EXPECT_EQ(ChipStacking::columns(23 * 100, 10, 4), cols({{D::d1000, 2}, {D::d100, 3}}));
}

TEST(ChipStacking, NothingForNoChips) {
    EXPECT_TRUE(ChipStacking::columns(0, 10, 4).empty());
    EXPECT_TRUE(ChipStacking::columns(-500, 10, 4).empty());
    EXPECT_TRUE(ChipStacking::columns(std::numeric_limits<std::int64_t>::min(), 10, 4).empty());
}

// A huge amount would make trillions of columns of 25,000 only to keep the first few.
TEST(ChipStacking, AHugeAmountStopsAtTheColumnLimit) {
    EXPECT_EQ(ChipStacking::columns(std::numeric_limits<std::int64_t>::max(), 10, 4),
              cols({{D::d25000, 10}, {D::d25000, 10}, {D::d25000, 10}, {D::d25000, 10}}));
}

TEST(ChipStackingDeathTest, LimitsBelowOneStopTheProgram) {
    EXPECT_DEATH(ChipStacking::columns(100, 0, 4), "perColumn");
    EXPECT_DEATH(ChipStacking::columns(100, 10, 0), "maxColumns");
}

TEST(ChipDenomination, ValuesRoundTrip) {
    for (auto denomination : ChipDenominations::largestFirst) {
        EXPECT_EQ(ChipDenominations::fromValue(ChipDenominations::value(denomination)), denomination);
    }
    EXPECT_EQ(ChipDenominations::fromValue(50), std::nullopt);
}
