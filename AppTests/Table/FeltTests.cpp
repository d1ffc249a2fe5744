#include "Table/FeltGeometry.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/SoftShadow.h"
#include "Views/Table/FeltView.h"
#include "Views/Table/PausedTableOverlay.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Cell = FeltGeometry::PixelFeltCell;

Cell at(const std::vector<Cell>& cells, const FeltGeometry::PixelFeltSize& size, int x, int y) {
    return cells[static_cast<std::size_t>(y) * size.width + x];
}

} // namespace

TEST(FeltGeometry, RailAndLightingOfTheVectorFelts) {
    EXPECT_EQ(FeltGeometry::rail(QSizeF(756, 420), TableSurface::window), 14);
    EXPECT_EQ(FeltGeometry::lighting(QSizeF(270, 150), TableSurface::window), 1);
    EXPECT_EQ(FeltGeometry::rail(QSizeF(388, 214), TableSurface::popover), 10);
    EXPECT_EQ(FeltGeometry::lighting(QSizeF(388, 214), TableSurface::popover), 1);
    // A table only 20 high keeps a rail of 3.
    EXPECT_EQ(FeltGeometry::rail(QSizeF(36, 20), TableSurface::window), 3);
    EXPECT_DOUBLE_EQ(FeltGeometry::lighting(QSizeF(36, 20), TableSurface::window), 3.0 / 14);
    EXPECT_DOUBLE_EQ(FeltGeometry::lighting(QSizeF(36, 20), TableSurface::popover), 0.3);
    EXPECT_DOUBLE_EQ(FeltGeometry::rail(QSizeF(200, 120), TableSurface::window), 12);
    EXPECT_EQ(FeltGeometry::laminateStep(TableSurface::window), 5);
    EXPECT_EQ(FeltGeometry::laminateStep(TableSurface::popover), 3);
}

TEST(FeltGeometry, PixelFeltTakesItsRailFromThePixelMetrics) {
    // The window's 660 x 366 table at unit 3 and the popover's 388 x 214 at unit 2, with the rails the
    // pixel metrics give (6 and 5 cells), in the drawing and the cache key alike.
    const auto window = FeltGeometry::pixelFeltSize(QSizeF(660, 366), 3, TableSurface::window);
    EXPECT_EQ(window, (FeltGeometry::PixelFeltSize{220, 122, 6}));
    EXPECT_EQ(FeltGeometry::pixelFeltKey(window, false), "220x122r6false");
    const auto popover = FeltGeometry::pixelFeltSize(QSizeF(388, 214), 2, TableSurface::popover);
    EXPECT_EQ(popover, (FeltGeometry::PixelFeltSize{194, 107, 5}));
    EXPECT_EQ(FeltGeometry::pixelFeltKey(popover, true), "194x107r5true");
    // The window's small pixel table uses the popover's cells.
    EXPECT_EQ(FeltGeometry::pixelFeltSize(QSizeF(388, 214), 2, TableSurface::window), popover);
    // A unit below one point has no grid.
    EXPECT_EQ(FeltGeometry::pixelFeltSize(QSizeF(388, 214), 0.5, TableSurface::popover),
              FeltGeometry::PixelFeltSize{});
}

TEST(FeltGeometry, DitherThresholdsAreTheStandardMatrix) {
    const auto& bayer = FeltGeometry::bayer();
    EXPECT_DOUBLE_EQ(bayer[0][0], 0.5 / 16);
    EXPECT_DOUBLE_EQ(bayer[0][1], 8.5 / 16);
    EXPECT_DOUBLE_EQ(bayer[3][0], 15.5 / 16);
    EXPECT_DOUBLE_EQ(bayer[2][2], 1.5 / 16);
}

TEST(FeltGeometry, PixelFeltCellsAreRailBandsRoundADitheredCloth) {
    const FeltGeometry::PixelFeltSize size{220, 122, 6};
    const auto cells = FeltGeometry::pixelFeltCells(size);
    ASSERT_EQ(cells.size(), 220u * 122u);
    // The corners lie outside the capsule.
    EXPECT_EQ(at(cells, size, 0, 0).kind, Cell::Kind::outside);
    EXPECT_EQ(at(cells, size, 219, 121).kind, Cell::Kind::outside);
    // Rail bands lit from above.
    EXPECT_EQ(at(cells, size, 110, 0), (Cell{Cell::Kind::rail, 0}));
    EXPECT_EQ(at(cells, size, 1, 61), (Cell{Cell::Kind::rail, 1}));
    EXPECT_EQ(at(cells, size, 110, 121), (Cell{Cell::Kind::rail, 2}));
    // The darker ring just inside the rail: level 3.6.
    const Cell ring = at(cells, size, 110, 6);
    EXPECT_EQ(ring.kind, Cell::Kind::cloth);
    EXPECT_GE(ring.shade, 3);
    // The lightest spot sits a little above the middle.
    EXPECT_EQ(at(cells, size, 110, 34), (Cell{Cell::Kind::cloth, 0}));
    EXPECT_EQ(at(cells, size, 110, 80).kind, Cell::Kind::cloth);
    EXPECT_GT(at(cells, size, 110, 100).shade, at(cells, size, 110, 40).shade);
}

