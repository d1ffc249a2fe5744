#include "Table/ChipStackGeometry.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/SoftShadow.h"
#include "Views/Table/ChipStackView.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>

namespace {

TableTheme theme(TableStyleID style, TableSurface surface, double unit = 2) {
    return TableTheme::drawnIn(style, surface, unit, AppearanceFlags{});
}

bool holds(const std::vector<CellRect>& cells, int x, int y) {
    return std::count(cells.begin(), cells.end(), CellRect{x, y, 1, 1}) > 0;
}

const ChipStackGeometry::PixelPiece* piece(const std::vector<ChipStackGeometry::PixelPiece>& pieces,
                                           ChipStackGeometry::PixelRole role) {
    for (const auto& candidate : pieces)
        if (candidate.role == role)
            return &candidate;
    return nullptr;
}

QImage picture(const TableTheme& theme, std::int64_t amount, bool lifted) {
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ChipStackView::paint(painter, QPointF(20, 20), theme, amount, lifted);
    return image;
}

} // namespace

TEST(ChipStackGeometry, LimitsByStyleAndSurface) {
    for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper}) {
        EXPECT_EQ(ChipStackGeometry::limits(theme(style, TableSurface::window)),
                  (ChipStackGeometry::Limits{10, 4, 28, 4, 3}));
        EXPECT_EQ(ChipStackGeometry::limits(theme(style, TableSurface::popover)),
                  (ChipStackGeometry::Limits{8, 2, 20, 3, 2}));
    }
    const auto small = ChipStackGeometry::limits(theme(TableStyleID::pixel, TableSurface::window, 2));
    EXPECT_EQ(small.perColumn, 8);
    EXPECT_EQ(small.columns, 2);
    const auto large = ChipStackGeometry::limits(theme(TableStyleID::pixel, TableSurface::window, 3));
    EXPECT_EQ(large.perColumn, 10);
    EXPECT_EQ(large.columns, 4);
    EXPECT_EQ(ChipStackGeometry::faceRatio(TableStyleID::paper), 0.44);
    EXPECT_EQ(ChipStackGeometry::faceRatio(TableStyleID::satin), 0.35);
}

TEST(ChipStackGeometry, SizesOfStacks) {
    const auto satin = theme(TableStyleID::satin, TableSurface::window);
    EXPECT_EQ(ChipStackGeometry::size(0, satin), QSizeF(0, 0));
    EXPECT_EQ(ChipStackGeometry::size(-50, satin), QSizeF(0, 0));
    // Three chips of 25: 28 wide, 28 × 0.35 + 4 × 3 high.
    const QSizeF three = ChipStackGeometry::size(75, satin);
    EXPECT_DOUBLE_EQ(three.width(), 28);
    EXPECT_DOUBLE_EQ(three.height(), 21.8);
    // Two columns of one chip each in paper on the popover.
    const QSizeF paper =
        ChipStackGeometry::size(10 * 100 + 5, theme(TableStyleID::paper, TableSurface::popover));
    EXPECT_DOUBLE_EQ(paper.width(), 20 * 2 + 2);
    EXPECT_DOUBLE_EQ(paper.height(), 20 * 0.44 + 3 * 1);
    // One pixel chip at unit 2: 20 × 12.
    EXPECT_EQ(ChipStackGeometry::size(1, theme(TableStyleID::pixel, TableSurface::popover, 2)),
              QSizeF(20, 12));
    EXPECT_EQ(ChipStackView::size(1, theme(TableStyleID::pixel, TableSurface::popover, 2)), QSizeF(20, 12));
}

TEST(ChipStackGeometry, TooManyColumnsKeepTheLargestChips) {
    const auto satin = theme(TableStyleID::satin, TableSurface::window);
    const auto columns = ChipStackGeometry::columns(1234, satin);
    EXPECT_EQ(columns, (std::vector<ChipColumn>{{ChipDenomination::d1000, 1},
                                                {ChipDenomination::d100, 2},
                                                {ChipDenomination::d25, 1},
                                                {ChipDenomination::d5, 1}}));
    const auto popover = ChipStackGeometry::columns(1234, theme(TableStyleID::satin, TableSurface::popover));
    EXPECT_EQ(popover.size(), 2u);
}

