#include "Table/Screen/SeatClearance.h"

#include "Table/Screen/NameplateModel.h"
#include "Table/SeatLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace SeatClearance {

namespace {

// Room left between a plate's reach and what stands beside it.
constexpr double gap = 2;

// How far the ring of a seat to act or a winner reaches past the plate's top and bottom edges. The avatar
// may be taller than the plate; the ring goes round it.
Reach ringReach(const TableTheme& theme) {
    const double plate = NameplateModel::plateSize(theme).height();
    const double overhang = std::max((NameplateModel::avatarSize(theme) - plate) / 2, 0.0);
    switch (theme.style) {
    case TableStyleID::satin:
        // The ring's frame stands 5.5 out, 9.5 on the avatar's side; half its 2.5-wide stroke lies
        // outside that.
        return {overhang + 6.75, overhang + 6.75, 10.75, 6.75};
    case TableStyleID::paper:
        // The card-stock ring shows its 3-deep edge and its shadow below, and the shadow's blur beside.
        return {overhang + 5, overhang + 5 + 3 + 2, 9 + 2, 5 + 2};
    case TableStyleID::pixel:
        break;
    }
    const double u = theme.pixelUnit;
    return {3 * u, 3 * u, 6 * u, 3 * u};
}

// How wide the ring's line is: the satin stroke, the card stock's depth, a pixel cell.
double ringWidth(const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::satin:
        return 2.5;
    case TableStyleID::paper:
        return 3;
    case TableStyleID::pixel:
        break;
    }
    return std::max(theme.pixelUnit, 2.0);
}

// Whether a box lies on the felt: within the capsule `felt`, whose ends are half circles.
bool onFelt(const QRectF& box, const QRectF& felt) {
    const double radius = felt.height() / 2;
    const auto inside = [&](QPointF corner) {
        const double x = std::clamp(corner.x(), felt.left() + radius, felt.right() - radius);
        return std::hypot(corner.x() - x, corner.y() - felt.center().y()) <= radius;
    };
    return inside(box.topLeft()) && inside(box.topRight()) && inside(box.bottomLeft()) &&
           inside(box.bottomRight());
}

} // namespace

Reach plateReach(const TableTheme& theme) {
    const double tag = NameplateModel::tagHeightIn(theme);
    // A paper tag is card stock too: its edge and shadow show under it.
    const double tagEdge = theme.style == TableStyleID::paper ? 4 : 0;
    const Reach ring = ringReach(theme);
    Reach reach;
    // The all-in and "Your turn" tags hang three quarters of their height over the top edge.
    reach.above = std::max(ring.above, 0.75 * tag);
    // The blind tag straddles the bottom edge, 0.55 of it below.
    reach.below = std::max(ring.below, 0.55 * tag + tagEdge);
    reach.left = ring.left;
    reach.right = ring.right;
    return reach;
}

std::vector<QRectF> ringGaps(const QRectF& plate, const TableTheme& theme, const std::vector<QRectF>& tags) {
    const double margin = ringWidth(theme);
    // The pixel ring's cells start 6 cells left of the plate and 3 above it.
    const double u = theme.pixelUnit;
    const QPointF grid = plate.topLeft() - QPointF(6 * u, 3 * u);
    const auto down = [u](double at, double origin) { return origin + std::floor((at - origin) / u) * u; };
    const auto up = [u](double at, double origin) { return origin + std::ceil((at - origin) / u) * u; };
    std::vector<QRectF> gaps;
    for (const QRectF& tag : tags) {
        QRectF gap = tag.adjusted(-margin, -margin, margin, margin);
        if (theme.style == TableStyleID::pixel && u > 0) {
            gap.setCoords(down(gap.left(), grid.x()), down(gap.top(), grid.y()), up(gap.right(), grid.x()),
                          up(gap.bottom(), grid.y()));
        }
        gaps.push_back(gap);
    }
    return gaps;
}

double plateUnder(const TableTheme& theme) {
    // Paper plates are card stock: their edge and a hard shadow show under them; pixel plates cast a row.
    return theme.style == TableStyleID::paper ? 4 : theme.style == TableStyleID::pixel ? theme.pixelUnit : 1;
}

QRectF plateBox(const TableGeometry& geometry, const TableTheme& theme, int slot) {
    const QSizeF size = geometry.metrics.plate;
    const QPointF centre = geometry.plateCenter(slot);
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                  size.height() + plateUnder(theme));
}

double cardStockEdge(const TableTheme& theme) {
    return theme.style == TableStyleID::paper ? 2 : 0;
}

