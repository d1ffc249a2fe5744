// Time to repaint a satin panel that holds a child, with the child clipped to the rounded card,
// against painting the same look and child unclipped.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

#include "ProcessCost.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/SoftShadow.h"

namespace {

QWidget* opaqueChild(QWidget* parent, const QRect& geometry) {
    auto* child = new QWidget(parent);
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, QColor(31, 95, 209));
    child->setPalette(palette);
    child->setGeometry(geometry);
    return child;
}

TableTheme satinTheme() {
    return TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {});
}

// Every iteration the child changes, so the panel is drawn anew through its clip.
void repaintClippedPanel(benchmark::State& state) {
    ensureApplication();
    QWidget host;
    host.resize(340, 200);
    auto* panel = new SatinPanel(satinTheme(), state.range(0) != 0, 14, &host);
    panel->setGeometry(host.rect());
    QWidget* child = opaqueChild(panel, panel->contentsRect());
    QImage canvas(host.size(), QImage::Format_ARGB32_Premultiplied);
    const std::size_t blurredBefore = SoftShadow::imagesMade();
    const ProcessCost cost;
    for (auto _ : state) {
        child->update();
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        host.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    cost.report(state);
    state.SetLabel(state.range(0) != 0 ? "selected" : "plain");
    state.counters["shadowsBlurred"] = static_cast<double>(SoftShadow::imagesMade() - blurredBefore);
}
BENCHMARK(repaintClippedPanel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same look painted directly with an unclipped child over it: what the clip adds is the
// difference.
void repaintUnclippedLook(benchmark::State& state) {
    ensureApplication();
    QWidget host;
    host.resize(340, 200);
    const QRect card = host.rect().marginsRemoved(SatinPanel::shadowMargins());
    QWidget* child = opaqueChild(&host, card);
    QImage canvas(host.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        child->update();
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        SatinPanel::paint(painter, QRectF(card), satinTheme(), false, false, 14);
        host.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}
BENCHMARK(repaintUnclippedLook)->Unit(benchmark::kMicrosecond);

} // namespace
