// One frame of the onboarding's moving art: the chip pile mid-fall, and the welcome page with its eleven
// floating pieces bobbing and its title block. A frame at display rate has about 16 ms. Then what the
// welcome page costs while its art floats: one second of its frames, each repainting only what moved
// over the backdrop, as the window does; `coreShare` is that second's painting as a share of one core, in
// percent (at most 5 while the art floats, the window's other work included), and `switches` the
// process's context switches in it.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

#include "OffscreenApplication.h"
#include "ProcessCost.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/ArtStage.h"
#include "Views/Onboarding/OnboardingFlow.h"

#include "Views/Onboarding/ChipPileView.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/Onboarding/WelcomePage.h"

namespace {

void chipDropFrame(benchmark::State& state) {
    ensureApplication();
    const ChipDrop drop(24);
    const TableTheme theme = OnboardingRoot::flowTheme({}, false);
    QImage image(ChipPileView::viewSize, QImage::Format_ARGB32_Premultiplied);
    double t = 1.2;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ChipPileView::paintFrame(painter, drop, t, theme);
        t = t > 3 ? 1.2 : t + 1.0 / 60;
    }
}
BENCHMARK(chipDropFrame)->Unit(benchmark::kMicrosecond);

void welcomePageFrame(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = OnboardingRoot::flowTheme({}, false);
    QImage image(600, 640, QImage::Format_ARGB32_Premultiplied);
    double time = 0;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        WelcomePage::paintPage(painter, theme, 5, time);
        time += 1.0 / 60;
    }
}
BENCHMARK(welcomePageFrame)->Unit(benchmark::kMicrosecond);

void welcomePageFloatingSecond(benchmark::State& state) {
    ensureApplication();
    const TableTheme theme = OnboardingRoot::flowTheme({}, false);
    const QRect page(QPoint(), OnboardingPage::pageSize);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    const int frames = static_cast<int>(std::lround(1 / WelcomePage::floatingFrameInterval));
    OnboardingPage::Moment moment{5, 0};
    const ProcessCost cost;
    const std::size_t made = ArtCache::imagesMade();
    for (auto _ : state) {
        for (int i = 0; i < frames; ++i) {
            const OnboardingPage::Moment next{moment.sinceShown + 1.0 / frames, moment.time + 1.0 / frames};
            const QRegion changed = WelcomePage::changedArea(theme, moment, next);
            moment = next;
            if (changed.isEmpty())
                continue;
            // Rectangle by rectangle, as the window's backdrop and page paint what changed.
            QPainter painter(&image);
            for (const QRect& area : changed) {
                painter.setClipRect(area);
                ArtStage::paint(painter, page, theme, OnboardingFlow::glowY(0));
                WelcomePage::paintPage(painter, theme, moment.sinceShown, moment.time, area);
            }
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    // Qt's thread pool woken for each fill shows as the process's context switches; once every step of
    // the float has been shown, no new image is drawn.
    cost.report(state);
    state.counters["images"] =
        benchmark::Counter(double(ArtCache::imagesMade() - made), benchmark::Counter::kAvgIterations);
    // Seconds of the process's time per floating second, in percent.
    state.counters["coreShare"] = benchmark::Counter(
        double(state.iterations()) / 100, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(welcomePageFloatingSecond)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
