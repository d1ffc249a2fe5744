// The three onboarding pages as a player sees them, settled and mid-entrance, light and dark, and the
// chip pile mid-fall. Written under gallery/onboarding.
#include "AppState.h"
#include "Support/WidgetEvents.h"
#include "Views/Onboarding/ChipPileView.h"
#include "Views/Onboarding/MakeItYoursPage.h"
#include "Views/Onboarding/OnboardingPieces.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/WelcomePage.h"
#include "Views/Support/Announcer.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Shows `page` on `view` with the clocks following `now`, then lets everything come in and settle.
void goAndSettle(OnboardingView& view, int page, double& now) {
    view.dots()->clock().setTimeSource([&] { return now; });
    view.go(page);
    view.currentPage()->clock().setTimeSource([&] { return now; });
    if (auto* pile = view.currentPage()->findChild<ChipPileView*>()) {
        pile->clock().setTimeSource([&] { return now; });
        pile->restart();
    }
    view.currentPage()->hide();
    view.currentPage()->show();
    now += 4; // everything has come in and the pile has settled
    emit view.clock().ticked();
    emit view.currentPage()->clock().ticked();
}

// The whole window, its close control over the art included.
void shoot(bool dark, const QString& suffix) {
    WidgetEvents::DesktopAppearance appearance(dark);
    AppState state{std::nullopt};
    AppEnvironment environment;
    environment.appState = &state;
    OnboardingRoot root(environment);
    ASSERT_EQ(root.theme().dark, dark);
    root.announcer()->setShowsNotifications(false);
    OnboardingView& view = *root.view();
    double now = 1000;
    view.clock().setTimeSource([&] { return now; });
    root.show();
    const QString folder = WidgetEvents::galleryFolder(QStringLiteral("onboarding"));
    for (int page = 0; page < 3; ++page) {
        goAndSettle(view, page, now);
        const QImage shot = root.grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/page%1%2.png").arg(page).arg(suffix)));
    }
}

} // namespace

TEST(OnboardingGallery, ThePagesLightAndDark) {
    shoot(false, QString());
    shoot(true, QStringLiteral("-dark"));
}

TEST(OnboardingGallery, TheLastPageAnswered) {
    AppState state{std::nullopt};
    Announcer announcer;
    announcer.setShowsNotifications(false);
    double now = 1000;
    OnboardingView view(&state, OnboardingRoot::flowTheme({}, false), &announcer, [] {});
    view.clock().setTimeSource([&] { return now; });
    view.show();
    goAndSettle(view, 2, now);
    auto* page = qobject_cast<MakeItYoursPage*>(view.currentPage());
    ASSERT_TRUE(page);
    for (const int answer : {1, 3, 5})
        page->cards()[static_cast<std::size_t>(answer)]->click();
    EXPECT_TRUE(view.grab().save(WidgetEvents::galleryFolder(QStringLiteral("onboarding")) +
                                 QStringLiteral("/page2-answered.png")));
}

TEST(OnboardingGallery, TheWelcomePageMidEntrance) {
    QImage image(600, 640, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    WelcomePage::paintPage(painter, OnboardingRoot::flowTheme({}, false), 0.7, 1.5);
    painter.end();
    EXPECT_TRUE(
        image.save(WidgetEvents::galleryFolder(QStringLiteral("onboarding")) + "/page0-entering.png"));
}

TEST(OnboardingGallery, TheChipPileMidFall) {
    for (double t : {0.9, 1.6}) {
        QImage image(ChipPileView::viewSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(236, 236, 236));
        QPainter painter(&image);
        ChipPileView::paintFrame(painter, ChipDrop(24), t, OnboardingRoot::flowTheme({}, false));
        painter.end();
        EXPECT_TRUE(image.save(WidgetEvents::galleryFolder(QStringLiteral("onboarding")) +
                               QStringLiteral("/pile-%1s.png").arg(t)));
    }
}