QPointF betCenter(QPointF anchor, QSizeF size, const BetRoom& room) {
    const double w = size.width();
    const double h = size.height();
    const auto box = [&](QPointF centre) { return QRectF(centre - QPointF(w / 2, h / 2), size); };
    // The bet as drawn, its label's edge included.
    const auto drawn = [&](QPointF centre) { return box(centre).adjusted(0, 0, 0, room.edge); };
    const QRectF plate = room.plate.adjusted(0, 0, 0, room.under);
    std::vector<QRectF> pieces = room.hung;
    pieces.push_back(plate);
    // Standing exactly the gap away is clear.
    const auto meets = [](const QRectF& bet, const QRectF& piece) {
        return bet.adjusted(-gap + 0.01, -gap + 0.01, gap - 0.01, gap - 0.01).intersects(piece);
    };
    const auto blocked = [&](const QRectF& bet, const std::vector<QRectF>& own) {
        const auto hit = [&](const QRectF& piece) { return meets(bet, piece); };
        return std::any_of(own.begin(), own.end(), hit) ||
               std::any_of(room.others.begin(), room.others.end(), hit);
    };
    // Where a bet's centre stands to be just clear of a piece: above, below, left or right of it.
    const auto above = [&](const QRectF& piece) { return piece.top() - gap - room.edge - h / 2; };
    const auto below = [&](const QRectF& piece) { return piece.bottom() + gap + h / 2; };
    const auto left = [&](const QRectF& piece) { return piece.left() - gap - w / 2; };
    const auto right = [&](const QRectF& piece) { return piece.right() + gap + w / 2; };
    if (!blocked(drawn(anchor), pieces)) {
        return anchor;
    }
    const bool plateBelow = plate.center().y() > anchor.y();
    const auto clear = [&](QPointF centre) {
        return !blocked(drawn(centre), pieces) && !box(centre).intersects(room.board);
    };
    // Just clear of the plate itself, then sideways past what hangs off it, towards the plate's middle,
    // which keeps the room between the plate and the board for the last action's words…
    QPointF off = anchor;
    off.setY(plateBelow ? std::min(off.y(), above(plate)) : std::max(off.y(), below(plate)));
    for (const QRectF& piece : room.hung) {
        if (meets(drawn(off), piece)) {
            off.setX(plate.center().x() < piece.center().x() ? left(piece) : right(piece));
        }
    }
    if (clear(off)) {
        return off;
    }
    // …or out of the way of the plate and what hangs off it in the bet's column, up or down…
    off = anchor;
    const QRectF column = box(anchor);
    for (const QRectF& piece : pieces) {
        if (piece.left() < column.right() + gap && piece.right() > column.left() - gap) {
            off.setY(plateBelow ? std::min(off.y(), above(piece)) : std::max(off.y(), below(piece)));
        }
    }
    if (clear(off)) {
        return off;
    }
    // …or, where neither is clear (its own tags, a neighbour's or the button in the way), at the nearest
    // place on the felt clear of them all and of the board, over its own plate's shadow if it must be:
    // each edge of what is in the way gives the places to try.
    std::vector<QRectF> kept = room.hung;
    kept.push_back(room.plate);
    kept.push_back(room.board);
    kept.insert(kept.end(), room.spared.begin(), room.spared.end());
    std::vector<double> xs{anchor.x()};
    std::vector<double> ys{anchor.y()};
    std::vector<QRectF> edges = kept;
    edges.insert(edges.end(), room.others.begin(), room.others.end());
    for (const QRectF& piece : edges) {
        xs.insert(xs.end(), {left(piece), right(piece)});
        ys.insert(ys.end(), {above(piece), below(piece)});
    }
    std::optional<QPointF> nearest;
    double shortest = 0;
    for (const double x : xs) {
        for (const double y : ys) {
            const double distance = std::hypot(x - anchor.x(), y - anchor.y());
            if ((!nearest || distance < shortest) && onFelt(drawn({x, y}), room.felt) &&
                !blocked(drawn({x, y}), kept)) {
                nearest = QPointF(x, y);
                shortest = distance;
            }
        }
    }
    // A table with no room between the plate and the board at all (the pixel style's small table, whose
    // words stand tall) keeps the bet where it was laid out.
    return nearest.value_or(anchor);
}

double shownCardsClearance(const TableTheme& theme, int slot) {
    const Reach reach = plateReach(theme);
    // Shown cards stand above a plate in the lower half of the table and below one in the upper half.
    const bool above = SeatLayout::anchor(slot).plate.y() >= 0.5;
    return (above ? reach.above : reach.below) + gap;
}

