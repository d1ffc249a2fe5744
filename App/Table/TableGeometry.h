#pragma once

#include "Style/TableStyleID.h"
#include "Table/TableMetrics.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where everything on the table is drawn, in the stage's own points (origin top left, y down).
struct TableGeometry {
    QSizeF stage;
    // The felt table inside the stage.
    QRectF table;
    TableMetrics metrics;
    // Centre of the player's pair of hole cards.
    QPointF heroCards;
    // Side of one pixel of the pixel style.
    double pixelUnit = 2;
    // How far the top seat's plate stands above its place, on a table too low for that seat's shown
    // pair between its plate and the board.
    double topPlateRise = 0;
    // How far the upper left and right plates stand above their places, on a table too low for their
    // shown pairs between the plates and the board's row.
    double sidePlateRise = 0;

    bool operator==(const TableGeometry&) const = default;

    // The popover's fixed table (the pixel style has its own metrics).
    static TableGeometry popover(TableStyleID style);
    // The table window's table for a stage of any size. A satin or paper table lower than
    // `leastWindowSizesHeight` takes the popover's plates and cards.
    static TableGeometry window(QSizeF stage, TableStyleID style, double leastWindowSizesHeight);
    // The width of the window's table column at which the table is no longer narrowed by the width.
    static double fullTableColumnWidth(double stageHeight, TableStyleID style, double leastWindowSizesHeight);
    // The lowest table on which a top seat's shown pair, `pairClearance` below its plate, stands the
    // board's card gap clear of the board, with the window's plates and cards, the plate raised as far
    // as what reaches `above` its top edge lets it.
    static double leastHeightForShownPair(double pairClearance, double above);

    // This table with its upper plates raised as far as their shown pairs, `pairClearance` below the
    // plates, need to stand the board's card gap clear of the board's row: the top one over the board,
    // the upper left and right ones beside it, where a pair level with the board would read as more
    // board cards. Never so far that what reaches `above` a plate's top edge (its ring, its tags, the
    // cards peeking over it) leaves the stage.
    TableGeometry withRoomForShownPairs(double pairClearance, double above) const;

    // How many degrees the player's first card is turned one way and the second the other.
    static double heroCardTilt(TableStyleID style);
    // How far below its centre one of the player's cards `card` big reaches as drawn: tilted, with its
    // edge, its shadow and a winner's ring.
    static double heroCardReachBelow(TableStyleID style, QSizeF card);

    // Centre of a slot's nameplate. Slots run 0...5; any other stops the program.
    QPointF plateCenter(int slot) const;
    // The dealer button beside a slot's plate, `clearance` out from the plate's side.
    QPointF dealerCenter(int slot, double clearance = 6) const;
    // Centre of board card 0...4.
    QPointF boardCardCenter(int index) const;
    // The board's five places together.
    QRectF boardArea() const;
    QPointF potCenter() const;
    // Centre of a bot's hole card 0 or 1 beside its plate, face down or revealed (1.15 times larger).
    // A revealed pair stands `clearance` from its plate's edge, past whatever the plate hangs there, on
    // the plate's inner side. A revealed pair under an upper plate stands clear of the board's row (its
    // plate rises for that, see withRoomForShownPairs) and comes inwards off the rail. One that would
    // still come within the board's card gap of the board (a table too low even for a raised plate)
    // stands that gap clear of it instead, and one that would reach over the rail comes in off it.
    QPointF holeCardCenter(int slot, int card, bool revealed, double clearance = 4) const;

  private:
    // How far a revealed pair of a plate centred at `plateX` moves to clear the board: outwards beside
    // it, upwards over its middle.
    QPointF clearOfBoard(const QRectF& pair, double plateX) const;
    // How far a revealed pair moves down (or up, when negative) to lie whole on the felt inside the
    // rail: where it reaches into a rounded end, towards the end's middle.
    double ontoFelt(const QRectF& pair) const;
    // How far a revealed pair moves sideways, towards the table's middle, to lie whole on the felt.
    double inwardOntoFelt(const QRectF& pair) const;
    // The pair under an upper plate lies above the board's row, the board's card gap clear of it.
    bool aboveBoardRow(const QRectF& pair) const;
};
