#include "Style/PixelGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace PixelGeometry;

TEST(PixelGeometry, BevelAtRestAndPressed) {
    EXPECT_EQ(bevel(14, 13, false), (std::vector<BevelPiece>{
                                        {BevelPart::outline, {1, 0, 12, 13}},
                                        {BevelPart::outline, {0, 1, 14, 11}},
                                        {BevelPart::fill, {1, 1, 12, 11}},
                                        {BevelPart::highlight, {1, 1, 12, 1}},
                                        {BevelPart::shadow, {1, 10, 12, 2}},
                                    }));
    EXPECT_EQ(bevel(14, 13, true), (std::vector<BevelPiece>{
                                       {BevelPart::outline, {1, 1, 12, 12}},
                                       {BevelPart::outline, {0, 2, 14, 10}},
                                       {BevelPart::fill, {1, 2, 12, 10}},
                                       {BevelPart::shadow, {1, 11, 12, 1}},
                                   }));
}

TEST(PixelGeometry, NarrowBevelDrawsOnlyTheHorizontalBand) {
    EXPECT_EQ(bevel(2, 3, false), (std::vector<BevelPiece>{{BevelPart::outline, {0, 1, 2, 1}}}));
    EXPECT_TRUE(bevel(2, 2, false).empty());
    EXPECT_TRUE(bevel(0, 0, true).empty());
}

TEST(PixelGeometry, FocusRingCornersSitOnEvenCells) {
    const auto has = [](const std::vector<CellRect>& cells, int x, int y) {
        return std::find(cells.begin(), cells.end(), CellRect{x, y, 1, 1}) != cells.end();
    };
    const auto even = focusRing(18, 16);
    EXPECT_TRUE(has(even, 0, 0));
    EXPECT_TRUE(has(even, 17, 0));
    EXPECT_TRUE(has(even, 0, 15));
    EXPECT_FALSE(has(even, 17, 15));
    const auto odd = focusRing(18, 17);
    EXPECT_TRUE(has(odd, 16, 16));
    EXPECT_TRUE(has(odd, 17, 16));
    EXPECT_FALSE(has(odd, 1, 0));
}

TEST(PixelGeometry, PanelPiecesAndANarrowPanel) {
    const auto pieces = panel(2, 3, 10, 6);
    EXPECT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[2], (PanelPiece{PanelPart::face, {3, 4, 8, 4}}));
    const auto narrow = panel(0, 0, 2, 6);
    EXPECT_EQ(narrow, (std::vector<PanelPiece>{
                          {PanelPart::outline, {0, 1, 2, 4}},
                          {PanelPart::innerLine, {1, 1, 1, 4}},
                          {PanelPart::innerLine, {0, 1, 1, 4}},
                      }));
}

TEST(PixelGeometry, DiscOfEighteenCells) {
    const Disc d = disc(18);
    EXPECT_FALSE(d.face.empty());
    EXPECT_FALSE(d.rim.empty());
    // Corners are outside the disc; the middle is face.
    const auto contains = [](const std::vector<CellRect>& cells, int x, int y) {
        return std::find(cells.begin(), cells.end(), CellRect{x, y, 1, 1}) != cells.end();
    };
    EXPECT_FALSE(contains(d.face, 0, 0) || contains(d.rim, 0, 0));
    EXPECT_TRUE(contains(d.face, 9, 9));
    EXPECT_TRUE(contains(d.rim, 0, 9));
    for (const auto& cell : d.checkers)
        EXPECT_EQ((cell.column + cell.row) % 2, 1);
    EXPECT_TRUE(disc(0).face.empty());
}

TEST(PixelGeometry, TextCellsFollowThePen) {
    const auto cells = text(PixelFontFace::label, "i i", 2, 3, 1);
    // "I" is three wide with nine lit pixels; the second starts after the 3-wide glyph, its gap and a space.
    ASSERT_EQ(cells.size(), 18u);
    EXPECT_EQ(cells.front(), (CellRect{2, 3, 1, 1}));
    EXPECT_EQ(cells[9].column, 2 + 4 + 3);
    const auto doubled = text(PixelFontFace::label, ".", 0, 0, 2);
    EXPECT_EQ(doubled, (std::vector<CellRect>{{0, 8, 2, 2}}));
}
