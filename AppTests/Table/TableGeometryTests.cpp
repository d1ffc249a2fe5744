#include "Table/Screen/SeatClearance.h"
#include "Table/TableGeometry.h"

#include "Table/SeatLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void expectPoint(QPointF actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, 1e-9);
    EXPECT_NEAR(actual.y(), y, 1e-9);
}

} // namespace

TEST(TableMetrics, PixelSizesAreWholePixelsOfTheUnit) {
    const auto small = TableMetrics::pixel(2, TableSurface::popover);
    EXPECT_EQ(small.boardCard, QSizeF(40, 56));
    EXPECT_EQ(small.heroCard, QSizeF(52, 72));
    EXPECT_EQ(small.botCard, QSizeF(18, 26));
    EXPECT_EQ(small.plate, QSizeF(112, 36));
    EXPECT_EQ(small.avatar, 36);
    EXPECT_EQ(small.dealerButton, 18);
    EXPECT_EQ(small.railWidth, 10);
    EXPECT_EQ(small.chipPitch, 4);
    EXPECT_EQ(small.chipsPerColumn, 8);
    EXPECT_EQ(small.chipColumns, 2);

    const auto large = TableMetrics::pixel(3, TableSurface::window);
    EXPECT_EQ(large.surface, TableSurface::window);
    EXPECT_EQ(large.heroCard, QSizeF(72, 102));
    EXPECT_EQ(large.plate, QSizeF(150, 45));
    EXPECT_EQ(large.avatar, 45);
    EXPECT_EQ(large.railWidth, 18);
    EXPECT_EQ(large.chipDiameter, 30);
    EXPECT_EQ(large.chipColumnGap, 3);
    EXPECT_EQ(large.chipsPerColumn, 10);
    EXPECT_EQ(large.chipColumns, 4);
}

TEST(TableGeometry, ThePopoverTableIsFixed) {
    const auto satin = TableGeometry::popover(TableStyleID::satin);
    EXPECT_EQ(satin.stage, QSizeF(420, 388));
    EXPECT_EQ(satin.table, QRectF(16, 44, 388, 214));
    EXPECT_EQ(satin.heroCards.x(), 210);
    EXPECT_EQ(satin.pixelUnit, 2);
    EXPECT_EQ(satin.metrics, TableMetrics::satinPopover());
    EXPECT_EQ(satin.metrics.heroCard, QSizeF(52, 73));
    EXPECT_EQ(satin.metrics.dealerButton, 16);
    // Paper shares it all but where the player's cards stand, clear of the row below by its own shadow.
    auto paper = TableGeometry::popover(TableStyleID::paper);
    EXPECT_EQ(paper.heroCards.x(), 210);
    paper.heroCards = satin.heroCards;
    EXPECT_EQ(paper, satin);

    const auto pixel = TableGeometry::popover(TableStyleID::pixel);
    EXPECT_EQ(pixel.table, satin.table);
    EXPECT_EQ(pixel.metrics, TableMetrics::pixel(2, TableSurface::popover));
}

TEST(TableGeometry, ALowWindowTableTakesThePopoversPlatesAndCardsButKeepsItsRoom) {
    // The window's cards and plates need a table on which the top seat's shown pair fits between its
    // plate and the board; below that satin and paper draw the popover's plates and cards on a table
    // as large as the window allows, never below the popover's own, centred as any window table.
    const auto tiny = SeatClearance::windowGeometry(QSizeF(100, 100), TableStyleID::satin);
    // 388 x 214 even though it overflows; y is the top inset 0.04 × 214 + 45.
    EXPECT_EQ(tiny.table, QRectF(-144, 54, 388, 214));
    expectPoint(tiny.heroCards, 50, 54 + 214 + 18 + 14 + 36.5);
    EXPECT_EQ(tiny.stage, QSizeF(100, 100));
    EXPECT_EQ(tiny.metrics, TableMetrics::satinPopover());
    EXPECT_EQ(tiny.pixelUnit, 3);

    // The smallest window's stage, 599 x 427, gets the popover's sizes on a table that fills its room.
    const auto smallest = SeatClearance::windowGeometry(QSizeF(599, 427), TableStyleID::paper);
    EXPECT_EQ(smallest.metrics, TableMetrics::satinPopover());
    EXPECT_NEAR(smallest.table.height(), (427 - 157 - 45) / 1.04, 1e-9);
    // A laptop's window (1366 x 768 with a panel), 308 high, keeps the window's own in satin, whose
    // plate hangs least below it, the top plate rising a little for its pair; paper's, whose
    // card-stock edges hang lower, needs more than its 306.
    const auto laptop = SeatClearance::windowGeometry(QSizeF(799, 520), TableStyleID::satin);
    EXPECT_EQ(laptop.metrics, TableMetrics::satinWindow());
    EXPECT_NEAR(laptop.table.width(), 1.8 * (520 - 155 - 45) / 1.04, 1e-9);
    EXPECT_EQ(SeatClearance::windowGeometry(QSizeF(799, 520), TableStyleID::paper).metrics,
              TableMetrics::satinPopover());
    EXPECT_EQ(SeatClearance::windowGeometry(QSizeF(799, 532), TableStyleID::paper).metrics,
              TableMetrics::satinWindow());
    // A stage just tall enough gets the window's.
    const auto enough = SeatClearance::windowGeometry(QSizeF(700, 540), TableStyleID::satin);
    EXPECT_EQ(enough.metrics, TableMetrics::satinWindow());
    EXPECT_NEAR(enough.table.height(), 340 / 1.04, 1e-9);
}

