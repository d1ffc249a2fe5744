#include "Table/CardGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using PokerEngine::Card;

Card card(const char* code) {
    return *Card::fromCode(code);
}

std::set<std::pair<int, int>> cellSet(const std::vector<CellRect>& cells) {
    std::set<std::pair<int, int>> set;
    for (const CellRect& cell : cells)
        for (int y = cell.row; y < cell.row + cell.height; ++y)
            for (int x = cell.column; x < cell.column + cell.width; ++x)
                set.insert({x, y});
    return set;
}

} // namespace

TEST(CardGeometry, CornerRadiusStepsAt28And36Points) {
    EXPECT_EQ(CardGeometry::cornerRadius(14), 3);
    EXPECT_EQ(CardGeometry::cornerRadius(27.9), 3);
    EXPECT_EQ(CardGeometry::cornerRadius(28), 4);
    EXPECT_EQ(CardGeometry::cornerRadius(35.9), 4);
    EXPECT_DOUBLE_EQ(CardGeometry::cornerRadius(36), 5.04);
    EXPECT_DOUBLE_EQ(CardGeometry::cornerRadius(60), 8.4);
    EXPECT_FALSE(CardGeometry::isLarge(35.9));
    EXPECT_TRUE(CardGeometry::isLarge(36));
}

TEST(CardGeometry, IndexTextsAndSpokenNames) {
    EXPECT_EQ(CardGeometry::rankText(PokerEngine::Rank::ten), "10");
    EXPECT_EQ(CardGeometry::rankText(PokerEngine::Rank::queen), "Q");
    EXPECT_EQ(CardGeometry::rankText(PokerEngine::Rank::two), "2");
    // Black suit characters, always asked for in text presentation.
    EXPECT_EQ(CardGeometry::suitText(PokerEngine::Suit::clubs), QString::fromUtf8("\u2663\uFE0E"));
    EXPECT_EQ(CardGeometry::suitText(PokerEngine::Suit::diamonds), QString::fromUtf8("\u2666\uFE0E"));
    EXPECT_EQ(CardGeometry::suitText(PokerEngine::Suit::hearts), QString::fromUtf8("\u2665\uFE0E"));
    EXPECT_EQ(CardGeometry::suitText(PokerEngine::Suit::spades), QString::fromUtf8("\u2660\uFE0E"));
    EXPECT_EQ(CardGeometry::spokenName(std::nullopt), "Face-down card");
    EXPECT_EQ(CardGeometry::spokenName(card("As")), "Ace of spades");
    EXPECT_EQ(CardGeometry::spokenName(card("Th")), "Ten of hearts");
}

TEST(CardGeometry, SatinBackDotsFollowTheCardSize) {
    const auto large = CardGeometry::satinBackDots(QSizeF(30, 40), 36);
    EXPECT_EQ(large.diameter, 1.3);
    EXPECT_EQ(large.pitch, 8);
    const auto small = CardGeometry::satinBackDots(QSizeF(30, 40), 35.9);
    EXPECT_EQ(small.diameter, 1.0);
    EXPECT_EQ(small.pitch, 5);
    EXPECT_GT(small.centres.size(), large.centres.size());
    for (const auto& dots : {large, small}) {
        ASSERT_FALSE(dots.centres.empty());
        for (QPointF centre : dots.centres) {
            EXPECT_GT(centre.x(), -dots.diameter);
            EXPECT_LT(centre.x(), 30 + dots.diameter);
            EXPECT_GT(centre.y(), -dots.diameter);
            EXPECT_LT(centre.y(), 40 + dots.diameter);
        }
    }
    // A 45-degree lattice: the origin is a dot and so is half a pitch across and down.
    EXPECT_NE(std::find(large.centres.begin(), large.centres.end(), QPointF(0, 0)), large.centres.end());
    EXPECT_NE(std::find(large.centres.begin(), large.centres.end(), QPointF(4, 4)), large.centres.end());
    EXPECT_TRUE(CardGeometry::satinBackDots(QSizeF(0, 10), 40).centres.empty());
    EXPECT_DOUBLE_EQ(CardGeometry::satinBackInset(60), 4.2);
    EXPECT_DOUBLE_EQ(CardGeometry::satinBackInset(14), 1.5);
}

TEST(CardGeometry, PixelLayoutsByBodyWidth) {
    EXPECT_EQ(CardGeometry::pixelLayout(11), CardGeometry::PixelLayout::mini);
    EXPECT_EQ(CardGeometry::pixelLayout(12), CardGeometry::PixelLayout::medium);
    EXPECT_EQ(CardGeometry::pixelLayout(23), CardGeometry::PixelLayout::medium);
    EXPECT_EQ(CardGeometry::pixelLayout(24), CardGeometry::PixelLayout::large);
}

