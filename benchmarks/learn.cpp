// Time to open the Poker Basics guide and to switch between its tabs, to paint the 169-cell
// starting-hands chart (again, as after a new selection, and afresh, as after
// a resize), and to filter the glossary as one keystroke does: the model's filter alone and the tab's
// whole response (filter, show and hide rows, announce, repaint).

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

#include "Learn/GlossarySearch.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Support/Announcer.h"

namespace {

void paintChart(benchmark::State& state) {
    ensureApplication();
    StartersChartView chart(BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true),
                            false, state.range(0) != 0);
    chart.resize(360, 360);
    QImage canvas(chart.size() * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2);
    for (auto _ : state) {
        QPainter painter(&canvas);
        chart.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(paintChart)->Arg(0)->Arg(1)->ArgName("increasedContrast")->Unit(benchmark::kMicrosecond);

void paintChartAfresh(benchmark::State& state) {
    ensureApplication();
    StartersChartView chart(BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true),
                            false, state.range(0) != 0);
    QImage canvas(QSize(362, 362) * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2);
    int width = 360;
    for (auto _ : state) {
        // A new size draws the cells anew.
        width = width == 360 ? 361 : 360;
        chart.resize(width, width);
        QPainter painter(&canvas);
        chart.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(paintChartAfresh)->Arg(0)->Arg(1)->ArgName("increasedContrast")->Unit(benchmark::kMicrosecond);

const QStringList typing{"b", "bl", "bli", "blin", "blind", "blin", "bli", "bl", "b", ""};

void filterGlossary(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GlossarySearch::matching(typing[static_cast<qsizetype>(next)]));
        next = (next + 1) % static_cast<std::size_t>(typing.size());
    }
}
BENCHMARK(filterGlossary)->Unit(benchmark::kMicrosecond);

void typeInGlossaryTab(benchmark::State& state) {
    ensureApplication();
    Announcer announcer;
    announcer.setShowsNotifications(false);
    GlossaryTab tab(TableTheme::standard(), std::nullopt, &announcer);
    tab.resize(420, 600);
    tab.show();
    QApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        tab.searchField()->setText(typing[static_cast<qsizetype>(next)]);
        QApplication::processEvents();
        next = (next + 1) % static_cast<std::size_t>(typing.size());
    }
}
BENCHMARK(typeInGlossaryTab)->Unit(benchmark::kMicrosecond);

// Building the guide on its first page and drawing it once, as opening it from the lobby does.
void openGuide(benchmark::State& state) {
    ensureApplication();
    QImage canvas(QSize(460, 640) * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2);
    for (auto _ : state) {
        PokerBasicsView guide(PokerBasicsView::Setup{});
        guide.resize(460, 640);
        QPainter painter(&canvas);
        guide.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(openGuide)->Unit(benchmark::kMicrosecond);

// One press on the tab picker: the chosen tab is built, laid out and drawn (going back to Basics in
// between, untimed).
void switchGuideTab(benchmark::State& state) {
    ensureApplication();
    PokerBasicsView::Setup setup;
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    PokerBasicsView guide(setup);
    guide.resize(300, 640);
    guide.show();
    QApplication::processEvents();
    const GuideTab tab = allGuideTabs[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        guide.setTab(tab);
        QApplication::processEvents();
        state.PauseTiming();
        guide.setTab(tab == GuideTab::basics ? GuideTab::glossary : GuideTab::basics);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(toString(tab).data());
}
BENCHMARK(switchGuideTab)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
