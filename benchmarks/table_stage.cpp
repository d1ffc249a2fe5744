// One frame of the table stage in the middle of its animation: six seats, cards sliding in from the
// dealer, bets rolling to new amounts, a board card turning, the learning tag beside the player's cards,
// the acting plate's ring fading in and chips in flight, painted on the software raster at the window's
// 1100 x 750 and at the popover's size, in each style.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

#include "Style/Drawing/TagView.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/SeatLayout.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/StageView.h"

namespace {

PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

// A six-seat flop with bets out, a card being dealt, and chips flying to the pot.
StageView::Inputs midHand(TableSurface surface, TableStyleID style) {
    StageView::Inputs in;
    auto& view = in.view;
    view.handNumber = 4;
    view.street = PokerEngine::Street::flop;
    view.holeCards = {card("As"), card("Kd")};
    view.board = {card("2c"), card("7h"), card("Td")};
    view.buttonIndex = 3;
    view.seatIndex = 0;
    view.blinds = PokerEngine::BlindLevel{25, 50, 5};
    view.pots = {PokerEngine::Pot{640, {}}, PokerEngine::Pot{180, {}}};
    const auto places = SeatLayout::slotsForSeatCount(6);
    for (int i = 0; i < 6; ++i) {
        PokerEngine::SeatView seat;
        seat.index = i;
        seat.stack = 1200 + 37 * i;
        seat.streetBet = i % 2 == 0 ? 100 : 0;
        seat.status = PokerEngine::SeatStatus::active;
        seat.hasCards = true;
        view.seats.push_back(seat);
        SeatModel model;
        model.seat = i;
        model.slot = places[static_cast<std::size_t>(i)];
        model.name = i == 0 ? QStringLiteral("You") : QStringLiteral("Player %1").arg(i);
        model.avatar =
            i == 0 ? AvatarModel::hero() : AvatarModel{"P", RGB::bytes(120, 90, 200), false, std::nullopt};
        model.status = PokerEngine::SeatStatus::active;
        model.isHero = i == 0;
        model.stack = seat.stack;
        model.streetBet = seat.streetBet;
        model.stackLine = SeatModel::StackLine::chips(seat.stack);
        model.hasCards = true;
        model.isDealer = i == 3;
        model.isActing = i == 2;
        in.seats.push_back(model);
    }
    in.theme = TableTheme::drawnIn(style, surface, surface == TableSurface::popover ? 2 : 3, {});
    in.geometry = surface == TableSurface::popover ? SeatClearance::popoverGeometry(style)
                                                   : SeatClearance::windowGeometry(QSizeF(1100, 614), style);
    in.theme.pixelUnit = in.geometry.pixelUnit;
    in.lastAction = QStringLiteral("Player 4 raises to 100");
    in.handTag = HandTag{QStringLiteral("Great start"),
                         5,
                         {QStringLiteral("Ace-king offsuit")},
                         QStringLiteral("help"),
                         QStringLiteral("Great start, ace-king offsuit")};
    for (int i = 0; i < 6; ++i) {
        const MotionCue deal = MotionCue::dealHole(i, 1);
        in.timeline.cues.emplace(deal, TimedCue{deal, 0.05 * i, 0.3});
    }
    in.timeline.cues.emplace(MotionCue::dealBoard(2), TimedCue{MotionCue::dealBoard(2), 0.1, 0.3});
    for (int i = 0; i < 4; ++i) {
        in.timeline.flights.push_back(ChipFlight{i + 1, 25 + 10 * i, ChipFlight::Point::plate(i + 1),
                                                 ChipFlight::Point::pot(), 0.05 * i, 0.45});
    }
    return in;
}

void stageFrame(benchmark::State& state, TableSurface surface, TableStyleID style) {
    ensureApplication();
    const QSize page = surface == TableSurface::popover ? QSize(420, 560) : QSize(1100, 750);
    StageView stage;
    double now = 0;
    stage.clock().setTimeSource([&now] { return now; });
    stage.resize(page);
    auto inputs = midHand(surface, style);
    stage.show(inputs);
    // A moment later the bets grow and the turn passes: amounts roll, rings fade.
    now = 0.2;
    for (auto& seat : inputs.seats) {
        seat.streetBet = seat.streetBet > 0 ? 250 : 0;
        seat.isActing = seat.seat == 4;
    }
    for (auto& seat : inputs.view.seats) {
        seat.streetBet = seat.streetBet > 0 ? 250 : 0;
    }
    stage.show(inputs);
    // The middle of the motion: cards in the air, chips flying, the third board card turning.
    now = 0.32;
    QImage image(page, QImage::Format_ARGB32_Premultiplied);
    const TableTheme theme = stage.inputs()->theme;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PageBackground::paint(painter, QRectF(QPointF(), QSizeF(page)), theme);
        stage.paintStage(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["moving"] = stage.scene().isMoving(now) ? 1 : 0;
}

void window(benchmark::State& state) {
    stageFrame(state, TableSurface::window, static_cast<TableStyleID>(state.range(0)));
}
void popover(benchmark::State& state) {
    stageFrame(state, TableSurface::popover, static_cast<TableStyleID>(state.range(0)));
}

// One redraw's layout of the popover's mid-hand stage, with the bets kept clear of their plates (1: the
// bet and tag measures given, as the stage view gives them) or left at their anchors (0).
void layout(benchmark::State& state) {
    ensureApplication();
    const StageView::Inputs in = midHand(TableSurface::popover, TableStyleID::satin);
    StageInputs stage;
    stage.view = &in.view;
    stage.seats = &in.seats;
    stage.geometry = in.geometry;
    stage.theme = in.theme;
    stage.timeline = in.timeline;
    stage.lastAction = in.lastAction;
    if (state.range(0) == 1) {
        stage.betSize = [&in](std::int64_t amount) { return FeltLabels::betSize(in.theme, amount); };
        stage.tagSize = [&in](const QString& text) { return TagView::measure(in.theme, text); };
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(StageLayout::items(stage));
    }
}

} // namespace

BENCHMARK(layout)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
// 0 satin, 1 paper, 2 pixel.
BENCHMARK(window)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(popover)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