TEST(ChipStackGeometry, CylindersRestOnTheBottomAndReachTheTop) {
    const auto satin = theme(TableStyleID::satin, TableSurface::window);
    const auto columns = ChipStackGeometry::columns(2 * 1000 + 100, satin); // 1000 × 2, 100 × 1
    const double height = ChipStackGeometry::size(columns, satin).height();
    const auto chips = ChipStackGeometry::cylinders(columns, satin, height);
    ASSERT_EQ(chips.size(), 3u);
    const double e = 28 * 0.35;
    EXPECT_DOUBLE_EQ(chips[0].origin.y(), height - e - 4);
    EXPECT_NEAR(chips[1].origin.y(), 0, 1e-9);
    EXPECT_FALSE(chips[0].isTop);
    EXPECT_TRUE(chips[1].isTop);
    EXPECT_DOUBLE_EQ(chips[2].origin.x(), 28 + 3);
    EXPECT_TRUE(chips[2].isTop);
}

TEST(ChipStackGeometry, PixelSpriteShadowAndTopMark) {
    const std::vector<ChipColumn> one{{ChipDenomination::d25, 1}};
    const auto pieces = ChipStackGeometry::pixelPieces(one, 6);
    const auto* shadow = piece(pieces, ChipStackGeometry::PixelRole::shadow);
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->cells, (std::vector<CellRect>{{1, 5, 9, 1}}));
    const auto* outline = piece(pieces, ChipStackGeometry::PixelRole::outline);
    ASSERT_NE(outline, nullptr);
    // The sprite's top row is grid row 0: "..OOOOOO..".
    EXPECT_TRUE(holds(outline->cells, 2, 0));
    EXPECT_TRUE(holds(outline->cells, 7, 0));
    EXPECT_FALSE(holds(outline->cells, 1, 0));
    // The top mark sits on the sprite's second row, columns 4 and 5.
    const auto* inlay = piece(pieces, ChipStackGeometry::PixelRole::inlay);
    ASSERT_NE(inlay, nullptr);
    EXPECT_TRUE(holds(inlay->cells, 4, 1));
    EXPECT_TRUE(holds(inlay->cells, 5, 1));
}

TEST(ChipStackGeometry, UpperPixelChipsCoverTheOnesBelow) {
    const std::vector<ChipColumn> two{{ChipDenomination::d5, 2}, {ChipDenomination::d1, 1}};
    const auto pieces = ChipStackGeometry::pixelPieces(two, 8);
    // Chip 0 starts on row 2, chip 1 on row 0; chip 1's outline row (row 4 of its sprite) hides chip 0's
    // top colour on row 4 of the grid, and no cell is coloured twice.
    std::set<std::pair<int, int>> seen;
    for (const auto& part : pieces) {
        if (part.role == ChipStackGeometry::PixelRole::shadow)
            continue;
        for (const CellRect& cell : part.cells)
            EXPECT_TRUE(seen.insert({cell.column, cell.row}).second);
    }
    const auto* outline = piece(pieces, ChipStackGeometry::PixelRole::outline);
    EXPECT_TRUE(holds(outline->cells, 3, 4));
    // The second column starts eleven cells along.
    EXPECT_TRUE(holds(outline->cells, 11 + 2, 2));
}

TEST(ChipStackView, LiftingMovesOnlyTheShadow) {
    for (TableStyleID style : allTableStyleIDs) {
        const auto look = theme(style, TableSurface::window, 3);
        // One column of ten chips, so the shadow stays well below the top chips.
        const QImage resting = picture(look, 250000, false);
        const QImage lifted = picture(look, 250000, true);
        // The upper chips are the same either way.
        for (int y = 20; y < 30; ++y)
            for (int x = 0; x < 200; ++x)
                ASSERT_EQ(resting.pixel(x, y), lifted.pixel(x, y)) << toString(style) << " " << x << "," << y;
        EXPECT_EQ(resting != lifted, style != TableStyleID::pixel) << toString(style);
    }
}

TEST(ChipStackView, NothingForNoChipsAndNoBlurOnARepaint) {
    const auto satin = theme(TableStyleID::satin, TableSurface::window);
    ChipStackView empty(satin, 0);
    EXPECT_EQ(empty.sizeHint(), QSize(0, 0));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&empty)->state().invisible);

    ChipStackView stack(satin, 1250, true);
    EXPECT_EQ(stack.pieceRect().size(), ChipStackView::size(1250, satin));
    stack.grab();
    const std::size_t blurred = SoftShadow::imagesMade();
    const std::size_t images = ArtCache::imagesMade();
    stack.grab();
    EXPECT_EQ(SoftShadow::imagesMade(), blurred);
    EXPECT_EQ(ArtCache::imagesMade(), images);
}
