// The window's Log/Guide switch as a player sees it: the side the sidebar shows reads as the chosen
// one, raised lighter than the other, in light and in dark.
#include "Game/ControllerHarness.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Style/Contrast.h"
#include "SurfaceCoordinator.h"
#include "Views/WindowRoot.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "Support/WidgetEvents.h"

namespace {

// The middle brightness of what is drawn under a segment: its face, whatever the title's strokes.
double faceLuminance(const QImage& image) {
    std::vector<double> values;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            values.push_back(
                Contrast::relativeLuminance(RGB{colour.redF(), colour.greenF(), colour.blueF(), 1}));
        }
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

TEST(SidebarSwitch, TheSideShownReadsAsChosenInLightAndDark) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        WidgetEvents::DesktopAppearance desktop(dark);
        ControllerHarness harness;
        AppState appState{std::nullopt};
        SurfaceCoordinator surfaces{harness.controller};
        WindowRoot window(
            AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr, nullptr});
        window.resize(1100, 750);
        const std::uint64_t seed = 11;
        harness.controller.start(GameSetup::sitAndGo(
            SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
        window.show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window.showsSidebar());
        ASSERT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::log);

        QAbstractButton* log = nullptr;
        QAbstractButton* guide = nullptr;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisible())
                continue;
            if (button->text() == "Log")
                log = button;
            else if (button->text() == "Guide")
                guide = button;
        }
        ASSERT_TRUE(log && guide);
        const QImage shot = window.grab().toImage();
        const auto under = [&](QAbstractButton* segment) {
            // Inside the segment, clear of its rounded ends.
            const QRect area(segment->mapTo(&window, QPoint()), segment->size());
            return faceLuminance(shot.copy(area.adjusted(4, 3, -4, -3)));
        };
        if (dark)
            window.grab().save(WidgetEvents::galleryFolder(QStringLiteral("shell")) +
                               QStringLiteral("/window-table-dark.png"));
        EXPECT_GT(under(log), under(guide) * 1.1) << "the shown side is drawn as the one not chosen";
    }
}
