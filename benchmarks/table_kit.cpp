// Time to paint the table's pieces: a card in each style, the felt in each style on both surfaces and a
// chip stack. After a first paint, a repaint that changes nothing blurs no shadow, draws no kept image
// afresh and builds no pixel felt: the counters say how many were made during the timed loop. The
// "first" runs paint a new look every time, what a first frame costs.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/SoftShadow.h"
#include "Table/Screen/SeatClearance.h"
#include "Views/Table/CardView.h"
#include "Views/Table/ChipStackView.h"
#include "Views/Table/FeltView.h"

namespace {

TableStyleID styleOf(const benchmark::State& state) {
    return allTableStyleIDs[static_cast<std::size_t>(state.range(0))];
}

TableSurface surfaceOf(const benchmark::State& state) {
    return state.range(1) != 0 ? TableSurface::window : TableSurface::popover;
}

TableTheme themeFor(TableStyleID style, TableSurface surface) {
    return TableTheme::drawnIn(style, surface, surface == TableSurface::window ? 3 : 2, AppearanceFlags{});
}

// Paints once outside the loop (what a first frame costs is not measured), then repaints in the loop and
// reports what the repaints had to make afresh.
template <typename Paint> void repaint(benchmark::State& state, QSize canvasSize, Paint paint) {
    QImage canvas(canvasSize, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&canvas);
        paint(painter);
    }
    const std::size_t blurredBefore = SoftShadow::imagesMade();
    const std::size_t feltsBefore = PixelFeltImages::built();
    const std::size_t imagesBefore = ArtCache::imagesMade();
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        paint(painter);
        benchmark::ClobberMemory();
    }
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
    state.counters["feltsBuilt"] = static_cast<double>(PixelFeltImages::built() - feltsBefore);
    state.counters["imagesDrawn"] = static_cast<double>(ArtCache::imagesMade() - imagesBefore);
}

void paintCard(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = themeFor(styleOf(state), TableSurface::window);
    const auto card = state.range(1) != 0 ? PokerEngine::Card::fromCode("Qh") : std::nullopt;
    repaint(state, QSize(120, 150), [&](QPainter& painter) {
        CardView::paint(painter, QPointF(20, 20), theme, card, QSizeF(72, 101), false);
    });
    state.SetLabel(
        QStringLiteral("%1 %2").arg(toString(styleOf(state)).data(), card ? "face" : "back").toStdString());
}
BENCHMARK(paintCard)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

void paintFelt(benchmark::State& state) {
    ensureApplication();
    const TableStyleID style = styleOf(state);
    const TableSurface surface = surfaceOf(state);
    const TableTheme theme = themeFor(style, surface);
    const TableGeometry geometry = surface == TableSurface::window
                                       ? SeatClearance::windowGeometry(QSizeF(1100, 750), style)
                                       : SeatClearance::popoverGeometry(style);
    const QRectF table(QPointF(30, 30), geometry.table.size());
    repaint(state, (table.size() + QSizeF(60, 80)).toSize(),
            [&](QPainter& painter) { FeltView::paint(painter, table, theme); });
    state.SetLabel(QStringLiteral("%1 %2")
                       .arg(toString(style).data(), surface == TableSurface::window ? "window" : "popover")
                       .toStdString());
}
BENCHMARK(paintFelt)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

void paintChipStack(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = themeFor(styleOf(state), TableSurface::window);
    // Four full columns: the most a window stack draws.
    const std::int64_t amount = 10 * 25000 + 4 * 5000 + 4 * 1000 + 500;
    repaint(state, QSize(200, 120),
            [&](QPainter& painter) { ChipStackView::paint(painter, QPointF(20, 20), theme, amount, false); });
    state.SetLabel(toString(styleOf(state)).data());
}
BENCHMARK(paintChipStack)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A felt never painted before: the cost of the first frame at a new size.
void paintNewFelt(benchmark::State& state) {
    ensureApplication();
    const TableStyleID style = styleOf(state);
    const TableTheme theme = themeFor(style, TableSurface::window);
    QImage canvas(900, 560, QImage::Format_ARGB32_Premultiplied);
    double height = 300;
    for (auto _ : state) {
        // A size a little different each time, so nothing kept can be reused.
        height += 0.5;
        const QRectF table(30, 30, 1.8 * height, height);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        FeltView::paint(painter, table, theme);
    }
    state.SetLabel(QStringLiteral("%1 window, first frame").arg(toString(style).data()).toStdString());
}
BENCHMARK(paintNewFelt)->DenseRange(0, 2)->Iterations(100)->Unit(benchmark::kMicrosecond);

} // namespace
