// Time to paint a styled button and an avatar disc offscreen in each table style.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/SoftShadow.h"
#include "Views/Controls/StyledButton.h"

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_style";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)application;
}

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
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        button.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    state.SetLabel(std::string(toString(button.theme().style)));
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
}
BENCHMARK(paintStyledButton)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void paintAvatarDisc(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = themeFor(static_cast<int>(state.range(0)));
    const AvatarModel avatar{"B", CharacterBackdrop::color("biscuit"), false, "biscuit"};
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    const std::size_t blurredBefore = SoftShadow::imagesMade();
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        AvatarDisc::paint(painter, QPointF(4, 4), theme, avatar, 48, false, false);
    }
    state.SetLabel(std::string(toString(theme.style)));
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
}
BENCHMARK(paintAvatarDisc)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
