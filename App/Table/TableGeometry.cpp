#include "Table/TableGeometry.h"

#include "PokerEngine/Precondition.h"
#include "Table/CardGeometry.h"
#include "Table/SeatLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The style's room below the table for the player's plate and cards.
double styleInset(TableStyleID style) {
    switch (style) {
    case TableStyleID::satin:
        return 144;
    case TableStyleID::paper:
        return 146;
    case TableStyleID::pixel:
        return 145;
    }
    return 144;
}

// The popover's table, the smallest its sizes are laid out for.
constexpr double popoverTableWidth = 388;
constexpr double popoverTableHeight = 214;

// Top bar, heading and a margin above the table.
constexpr double topChrome = 23 + 18 + 4;
constexpr double aspect = 1.8;
// The board's centre line, as a fraction of the table's height.
constexpr double boardRow = 0.39;

double heroCardGap(TableStyleID style, double pixelUnit) {
    switch (style) {
    case TableStyleID::satin:
        return 14;
    case TableStyleID::paper:
        return 16;
    case TableStyleID::pixel:
        return 5 * pixelUnit;
    }
    return 14;
}

// Room between the player's cards as drawn and the row under the stage (the action bar, the showdown
// banner), so the two never touch.
constexpr double bottomRowGap = 2;

// Where the player's cards stand lowest: never so low that a card, tilted, with its edge and shadow,
// comes within the gap of the stage's bottom, where the row under the stage begins.
double lowestHeroCards(QSizeF stage, TableStyleID style, QSizeF card) {
    return stage.height() - TableGeometry::heroCardReachBelow(style, card) - bottomRowGap;
}

// Room kept below the table for the player's plate and cards: the style's own, or more where the
// window's cards as drawn would otherwise come too near the row under the stage. The popover's smaller
// cards, which a low window's table takes, need less.
double reservedBelow(TableStyleID style) {
    const TableMetrics m = style == TableStyleID::pixel ? TableMetrics::pixel(3, TableSurface::window)
                                                        : TableMetrics::satinWindow();
    const double cards = m.plate.height() / 2 + heroCardGap(style, 3) + m.heroCard.height() / 2 +
                         TableGeometry::heroCardReachBelow(style, m.heroCard) + bottomRowGap;
    return std::max(styleInset(style), std::ceil(cards));
}

} // namespace

TableGeometry TableGeometry::popover(TableStyleID style) {
    TableGeometry geometry;
    geometry.stage = QSizeF(420, 388);
    geometry.table = QRectF(16, 44, popoverTableWidth, popoverTableHeight);
    geometry.pixelUnit = 2;
    geometry.metrics = style == TableStyleID::pixel ? TableMetrics::pixel(2, TableSurface::popover)
                                                    : TableMetrics::satinPopover();
    geometry.heroCards = QPointF(210, lowestHeroCards(geometry.stage, style, geometry.metrics.heroCard));
    return geometry;
}

TableGeometry TableGeometry::window(QSizeF stage, TableStyleID style, double leastWindowSizesHeight) {
    const double W = stage.width();
    const double H = stage.height();
    const double reserved = reservedBelow(style);
    double h = std::max(150.0, std::min({420.0, (W - 48) / aspect, (H - reserved - topChrome) / 1.04}));
    double w = aspect * h;

    TableGeometry geometry;
    if (style == TableStyleID::pixel) {
        // The pixel table comes in two exact sizes so its pixels stay whole.
        const bool large = w >= 660;
        w = large ? 660 : 388;
        h = large ? 366 : 214;
        geometry.pixelUnit = large ? 3 : 2;
        geometry.metrics = TableMetrics::pixel(geometry.pixelUnit, TableSurface::window);
    } else if (h < leastWindowSizesHeight) {
        // The window's cards and plates crowd a table this low: the top seat's shown cards have no
        // room between its plate and the board. The table keeps the room the window gives it, never
        // less than the popover's, and takes the popover's plates and cards, which are laid out for that.
        w = std::max(w, popoverTableWidth);
        h = std::max(h, popoverTableHeight);
        geometry.pixelUnit = 3;
        geometry.metrics = TableMetrics::satinPopover();
    } else {
        geometry.pixelUnit = 3;
        geometry.metrics = TableMetrics::satinWindow();
    }
    const double top = 0.04 * h + topChrome;
    geometry.table =
        QRectF(std::round((W - w) / 2), std::round(top + std::max(0.0, (H - reserved - h - top) / 2)), w, h);
    const auto& m = geometry.metrics;
    geometry.heroCards = QPointF(geometry.table.center().x(), geometry.table.bottom() + m.plate.height() / 2 +
                                                                  heroCardGap(style, geometry.pixelUnit) +
                                                                  m.heroCard.height() / 2);
    geometry.stage = stage;
    return geometry;
}

