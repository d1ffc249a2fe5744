#include "Style/WordFlow.h"

#include <gtest/gtest.h>

namespace {
const std::vector<QSizeF> words{{30, 10}, {20, 12}, {40, 10}};
}

TEST(WordFlow, AWordThatExactlyFitsStaysOnTheLine) {
    const WordFlow flow{5, 2, false};
    EXPECT_EQ(flow.lines(55, words).front().indices, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(flow.lines(54.9, words).front().indices, (std::vector<std::size_t>{0}));
    const auto lines = flow.lines(55, words);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (WordFlow::Line{{0, 1}, 55, 12}));
    EXPECT_EQ(lines[1], (WordFlow::Line{{2}, 40, 10}));
    EXPECT_EQ(flow.size(55.0, words), QSizeF(55, 24));
}

TEST(WordFlow, AWideWordGetsItsOwnLineAndTheSizeIsClamped) {
    const WordFlow flow{5, 2, true};
    const auto lines = flow.lines(25, words);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(flow.size(25.0, words).width(), 25);
    const auto placed = flow.place(QPointF(10, 0), 25, words);
    EXPECT_DOUBLE_EQ(placed[2].x(), 10 + (25 - 40) * 0.5);
    EXPECT_DOUBLE_EQ(placed[1].y(), 12);
}

TEST(WordFlow, NoWidthMeansOneLineAndNoWordsMeansNothing) {
    const WordFlow flow{5, 2, false};
    EXPECT_EQ(flow.size(std::nullopt, words), QSizeF(30 + 5 + 20 + 5 + 40, 12));
    EXPECT_TRUE(flow.lines(100, {}).empty());
    EXPECT_EQ(flow.size(100.0, {}), QSizeF(0, 0));
    const auto placed = flow.place(QPointF(3, 4), 200, words);
    EXPECT_EQ(placed[1], QPointF(3 + 30 + 5, 4));
}
