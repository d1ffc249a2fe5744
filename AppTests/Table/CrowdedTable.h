#pragma once

#include "HandEvents.h"

#include "Table/Screen/SeatClearance.h"
#include "Views/Table/StageView.h"

#include "PokerEngine/Card.h"

#include <QStringList>

#include <algorithm>

// A table at its most crowded: every seat with a bet of thousands out, every other bot all in, the
// blinds' tags beside them, the big blind's sentence over the board, the upper-right to act; before the
// flop, the blinds' and callers' few chips out with the player to act; or, at the showdown, every bot
// all in and showing its cards beside a full board, two of them winners with their rings lit. What a
// layout must keep apart, on any surface and stage.
namespace CrowdedTable {

enum class Moment { betting, blinds, showdown };

// How many sit at the table and who holds the button; the blinds sit after it, the button itself
// posting the small one heads-up.
struct Seating {
    int seats = 6;
    int button = 1;
};

inline PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

// The stage of a window whose table screen is `screen` big, or the popover's.
inline TableGeometry geometry(TableSurface surface, TableStyleID style, QSizeF screen = {}) {
    if (surface == TableSurface::popover) {
        return SeatClearance::popoverGeometry(style);
    }
    // The screen keeps its bottom row and a margin under the stage.
    return SeatClearance::windowGeometry(QSizeF(screen.width(), std::max(screen.height() - 136, 300.0)),
                                         style);
}

inline StageView::Inputs inputs(Moment moment, const TableGeometry& geometry, TableStyleID style,
                                bool dark = false, Seating seating = {}) {
    StageView::Inputs in;
    auto& view = in.view;
    const bool showdown = moment == Moment::showdown;
    const bool blinds = moment == Moment::blinds;
    const int n = seating.seats;
    const int small = n == 2 ? seating.button : (seating.button + 1) % n;
    const int big = (small + 1) % n;
    view.handNumber = 12;
    view.street = showdown ? PokerEngine::Street::handComplete
                  : blinds ? PokerEngine::Street::preflop
                           : PokerEngine::Street::flop;
    view.holeCards = {card("Qs"), card("Qd")};
    if (!blinds) {
        view.board = showdown ? std::vector{card("Ah"), card("Ad"), card("8c"), card("Kh"), card("Ts")}
                              : std::vector{card("Ah"), card("Ad"), card("8c")};
    }
    view.buttonIndex = seating.button;
    view.seatIndex = 0;
    view.blinds = blinds ? PokerEngine::BlindLevel{5, 10, 0} : PokerEngine::BlindLevel{400, 800, 0};
    if (moment == Moment::betting) {
        view.pots = {PokerEngine::Pot{2460, {}}};
    }
    const std::vector<std::vector<const char*>> shown{{},           {"Kd", "Kc"}, {"9h", "9d"},
                                                      {"Js", "Jd"}, {"Ac", "2c"}, {"Th", "Tc"}};
    for (int i = 0; i < n; ++i) {
        PokerEngine::SeatView seat;
        seat.index = i;
        seat.stack = showdown ? 0 : 4820 + 137 * i;
        // Before the flop the blinds are out and the others have called or raised.
        const std::int64_t preflop = i == small ? 5 : i == big ? 10 : 10 + 25 * (i % 2);
        seat.streetBet = showdown ? 0 : blinds ? preflop : 2880 + 1110 * i;
        // While betting every other bot has put in its last chip: its all-in tag hangs over its cards.
        const bool allIn = i > 0 && (showdown || (moment == Moment::betting && i % 2 == 1));
        if (allIn && !showdown) {
            seat.stack = 0;
        }
        seat.status = allIn ? PokerEngine::SeatStatus::allIn : PokerEngine::SeatStatus::active;
        seat.hasCards = true;
        if (showdown && i > 0) {
            seat.holeCards = std::vector<PokerEngine::Card>{};
            for (const char* code : shown[static_cast<std::size_t>(i)]) {
                seat.holeCards->push_back(card(code));
            }
        }
        view.seats.push_back(seat);
    }
    view.log = {HandEvents::smallBlind(small, blinds ? 5 : 400),
                HandEvents::bigBlind(big, blinds ? 10 : 800)};
    const QStringList names{"You", "Biscuit", "Clucky", "Pancake", "Goldie", "Rascal"};
    if (showdown) {
        view.log.push_back(n > 3 ? HandEvents::awarded(0, {{1, 16000}, {3, 12000}})
                                 : HandEvents::awarded(0, {{1, 28000}}));
    } else {
        view.actingIndex = blinds ? 0 : std::min(4, n - 1);
        in.lastAction = names[big] + (blinds ? QStringLiteral(" posts the big blind of 10")
                                             : QStringLiteral(" posts the big blind of 800"));
    }
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
