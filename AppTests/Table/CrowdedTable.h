#pragma once

#include "HandEvents.h"

#include "Table/Screen/SeatClearance.h"
#include "Views/Table/StageView.h"

#include "PokerEngine/Card.h"

#include <QStringList>

// A six-seat table at its most crowded: every seat with a bet of thousands out, the blinds' tags on
// the upper-left and top seats, the big blind's sentence over the board, the upper-right to act; or, at
// the showdown, every bot all in and showing its cards beside a full board, two of them winners with
// their rings lit. What a layout must keep apart, on any surface and stage.
namespace CrowdedTable {

enum class Moment { betting, showdown };

inline PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

// The stage of a window whose table screen is `screen` big, or the popover's.
inline TableGeometry geometry(TableSurface surface, TableStyleID style, QSizeF screen = {}) {
    if (surface == TableSurface::popover) {
        return TableGeometry::popover(style);
    }
    // The screen keeps its bottom row and a margin under the stage.
    return SeatClearance::windowGeometry(QSizeF(screen.width(), std::max(screen.height() - 136, 300.0)),
                                         style);
}

inline StageView::Inputs inputs(Moment moment, const TableGeometry& geometry, TableStyleID style,
                                bool dark = false) {
    StageView::Inputs in;
    auto& view = in.view;
    const bool showdown = moment == Moment::showdown;
    view.handNumber = 12;
    view.street = showdown ? PokerEngine::Street::handComplete : PokerEngine::Street::flop;
    view.holeCards = {card("Qs"), card("Qd")};
    view.board = showdown ? std::vector{card("Ah"), card("Ad"), card("8c"), card("Kh"), card("Ts")}
                          : std::vector{card("Ah"), card("Ad"), card("8c")};
    view.buttonIndex = 1;
    view.seatIndex = 0;
    view.blinds = PokerEngine::BlindLevel{400, 800, 0};
    if (!showdown) {
        view.pots = {PokerEngine::Pot{2460, {}}};
    }
    const std::vector<std::vector<const char*>> shown{{},           {"Kd", "Kc"}, {"9h", "9d"},
                                                      {"Js", "Jd"}, {"Ac", "2c"}, {"Th", "Tc"}};
    for (int i = 0; i < 6; ++i) {
        PokerEngine::SeatView seat;
        seat.index = i;
        seat.stack = showdown ? 0 : 4820 + 137 * i;
        seat.streetBet = showdown ? 0 : 2880 + 1110 * i;
        seat.status = showdown && i > 0 ? PokerEngine::SeatStatus::allIn : PokerEngine::SeatStatus::active;
        seat.hasCards = true;
        if (showdown && i > 0) {
            seat.holeCards = std::vector<PokerEngine::Card>{};
            for (const char* code : shown[static_cast<std::size_t>(i)]) {
                seat.holeCards->push_back(card(code));
            }
        }
        view.seats.push_back(seat);
    }
    view.log = {HandEvents::smallBlind(2, 400), HandEvents::bigBlind(3, 800)};
    if (showdown) {
        view.log.push_back(HandEvents::awarded(0, {{1, 16000}, {3, 12000}}));
    } else {
        view.actingIndex = 4;
        in.lastAction = QStringLiteral("Pancake posts the big blind of 800");
    }
    const QStringList names{"You", "Biscuit", "Clucky", "Pancake", "Goldie", "Rascal"};
    in.seats = SeatModel::seats(
        view, [&names](std::int64_t seat) { return names[int(seat)]; },
        [&names](std::int64_t seat) {
            return AvatarModel{names[int(seat)].left(1).toStdString(), RGB::bytes(120, 90, 200), false,
                               std::nullopt};
        });
    AppearanceFlags appearance;
    appearance.dark = dark;
    in.geometry = geometry;
    in.theme = TableTheme::drawnIn(style, geometry.metrics.surface, geometry.pixelUnit, appearance);
    return in;
}

} // namespace CrowdedTable