TEST(CardGeometry, PixelCardBodyShadowAndInnerArea) {
    // 20 x 28 cells: body 19 x 27 with a one-cell shadow right and below.
    const auto back = CardGeometry::pixelCard(QSizeF(40, 56), 2, std::nullopt);
    EXPECT_EQ(back.columns, 20);
    EXPECT_EQ(back.rows, 28);
    EXPECT_EQ(back.shadow, (std::vector<CellRect>{{1, 27, 19, 1}, {19, 2, 1, 26}}));
    EXPECT_EQ(back.edge, (std::vector<CellRect>{{1, 0, 17, 27}, {0, 1, 19, 25}}));
    EXPECT_EQ(back.inner, (std::vector<CellRect>{{1, 1, 17, 25}}));
    EXPECT_TRUE(back.ink.empty());
    // The back's checkerboard: odd cells from 2 to cols − 4 and rows − 4.
    const auto checkers = cellSet(back.checkers);
    EXPECT_EQ(checkers.size(), 15u * 23u / 2u);
    for (auto [x, y] : checkers) {
        EXPECT_EQ((x + y) % 2, 1);
        EXPECT_GE(x, 2);
        EXPECT_LE(x, 16);
        EXPECT_GE(y, 2);
        EXPECT_LE(y, 24);
    }
    const auto face = CardGeometry::pixelCard(QSizeF(40, 56), 2, card("Ah"));
    EXPECT_TRUE(face.checkers.empty());
    EXPECT_FALSE(face.ink.empty());
}

TEST(CardGeometry, PixelCardRoundsItsGridHalfAwayFromZero) {
    const auto card = CardGeometry::pixelCard(QSizeF(27, 39), 3, std::nullopt); // 9 x 13 exactly
    EXPECT_EQ(card.columns, 9);
    const auto rounded = CardGeometry::pixelCard(QSizeF(25, 37), 2, std::nullopt); // 12.5 x 18.5
    EXPECT_EQ(rounded.columns, 13);
    EXPECT_EQ(rounded.rows, 19);
}

TEST(CardGeometry, APixelTenIsTwoCharactersExceptOnMiniCards) {
    const auto ten = card("Ts");
    const auto labelCells = [](const char* text, int x, int y, int scale) {
        return cellSet(PixelGeometry::text(PixelFontFace::label, text, x, y, scale));
    };
    const auto includes = [](const std::set<std::pair<int, int>>& all,
                             const std::set<std::pair<int, int>>& part) {
        return std::includes(all.begin(), all.end(), part.begin(), part.end());
    };
    // Large: W = 24.
    const auto large = cellSet(CardGeometry::pixelCard(QSizeF(25, 35), 1, ten).ink);
    EXPECT_TRUE(includes(large, labelCells("10", 3, 3, 2)));
    // Medium: W = 23 and W = 12.
    const auto medium = cellSet(CardGeometry::pixelCard(QSizeF(24, 34), 1, ten).ink);
    EXPECT_TRUE(includes(medium, labelCells("10", 2, 2, 1)));
    // Mini: W = 11.
    const auto mini = cellSet(CardGeometry::pixelCard(QSizeF(12, 16), 1, ten).ink);
    EXPECT_TRUE(includes(mini, labelCells("T", 3, 1, 1)));
    EXPECT_FALSE(includes(mini, labelCells("10", 3, 1, 1)));
}

TEST(CardGeometry, ATinyPixelCardDrawsOnlyWhatHasSize) {
    const auto tiny = CardGeometry::pixelCard(QSizeF(6, 6), 2, std::nullopt); // 3 x 3 cells
    EXPECT_EQ(tiny.shadow, (std::vector<CellRect>{{1, 2, 2, 1}, {2, 2, 1, 1}}));
    EXPECT_TRUE(tiny.edge.empty());
    EXPECT_TRUE(tiny.inner.empty());
    EXPECT_TRUE(tiny.checkers.empty());
}

TEST(CardGeometry, NoPixelsBelowAOnePointUnitOrForAnEndlessSize) {
    const auto none = CardGeometry::pixelCard(QSizeF(40, 56), 0.5, card("Kd"));
    EXPECT_EQ(none.columns, 0);
    EXPECT_TRUE(none.shadow.empty() && none.edge.empty() && none.inner.empty() && none.ink.empty());
    EXPECT_TRUE(CardGeometry::pixelCard(QSizeF(qInf(), 56), 2, std::nullopt).edge.empty());
    EXPECT_TRUE(CardGeometry::pixelSlot(QSizeF(40, 56), 0).empty());
    EXPECT_TRUE(CardGeometry::pixelSlot(QSizeF(40, 56), 0.9).empty());
}

TEST(CardGeometry, PixelSlotIsADottedRingOfTruncatedCells) {
    const auto cells = cellSet(CardGeometry::pixelSlot(QSizeF(41, 57), 2)); // 20 x 28, truncated
    for (auto [x, y] : cells) {
        EXPECT_TRUE(x == 0 || y == 0 || x == 19 || y == 27);
        EXPECT_EQ((x + y) % 2, 1);
    }
    // The ring holds 2 × 20 + 2 × 26 cells, every other one lit.
    EXPECT_EQ(cells.size(), 46u);
}

TEST(CardGeometry, ASmallCardsIndexStillReads) {
    // The action log's and a ranking's cards: the shares of the width alone would give 5- and 4-pixel text.
    EXPECT_EQ(CardGeometry::rankFontSize(17), 10);
    EXPECT_EQ(CardGeometry::suitFontSize(17), 8);
    // A table's cards keep their shares.
    EXPECT_DOUBLE_EQ(CardGeometry::rankFontSize(50), 18);
    EXPECT_DOUBLE_EQ(CardGeometry::suitFontSize(50), 13);
}