double TableGeometry::fullTableColumnWidth(double stageHeight, TableStyleID style,
                                           double leastWindowSizesHeight) {
    const double h = (stageHeight - reservedBelow(style) - topChrome) / 1.04;
    const double w = h < 420 ? aspect * std::max(h, 150.0) : 756;
    if (style == TableStyleID::pixel) {
        return w >= 660 ? 708 : 436;
    }
    return std::ceil((h < leastWindowSizesHeight ? std::max(w, popoverTableWidth) : w) + 48);
}

double TableGeometry::leastHeightForShownPair(double pairClearance, double above) {
    const TableMetrics m = TableMetrics::satinWindow();
    const double plateRow = SeatLayout::anchor(3).plate.y();
    const double pair = 1.15 * m.botCard.height();
    // The top plate stands at least the top inset down the stage; it may rise as far as what reaches
    // above it allows (withRoomForShownPairs), and a hair less, so the pair stands clear.
    const double rise = std::max(topChrome - m.plate.height() / 2 - above - 0.01, 0.0);
    return (m.plate.height() / 2 + pairClearance + pair + m.boardCard.height() / 2 + m.boardGap - rise) /
           (boardRow - plateRow);
}

double TableGeometry::heroCardTilt(TableStyleID style) {
    return style == TableStyleID::pixel ? 0 : 3;
}

double TableGeometry::heroCardReachBelow(TableStyleID style, QSizeF card) {
    // A winning card's ring stands 2 out from its edge; the shadow mostly reaches further.
    const double ring = 2;
    const QMarginsF drawn = CardGeometry::drawnReach(style, card.width(), false);
    const double below = card.height() / 2 + std::max(drawn.bottom(), ring);
    const double side = card.width() / 2 + std::max({drawn.left(), drawn.right(), ring});
    // Turned either way, the lower corner of the drawn box comes lowest.
    const double tilt = heroCardTilt(style) * std::numbers::pi / 180;
    return below * std::cos(tilt) + side * std::sin(tilt);
}

QPointF TableGeometry::plateCenter(int slot) const {
    const auto& anchor = SeatLayout::anchor(slot);
    double rise = 0;
    if (slot == SeatLayout::topSlot) {
        rise = topPlateRise;
    } else if (anchor.plate.y() < 0.5) {
        rise = sidePlateRise;
    }
    return QPointF(table.left() + anchor.plate.x() * table.width(),
                   table.top() + anchor.plate.y() * table.height() - rise);
}

TableGeometry TableGeometry::withRoomForShownPairs(double pairClearance, double above) const {
    TableGeometry raised = *this;
    raised.topPlateRise = 0;
    raised.sidePlateRise = 0;
    const auto rise = [&](int slot) {
        const double plate = raised.plateCenter(slot).y();
        const double pairBottom =
            plate + metrics.plate.height() / 2 + pairClearance + 1.15 * metrics.botCard.height();
        // A hair more than the shortfall, so the pair stands clear rather than exactly on the gap's edge.
        const double shortfall = pairBottom - (boardArea().top() - metrics.boardGap) + 0.01;
        const double headroom = plate - metrics.plate.height() / 2 - above;
        return std::clamp(shortfall, 0.0, std::max(headroom, 0.0));
    };
    raised.topPlateRise = rise(SeatLayout::topSlot);
    // The upper left and right places are level with each other.
    raised.sidePlateRise = rise(2);
    return raised;
}

QPointF TableGeometry::dealerCenter(int slot, double clearance) const {
    const QPointF plate = plateCenter(slot);
    const double shift = metrics.plate.width() / 2 + clearance + metrics.dealerButton / 2;
    const bool right = SeatLayout::anchor(slot).dealerSide == SeatLayout::DealerSide::right;
    return QPointF(plate.x() + (right ? shift : -shift), plate.y());
}

QPointF TableGeometry::boardCardCenter(int index) const {
    const double cardWidth = metrics.boardCard.width();
    const double rowWidth = 5 * cardWidth + 4 * metrics.boardGap;
    return QPointF(table.center().x() - rowWidth / 2 + cardWidth / 2 + index * (cardWidth + metrics.boardGap),
                   table.top() + boardRow * table.height());
}

QRectF TableGeometry::boardArea() const {
    const QPointF corner(metrics.boardCard.width() / 2, metrics.boardCard.height() / 2);
    return QRectF(boardCardCenter(0) - corner, boardCardCenter(4) + corner);
}

QPointF TableGeometry::potCenter() const {
    const double below = metrics.surface == TableSurface::popover ? 11 : 14;
    return QPointF(table.center().x(),
                   table.top() + boardRow * table.height() + metrics.boardCard.height() / 2 + 8 + below);
}