TEST(FeltGeometry, AnIntegerLevelNeverStepsUp) {
    // 100 high: the brightest point is exactly at row 28 and column 50, level 0.
    const FeltGeometry::PixelFeltSize size{100, 100, 5};
    const auto cells = FeltGeometry::pixelFeltCells(size);
    EXPECT_EQ(at(cells, size, 50, 28), (Cell{Cell::Kind::cloth, 0}));
}

TEST(FeltGeometry, ARailOfHalfTheHeightLeavesNoCloth) {
    const FeltGeometry::PixelFeltSize size{40, 10, 5};
    for (const Cell& cell : FeltGeometry::pixelFeltCells(size))
        EXPECT_NE(cell.kind, Cell::Kind::cloth);
}

TEST(FeltGeometry, PausedCheckerboardCoversEveryOtherCellOfTheCapsule) {
    const auto cells = FeltGeometry::pausedCheckerboard(QSizeF(388, 214), 2);
    ASSERT_FALSE(cells.empty());
    for (const CellRect& cell : cells) {
        EXPECT_EQ((cell.column + cell.row) % 2, 0);
        EXPECT_LT(cell.column, 194);
        EXPECT_LT(cell.row, 107);
    }
    // Corners stay clear; the middle row is filled from end to end.
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CellRect{0, 0, 1, 1}), 0);
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CellRect{100, 50, 1, 1}), 1);
    EXPECT_TRUE(FeltGeometry::pausedCheckerboard(QSizeF(388, 1.5), 2).empty());
    EXPECT_TRUE(FeltGeometry::pausedCheckerboard(QSizeF(388, 214), 0).empty());
}

TEST(PixelFeltImages, OneImagePerKeyReusedThereafter) {
    // The felts are kept for the process, so another test may have built these already: only a key
    // not yet kept may build, and exactly once.
    const FeltGeometry::PixelFeltSize size{64, 36, 5};
    for (const bool dark : {false, true}) {
        const QString key = FeltGeometry::pixelFeltKey(size, dark);
        const std::size_t fresh = PixelFeltImages::isCached(key) ? 0 : 1;
        const std::size_t before = PixelFeltImages::built();
        const QImage& first = PixelFeltImages::image(size, dark);
        EXPECT_EQ(PixelFeltImages::built(), before + fresh);
        EXPECT_TRUE(PixelFeltImages::isCached(key));
        const QImage& again = PixelFeltImages::image(size, dark);
        EXPECT_EQ(&again, &first);
        EXPECT_EQ(PixelFeltImages::built(), before + fresh);
    }
    const QImage& first = PixelFeltImages::image(size, false);
    EXPECT_EQ(first.size(), QSize(64, 36));
    // Outside cells stay transparent, the rest is opaque.
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(first.pixel(32, 18)), 255);
}

TEST(FeltView, ARepaintThatChangesNothingBuildsNoImageAndBlursNothing) {
    for (TableStyleID style : allTableStyleIDs) {
        for (TableSurface surface : {TableSurface::popover, TableSurface::window}) {
            const double unit = surface == TableSurface::window ? 3 : 2;
            const TableTheme theme = TableTheme::drawnIn(style, surface, unit, AppearanceFlags{});
            FeltView felt(theme, surface == TableSurface::window ? QSizeF(660, 366) : QSizeF(388, 214));
            felt.grab();
            const std::size_t shadows = SoftShadow::imagesMade();
            const std::size_t images = ArtCache::imagesMade();
            const std::size_t felts = PixelFeltImages::built();
            felt.grab();
            felt.grab();
            EXPECT_EQ(SoftShadow::imagesMade(), shadows) << toString(style);
            EXPECT_EQ(ArtCache::imagesMade(), images) << toString(style);
            EXPECT_EQ(PixelFeltImages::built(), felts) << toString(style);
        }
    }
}

TEST(FeltView, IsDecorativeAndLeavesRoomForItsShadow) {
    const TableTheme paper =
        TableTheme::drawnIn(TableStyleID::paper, TableSurface::window, 3, AppearanceFlags{});
    FeltView felt(paper, QSizeF(660, 366));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&felt)->state().invisible);
    EXPECT_TRUE(felt.testAttribute(Qt::WA_TransparentForMouseEvents));
    // The laminate hangs 20 points below the board.
    EXPECT_GE(felt.sizeHint().height() - felt.pieceRect().bottom(), 20);
    felt.placePiece(QRectF(30, 40, 660, 366));
    EXPECT_EQ(felt.geometry().topLeft() + felt.pieceRect().topLeft().toPoint(), QPoint(30, 40));
}

TEST(PausedTableOverlay, TakesNoClicksAndIsHiddenFromScreenReaders) {
    for (TableStyleID style : allTableStyleIDs) {
        const TableTheme theme = TableTheme::drawnIn(style, TableSurface::popover, 2, AppearanceFlags{});
        PausedTableOverlay overlay(theme, QSizeF(388, 214));
        EXPECT_TRUE(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&overlay)->state().invisible);
        QImage image(overlay.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        overlay.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(image.size(), QSize(388, 214));
        // Dimmed in the middle, nothing in the corner outside the capsule.
        EXPECT_GT(qAlpha(image.pixel(194, 106)) + qAlpha(image.pixel(195, 106)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}