TEST(TableGeometry, ALargeWindowCapsTheTableAndCentresIt) {
    const auto geometry = SeatClearance::windowGeometry(QSizeF(2000, 1500), TableStyleID::satin);
    // Centred in what is left under the top inset 61.8 and over the player's cards' 155:
    // 61.8 + (1500 − 155 − 420 − 61.8) / 2 = 493.4.
    EXPECT_EQ(geometry.table, QRectF(622, 493, 756, 420));
    expectPoint(geometry.heroCards, 1000, 493 + 420 + 23 + 14 + 50.5);

    const auto paper = SeatClearance::windowGeometry(QSizeF(2000, 1500), TableStyleID::paper);
    EXPECT_EQ(paper.table, QRectF(622, 492, 756, 420));
    expectPoint(paper.heroCards, 1000, 492 + 420 + 23 + 16 + 50.5);
}

TEST(TableGeometry, TheDefaultWindowIsLimitedByItsHeight) {
    // The table window's default stage: 1100 wide, 750 − 136 high.
    const auto geometry = SeatClearance::windowGeometry(QSizeF(1100, 614), TableStyleID::satin);
    const double h = 414 / 1.04;
    EXPECT_NEAR(geometry.table.height(), h, 1e-9);
    EXPECT_NEAR(geometry.table.width(), 1.8 * h, 1e-9);
    EXPECT_EQ(geometry.table.x(), 192);
    EXPECT_EQ(geometry.table.y(), 61);
}

TEST(TableGeometry, ThePixelTableJumpsBetweenTwoExactSizes) {
    const auto large = SeatClearance::windowGeometry(QSizeF(1100, 614), TableStyleID::pixel);
    EXPECT_EQ(large.table, QRectF(220, 81, 660, 366));
    EXPECT_EQ(large.pixelUnit, 3);
    EXPECT_EQ(large.metrics, TableMetrics::pixel(3, TableSurface::window));
    expectPoint(large.heroCards, 550, 81 + 366 + 22.5 + 15 + 51);

    // 1.8 × h just under 660 gives the small table.
    const auto small = SeatClearance::windowGeometry(QSizeF(700, 600), TableStyleID::pixel);
    EXPECT_EQ(small.table.size(), QSizeF(388, 214));
    EXPECT_EQ(small.pixelUnit, 2);
    EXPECT_EQ(small.metrics, TableMetrics::pixel(2, TableSurface::window));
    EXPECT_EQ(SeatClearance::windowGeometry(QSizeF(800, 600), TableStyleID::pixel).table.size(),
              QSizeF(660, 366));
}

TEST(TableGeometry, FullTableColumnWidths) {
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(5000, TableStyleID::satin), 804);
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(5000, TableStyleID::paper), 804);
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(5000, TableStyleID::pixel), 708);
    // h = 400 / 1.04 = 384.61..., w = 692.30...
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(600, TableStyleID::satin), 741);
    // A table too low for the window's sizes is never narrower than the popover's, 388.
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(100, TableStyleID::satin), 436);
    // h = 282 / 1.04 = 271.1..., w = 488.0...
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(484, TableStyleID::paper), 537);
    EXPECT_EQ(SeatClearance::fullTableColumnWidth(100, TableStyleID::pixel), 436);
}

TEST(TableGeometry, CentresOnThePopoverTable) {
    const auto g = TableGeometry::popover(TableStyleID::satin);
    expectPoint(g.plateCenter(0), 210, 258);
    expectPoint(g.plateCenter(3), 210, 44 - 0.04 * 214);
    expectPoint(g.plateCenter(5), 16 + 0.845 * 388, 44 + 0.83 * 214);
    // Beside the plate: half a plate, 6 points and half a button.
    expectPoint(g.dealerCenter(0), 280, 258);
    expectPoint(g.dealerCenter(3), 140, 44 - 0.04 * 214);
    expectPoint(g.boardCardCenter(0), 118, 44 + 0.39 * 214);
    expectPoint(g.boardCardCenter(4), 302, 44 + 0.39 * 214);
    expectPoint(g.potCenter(), 210, 44 + 0.39 * 214 + 28 + 8 + 11);
    const auto window = SeatClearance::windowGeometry(QSizeF(2000, 1500), TableStyleID::satin);
    expectPoint(window.potCenter(), 1000, 493 + 0.39 * 420 + 42 + 8 + 14);
}

