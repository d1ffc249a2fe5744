// One frame of the onboarding's moving art: the chip pile mid-fall, and the welcome page with its eleven
// floating pieces bobbing and its title block. A frame at display rate has about 16 ms.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

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

} // namespace
