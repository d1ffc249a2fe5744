// Time to paint a styled button, an avatar disc, a chip face and the art stage offscreen in each table
// style, with the
// context switches and system time each paint costs the whole process (Qt may hand large gradient
// fills to its thread pool).

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

#include "ProcessCost.h"
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/SoftShadow.h"
#include "Views/Controls/StyledButton.h"

namespace {

TableTheme themeFor(int style) {
    return TableTheme::drawnIn(allTableStyleIDs[static_cast<std::size_t>(style)], TableSurface::window, 3,
                               {});
}

void paintStyledButton(benchmark::State& state) {
    ensureApplication();
    StyledButton button(themeFor(static_cast<int>(state.range(0))), "Raise to 1,200", ControlKind::confirm(),
                        ControlSize::main, ControlIcon::lock);
    button.resize(button.sizeHint());
    QImage canvas(button.size(), QImage::Format_ARGB32_Premultiplied);
    const std::size_t blurredBefore = SoftShadow::imagesMade();
    const ProcessCost cost;
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        button.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    cost.report(state);
    state.SetLabel(std::string(toString(button.theme().style)));
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
}
BENCHMARK(paintStyledButton)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Second argument: 1 for a busted seat, which is drawn greyed.
void paintAvatarDisc(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = themeFor(static_cast<int>(state.range(0)));
    const bool busted = state.range(1) != 0;
    const AvatarModel avatar{"B", CharacterBackdrop::color("biscuit"), false, "biscuit"};
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    const std::size_t blurredBefore = SoftShadow::imagesMade();
    const ProcessCost cost;
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        AvatarDisc::paint(painter, QPointF(4, 4), theme, avatar, 48, false, busted);
    }
    cost.report(state);
    state.SetLabel(std::string(toString(theme.style)) + (busted ? " busted" : ""));
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
}
BENCHMARK(paintAvatarDisc)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Argument: the chip's diameter (the stake picker's chips and the buy-in slider's thumb).
void paintChipFace(benchmark::State& state) {
    ensureApplication();
    const double diameter = static_cast<double>(state.range(0));
    QImage canvas(80, 80, QImage::Format_ARGB32_Premultiplied);
    const ProcessCost cost;
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        ChipFace::paint(painter, QPointF(8, 8), ChipDenomination::d25, diameter);
    }
    cost.report(state);
}
BENCHMARK(paintChipFace)->Arg(28)->Arg(56)->Unit(benchmark::kMicrosecond);

// The stage under the lobby's mode art (320 × 180), with its floor shadow. Second argument: 1 to move
// the light a little on every paint, as the first-run page's glow does, so that each paint draws a new
// image; 0 for the still stage, which is copied after the first paint.
void paintArtStage(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = themeFor(static_cast<int>(state.range(0)));
    const bool moving = state.range(1) != 0;
    QImage canvas(340, 200, QImage::Format_ARGB32_Premultiplied);
    const std::size_t madeBefore = ArtCache::imagesMade();
    double glow = 0.86;
    const ProcessCost cost;
    for (auto _ : state) {
        if (moving)
            glow = glow > 0.9 ? 0.5 : glow + 1e-6;
        QPainter painter(&canvas);
        ArtStage::paint(painter, QRectF(10, 10, 320, 180), theme, glow);
        FloorShadow::paint(painter, QPointF(170, 172), theme, 150, 0.8);
    }
    cost.report(state);
    state.SetLabel(std::string(toString(theme.style)) + (moving ? " moving light" : ""));
    state.counters["imagesMade"] = benchmark::Counter(
        static_cast<double>(ArtCache::imagesMade() - madeBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(paintArtStage)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

} // namespace