TEST(TableGeometry, BotHoleCardsSitBesideTheirPlates) {
    const auto g = TableGeometry::popover(TableStyleID::satin);
    const double topPlateY = 44 - 0.04 * 214;
    // Face down: peeking 12 points above the plate, card 1 ten points inside the plate's right edge.
    expectPoint(g.holeCardCenter(3, 0, false), 210 + 56 - 10 - 1.55 * 22 + 11, topPlateY - 18 - 12 + 15.5);
    expectPoint(g.holeCardCenter(3, 1, false), 210 + 56 - 10 - 11, topPlateY - 18 - 12 + 15.5);
    // Revealed cards are 1.15 times larger: below a plate in the upper half, above one in the lower half,
    // on the plate's inner side, under the top plate's middle.
    const double w = 22 * 1.15;
    const double h = 31 * 1.15;
    expectPoint(g.holeCardCenter(3, 1, true), 210 - 0.9 * w + 0.8 * w + w / 2, topPlateY + 18 + 4 + h / 2);
    expectPoint(g.holeCardCenter(1, 0, true), 16 + 0.155 * 388 + 56 - 6 - 1.8 * w + w / 2,
                44 + 0.83 * 214 - 18 - 4 - h / 2);
    expectPoint(g.holeCardCenter(5, 0, true), 16 + 0.845 * 388 - 56 + 6 + w / 2,
                44 + 0.83 * 214 - 18 - 4 - h / 2);
}

TEST(TableGeometry, ShownCardsStandClearOfTheBoard) {
    // In the popover and a window of its first size, the upper-left seat's shown pair hangs down to the
    // first board card's corner, where its rank is printed. At the sizes a player meets, every shown
    // pair stands at least the board's own card gap clear of its five places, in every style.
    std::vector<TableGeometry> geometries;
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        geometries.push_back(TableGeometry::popover(style));
        for (const QSizeF stage : {QSizeF(800, 554), QSizeF(700, 500), QSizeF(1400, 1000)}) {
            geometries.push_back(SeatClearance::windowGeometry(stage, style));
        }
    }
    for (const TableGeometry& g : geometries) {
        const QSizeF place = g.metrics.boardCard;
        const double gap = g.metrics.boardGap - 0.01;
        const QRectF board = QRectF(g.boardCardCenter(0) - QPointF(place.width(), place.height()) / 2,
                                    g.boardCardCenter(4) + QPointF(place.width(), place.height()) / 2)
                                 .adjusted(-gap, -gap, gap, gap);
        const QSizeF shown = g.metrics.botCard * 1.15;
        for (int slot = 1; slot < 6; ++slot) {
            for (int card = 0; card < 2; ++card) {
                const QPointF centre = g.holeCardCenter(slot, card, true);
                const QRectF face(centre - QPointF(shown.width(), shown.height()) / 2, shown);
                EXPECT_FALSE(face.intersects(board))
                    << "slot " << slot << " card " << card << " on a " << g.stage.width() << "x"
                    << g.stage.height() << " stage";
            }
        }
    }
    // The popover's upper-left pair moves sideways, and down off the rail, and stays over the table.
    const auto g = TableGeometry::popover(TableStyleID::satin);
    const double w = 22 * 1.15;
    const double h = 31 * 1.15;
    EXPECT_GT(g.holeCardCenter(2, 0, true).y(), 44 + 0.075 * 214 + 18 + 4 + h / 2);
    EXPECT_GE(g.holeCardCenter(2, 0, true).x() - w / 2, g.table.left());
    EXPECT_NEAR(g.holeCardCenter(2, 1, true).x() - g.holeCardCenter(2, 0, true).x(), 0.8 * w, 1e-9);
}

TEST(TableGeometryDeathTest, SlotsOutsideTheTableStopTheProgram) {
    const auto g = TableGeometry::popover(TableStyleID::satin);
    EXPECT_DEATH(g.dealerCenter(6), "slot");
    EXPECT_DEATH(g.holeCardCenter(-1, 0, false), "slot");
    EXPECT_DEATH(g.holeCardCenter(2, 2, false), "card");
}

TEST(SeatLayout, SlotsBySeatCountKeepThePlayerAtTheBottom) {
    EXPECT_EQ(SeatLayout::slotsForSeatCount(0), (std::vector<int>{0, 3}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(2), (std::vector<int>{0, 3}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(3), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(4), (std::vector<int>{0, 1, 3, 5}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(5), (std::vector<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(SeatLayout::slotsForSeatCount(9), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(SeatLayout::anchor(3).plate, QPointF(0.5, -0.04));
    EXPECT_EQ(SeatLayout::anchor(4).dealerSide, SeatLayout::DealerSide::left);
    EXPECT_EQ(SeatLayout::anchor(1).bet, QPointF(0.24, 0.62));
}