QPointF TableGeometry::holeCardCenter(int slot, int card, bool revealed, double clearance) const {
    CW_PRECONDITION(card == 0 || card == 1);
    const QPointF plate = plateCenter(slot);
    const double plateHeight = metrics.plate.height();
    const QSizeF size = revealed ? metrics.botCard * 1.15 : metrics.botCard;
    const double step = revealed ? 0.8 : 0.55;
    const double inset = revealed ? 6 : 10;
    double y = 0;
    if (!revealed) {
        y = plate.y() - plateHeight / 2 - metrics.botCardPeek + size.height() / 2;
    } else if (SeatLayout::anchor(slot).plate.y() >= 0.5) {
        y = plate.y() - plateHeight / 2 - clearance - size.height() / 2;
    } else {
        y = plate.y() + plateHeight / 2 + clearance + size.height() / 2;
    }
    const double cw = size.width();
    const double pairWidth = (1 + step) * cw;
    // Face down, a pair peeks over its plate's trailing end. Shown, it stands on its plate's inner side,
    // where the felt is widest: past a right seat's outer end it would hang over the rail. The top seat's
    // stands under the plate's middle, clear of the dealer button beside either neighbour.
    const double side = SeatLayout::anchor(slot).plate.x();
    double pairLeft = plate.x() + metrics.plate.width() / 2 - inset - pairWidth;
    if (revealed && side > 0.5) {
        pairLeft = plate.x() - metrics.plate.width() / 2 + inset;
    } else if (revealed && side == 0.5) {
        pairLeft = plate.x() - pairWidth / 2;
    }
    double x = pairLeft + cw / 2 + card * step * cw;
    const QRectF pair(pairLeft, y - size.height() / 2, pairWidth, size.height());
    if (revealed && side != 0.5 && SeatLayout::anchor(slot).plate.y() < 0.5 && aboveBoardRow(pair)) {
        // Level with the board it would read as more board cards: it keeps its height under its plate
        // and comes in off the rail sideways.
        x += inwardOntoFelt(pair);
    } else if (revealed) {
        const QPointF shift =
            clearOfBoard(QRectF(pairLeft, y - size.height() / 2, pairWidth, size.height()), plate.x());
        x += shift.x();
        y += shift.y();
        y += ontoFelt(QRectF(pairLeft + shift.x(), y - size.height() / 2, pairWidth, size.height()));
    }
    return QPointF(x, y);
}

double TableGeometry::ontoFelt(const QRectF& pair) const {
    const double rail = metrics.railWidth;
    const QRectF felt = table.adjusted(rail, rail, -rail, -rail);
    const double radius = felt.height() / 2;
    // How far the pair reaches into a rounded end, and how high and low the felt runs there.
    const double into =
        std::max({felt.left() + radius - pair.left(), pair.right() - (felt.right() - radius), 0.0});
    if (into <= 0 || into >= radius) {
        return 0;
    }
    const double reach = std::sqrt(radius * radius - into * into);
    const double middle = felt.center().y();
    return std::max(middle - reach - pair.top(), 0.0) - std::max(pair.bottom() - (middle + reach), 0.0);
}

double TableGeometry::inwardOntoFelt(const QRectF& pair) const {
    const double rail = metrics.railWidth;
    const QRectF felt = table.adjusted(rail, rail, -rail, -rail);
    const double radius = felt.height() / 2;
    // The felt is narrowest along the pair's edge furthest from its middle line.
    const double off =
        std::max(std::abs(pair.top() - felt.center().y()), std::abs(pair.bottom() - felt.center().y()));
    const double halfChord = std::sqrt(std::max(radius * radius - off * off, 0.0));
    const double left = felt.left() + radius - halfChord;
    const double right = felt.right() - radius + halfChord;
    return std::max(left - pair.left(), 0.0) - std::max(pair.right() - right, 0.0);
}

bool TableGeometry::aboveBoardRow(const QRectF& pair) const {
    return pair.bottom() <= boardArea().top() - metrics.boardGap;
}

QPointF TableGeometry::clearOfBoard(const QRectF& pair, double plateX) const {
    const QRectF board = boardArea();
    // Shown cards keep at least the board's own gap from it, or they read as part of the board.
    const double gap = metrics.boardGap;
    if (!pair.intersects(board.adjusted(-gap, -gap, gap, gap))) {
        return {};
    }
    // The plate over the board's middle card has nowhere sideways to go: on a table too low for its
    // pair between the plate and the board, the pair rises over the plate rather than cover the board.
    if (std::abs(plateX - board.center().x()) < metrics.boardCard.width() / 2) {
        return QPointF(0, board.top() - gap - pair.bottom());
    }
    if (plateX < board.center().x()) {
        return QPointF(board.left() - gap - pair.right(), 0);
    }
    return QPointF(board.right() + gap - pair.left(), 0);
}
