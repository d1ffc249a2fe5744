// The flip's poses, the paper grain and the pixel page's dots.
#include "Style/PaperGrain.h"
#include "Table/Screen/FlipPose.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(FlipPose, TheTurnShowsTheFaceThenTheBack) {
    EXPECT_EQ(FlipPose::at(0), (FlipPose{true, 0, false, 1}));
    const auto quarter = FlipPose::at(45);
    EXPECT_TRUE(quarter.faceUp);
    EXPECT_TRUE(quarter.lifted);
    EXPECT_NEAR(quarter.squash, std::sqrt(0.5), 1e-12);
    const auto half = FlipPose::at(90);
    EXPECT_TRUE(half.faceUp);
    EXPECT_DOUBLE_EQ(half.squash, 0.08); // never thinner than 8%
    const auto past = FlipPose::at(120);
    EXPECT_FALSE(past.faceUp);
    EXPECT_DOUBLE_EQ(past.visibleDegrees, -60);
    EXPECT_NEAR(past.squash, 0.5, 1e-12);
    EXPECT_EQ(FlipPose::at(180), (FlipPose{false, 0, false, 1}));
}

TEST(PaperGrain, MatchesTheWorkedValuesAndRepeats) {
    EXPECT_EQ(PaperGrain::hash(0), 0);
    EXPECT_NEAR(PaperGrain::hash(12345678901234), 0.4860914015411612, 1e-15);
    // The lattice words wrap past 2^63 without any undefined behaviour.
    EXPECT_GE(PaperGrain::hash(~std::uint64_t{0}), 0);
    EXPECT_EQ(PaperGrain::level(0, 0, false), 226);
    EXPECT_EQ(PaperGrain::level(0, 0, true), 28);
    EXPECT_EQ(PaperGrain::level(17, 3, false), 232);
    EXPECT_EQ(PaperGrain::level(160, 77, true), 25);
    EXPECT_EQ(PaperGrain::level(5, 300, false), 239);
    EXPECT_EQ(PaperGrain::level(319, 319, true), 28);
    // The tile joins its neighbours without a seam.
    for (int i = 0; i < PaperGrain::tileSize; i += 7) {
        EXPECT_EQ(PaperGrain::level(PaperGrain::tileSize, i, false), PaperGrain::level(0, i, false));
        EXPECT_EQ(PaperGrain::level(i, PaperGrain::tileSize, true), PaperGrain::level(i, 0, true));
    }
    const auto light = PaperGrain::levels(false);
    ASSERT_EQ(light.size(), 320u * 320u);
    EXPECT_GE(*std::min_element(light.begin(), light.end()), 221);
    const auto dark = PaperGrain::levels(true);
    EXPECT_LE(*std::max_element(dark.begin(), dark.end()), 34);
    EXPECT_EQ(PaperGrain::levels(false), light);
}

TEST(StockDots, StaggeredEveryFourthCell) {
    const auto dots = StockDots::cells(20, 20, 2); // 11 x 11 cells
    EXPECT_EQ(dots.front(), (StockDots::Cell{0, 0}));
    EXPECT_TRUE(std::find(dots.begin(), dots.end(), StockDots::Cell{2, 4}) != dots.end());
    EXPECT_TRUE(std::find(dots.begin(), dots.end(), StockDots::Cell{0, 4}) == dots.end());
    EXPECT_TRUE(std::find(dots.begin(), dots.end(), StockDots::Cell{8, 8}) != dots.end());
    EXPECT_EQ(dots.size(), 9u); // rows 0, 4 and 8, three dots each
    // A unit below one cell of a point draws nothing at all.
    EXPECT_TRUE(StockDots::cells(1100, 750, 0.5).empty());
    EXPECT_TRUE(StockDots::cells(1100, 750, 0).empty());
    EXPECT_TRUE(StockDots::cells(1100, 750, -3).empty());
}