QPointF dealerCenter(const TableGeometry& geometry, const TableTheme& theme, int slot) {
    const Reach reach = plateReach(theme);
    const bool right = SeatLayout::anchor(slot).dealerSide == SeatLayout::DealerSide::right;
    const double radius = geometry.metrics.dealerButton / 2;
    const QSizeF size = geometry.metrics.plate;
    // What the button keeps clear of: every other plate as it draws, and every seat's pair where it
    // would be shown, so that the button stands in one place whether cards are shown or not.
    std::vector<QRectF> plates;
    std::vector<QRectF> pairs;
    for (int other = 0; other < SeatLayout::slotCount; ++other) {
        const QPointF plate = geometry.plateCenter(other);
        if (other != slot) {
            plates.emplace_back(plate.x() - size.width() / 2 - reach.left - gap,
                                plate.y() - size.height() / 2 - reach.above - gap,
                                size.width() + reach.left + reach.right + 2 * gap,
                                size.height() + reach.above + reach.below + 2 * gap);
        }
        if (other != 0) {
            const QSizeF card = geometry.metrics.botCard * 1.15;
            const double clearance = shownCardsClearance(theme, other);
            const QPointF first = geometry.holeCardCenter(other, 0, true, clearance);
            const QPointF second = geometry.holeCardCenter(other, 1, true, clearance);
            pairs.push_back(QRectF(first - QPointF(card.width() / 2, card.height() / 2),
                                   second + QPointF(card.width() / 2, card.height() / 2))
                                .adjusted(-gap, -gap, gap, gap));
        }
    }
    const auto clear = [&](QPointF centre) {
        const QRectF button(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        const auto meets = [&](const QRectF& area) { return button.intersects(area); };
        return std::none_of(plates.begin(), plates.end(), meets) &&
               std::none_of(pairs.begin(), pairs.end(), meets);
    };
    const QPointF beside = geometry.dealerCenter(slot, (right ? reach.right : reach.left) + gap);
    // Where the upper seats crowd (the popover's), the button beside one plate meets the next one's
    // ring: it slides along its own plate's side, the shorter way, just clear of it.
    QPointF slid = beside;
    for (const QRectF& reached : plates) {
        const QRectF button(slid.x() - radius, slid.y() - radius, 2 * radius, 2 * radius);
        if (!button.intersects(reached)) {
            continue;
        }
        const double up = reached.top() - radius - slid.y();
        const double down = reached.bottom() + radius - slid.y();
        slid.ry() += -up < down ? up : down;
    }
    if (clear(beside) || clear(slid)) {
        return clear(beside) ? beside : slid;
    }
    // Otherwise it stands where it is clear nearest its place beside the plate: slid on past a shown
    // pair's place, away from its plate, or under its own plate at either end.
    QPointF past = slid;
    for (const QRectF& pair : pairs) {
        if (QRectF(past.x() - radius, past.y() - radius, 2 * radius, 2 * radius).intersects(pair)) {
            past.rx() = right ? pair.right() + radius : pair.left() - radius;
        }
    }
    const QPointF plate = geometry.plateCenter(slot);
    const double under = plate.y() + size.height() / 2 + reach.below + gap + radius;
    const double end = size.width() / 2 - radius;
    std::optional<QPointF> nearest;
    for (const QPointF candidate : {past, QPointF(plate.x() - end, under), QPointF(plate.x() + end, under)}) {
        const auto distance = [&](QPointF point) {
            return std::hypot(point.x() - beside.x(), point.y() - beside.y());
        };
        if (clear(candidate) && (!nearest || distance(candidate) < distance(*nearest))) {
            nearest = candidate;
        }
    }
    return nearest.value_or(slid);
}

double leastWindowSizesHeight(TableStyleID style) {
    const TableTheme window = TableTheme::drawnIn(style, TableSurface::window, 3, {});
    return TableGeometry::leastHeightForShownPair(
        shownCardsClearance(window, 3),
        std::max(plateReach(window).above, TableMetrics::satinWindow().botCardPeek));
}

namespace {

TableGeometry withRoomForShownPairs(const TableGeometry& geometry, TableStyleID style) {
    // The stage draws a low window's table with the plates of the surface its sizes come from.
    const TableTheme theme = TableTheme::drawnIn(style, geometry.metrics.surface, geometry.pixelUnit, {});
    return geometry.withRoomForShownPairs(shownCardsClearance(theme, SeatLayout::topSlot),
                                          std::max(plateReach(theme).above, geometry.metrics.botCardPeek));
}

} // namespace

TableGeometry popoverGeometry(TableStyleID style) {
    return withRoomForShownPairs(TableGeometry::popover(style), style);
}

TableGeometry windowGeometry(QSizeF stage, TableStyleID style) {
    return withRoomForShownPairs(TableGeometry::window(stage, style, leastWindowSizesHeight(style)), style);
}

double fullTableColumnWidth(double stageHeight, TableStyleID style) {
    return TableGeometry::fullTableColumnWidth(stageHeight, style, leastWindowSizesHeight(style));
}

} // namespace SeatClearance
