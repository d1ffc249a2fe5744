#pragma once

#include "Style/TableTheme.h"
#include "Table/TableGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

// A nameplate draws beyond its box: its ring, its card-stock edge, the tags hung off its top and bottom
// edges and, for a bot, the face-down cards peeking over it. A seat's bet and its shown cards stand
// clear of all that, so nothing a plate draws covers a bet's chips, its amount or a shown card. Pure.
namespace SeatClearance {

// How far a plate draws above and below its box, with its ring and every tag that can hang off it.
struct Reach {
    double above = 0;
    double below = 0;
    // Sideways only the ring reaches out: further on the avatar's side, the left.
    double left = 0;
    double right = 0;
    bool operator==(const Reach&) const = default;
};
Reach plateReach(const TableTheme& theme);

// A lit ring breaks where a tag hangs across its line, so that no tag sits on it or touches it: round a
// plate whose box is `plate` it leaves out each tag's drawn box (`tags`) grown by the ring's own width,
// in the pixel style by whole cells of the ring's grid.
std::vector<QRectF> ringGaps(const QRectF& plate, const TableTheme& theme, const std::vector<QRectF>& tags);

// A slot's plate as it lies on the felt, with the edge or shadow drawn under it, which reaches
// `plateUnder` below its face.
QRectF plateBox(const TableGeometry& geometry, const TableTheme& theme, int slot);
double plateUnder(const TableTheme& theme);

// How far paper's card stock shows under a tag or a bet's label: its edge.
double cardStockEdge(const TableTheme& theme);

// What a seat's bet keeps clear of, as drawn: its own `plate` (its face; its edge or shadow shows
// `under` it) and what hangs off it (`hung`: its tags, a bot's face-down cards), everything else on the
// felt (`others`: the other plates and what hangs off them, their bets, the dealer button) and the
// `board`. It stays on the `felt`, the table's capsule inside its rail; its label's edge shows `edge`
// under it. A bet that must search for a place also leaves `spared` free (the last action's words).
struct BetRoom {
    QRectF plate;
    double under = 0;
    std::vector<QRectF> hung;
    std::vector<QRectF> others;
    std::vector<QRectF> spared;
    QRectF board;
    QRectF felt;
    double edge = 0;
};
// The centre of a bet marker `size` big: at `anchor`, or, where it would meet what `room` holds, just
// clear of its plate and what hangs off it, up or down; where that would cover the board, sideways past
// the hung pieces instead; where neither is clear, at the nearest place on the felt that is, over its
// own plate's shadow if it must.
QPointF betCenter(QPointF anchor, QSizeF size, const BetRoom& room);

// How far a slot's shown cards keep from its plate's edge: past the plate's reach on their side.
double shownCardsClearance(const TableTheme& theme, int slot);
// The dealer button beside a slot's plate, clear of the plate's ring at its widest, of the other plates
// and of every place a bot's pair is shown; where the upper plates crowd, the nearest place clear of them.
QPointF dealerCenter(const TableGeometry& geometry, const TableTheme& theme, int slot);

// The lowest satin or paper window table whose own plates and cards fit: the top seat's shown pair
// stands between its plate's reach and the board, the plate raised into the room above it if need be.
// A lower one takes the popover's.
double leastWindowSizesHeight(TableStyleID style);
// The popover's table and the window's, the top plate raised where the table is too low for its shown
// pair; and the column width the window's table needs, by that rule.
TableGeometry popoverGeometry(TableStyleID style);
TableGeometry windowGeometry(QSizeF stage, TableStyleID style);
double fullTableColumnWidth(double stageHeight, TableStyleID style);

} // namespace SeatClearance
