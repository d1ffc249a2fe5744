#include "Support/TestPaths.h"
#include "Views/Onboarding/ChipPileView.h"
#include "Views/Onboarding/OnboardingRoot.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString galleryFolder() {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/onboarding");
    QDir().mkpath(folder);
    return folder;
}

QImage frameAt(double t, bool dark) {
    QImage image(ChipPileView::viewSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(dark ? QColor(30, 30, 34) : QColor(246, 246, 248));
    QPainter painter(&image);
    ChipPileView::paintFrame(painter, ChipDrop(24), t,
                             OnboardingRoot::flowTheme({dark, false, false}, false));
    return image;
}

} // namespace

TEST(ChipPileView, ReduceMotionShowsTheSettledPileWithoutTicking) {
    ChipPileView pile(OnboardingRoot::flowTheme({false, false, true}, false));
    pile.show();
    EXPECT_TRUE(std::isinf(pile.elapsed()));
    EXPECT_TRUE(pile.isFinished());
    EXPECT_FALSE(pile.clock().isRunning());
}

TEST(ChipPileView, StopsTickingOnceSettledAndFallsAnewOnEachVisit) {
    double now = 100;
    ChipPileView pile(OnboardingRoot::flowTheme({}, false));
    pile.clock().setTimeSource([&] { return now; });
    pile.show();
    EXPECT_TRUE(pile.clock().isRunning());
    EXPECT_DOUBLE_EQ(pile.elapsed(), 0);

    now += ChipDrop(24).duration() + 0.61;
    emit pile.clock().ticked();
    EXPECT_TRUE(pile.isFinished());
    EXPECT_FALSE(pile.clock().isRunning()) << "a settled pile costs no frames";

    pile.hide();
    pile.show();
    EXPECT_DOUBLE_EQ(pile.elapsed(), 0);
    EXPECT_TRUE(pile.clock().isRunning());

    // Out of the player's sight it draws nothing; back in sight it goes on from where the drop is by then.
    pile.setInSight(false);
    EXPECT_FALSE(pile.clock().isRunning());
    now += 1;
    pile.setInSight(true);
    EXPECT_TRUE(pile.clock().isRunning());
    EXPECT_DOUBLE_EQ(pile.elapsed(), 1);
}

TEST(ChipPileView, GalleryFrames) {
    // Mid-fall, mid-count, settled; light and dark.
    for (bool dark : {false, true})
        for (double t : {0.7, 1.6, 10.0})
            EXPECT_TRUE(frameAt(t, dark).save(
                galleryFolder() +
                QStringLiteral("/chip-pile-%1-%2.png").arg(dark ? "dark" : "light").arg(t)));
}
