#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/DealerButtonView.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <gtest/gtest.h>

// Static art is drawn once into an image and copied after that; the copy must look exactly like
// drawing directly, wherever it lands.

namespace {

QImage canvas(int w = 120, int h = 120) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

// A soft, graded disc with a translucent rim: the kind of art the cache holds.
void gradedDisc(QPainter& painter, QPointF topLeft) {
    const QRectF disc(topLeft, QSizeF(40, 40));
    QRadialGradient gradient(disc.center() - QPointF(6, 8), 30);
    gradient.setColorAt(0, QColor(250, 200, 120));
    gradient.setColorAt(1, QColor(120, 40, 20));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 3));
    painter.setBrush(gradient);
    painter.drawEllipse(disc);
}

TableTheme themeIn(TableStyleID style, bool dark = false) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{dark, false, false});
}

const AvatarModel biscuit{"B", CharacterBackdrop::color("biscuit"), false, "biscuit"};

} // namespace

TEST(ArtCache, ACopyLandsOnTheSamePixelsAsDrawingDirectly) {
    // On a doubled screen too: the kept image must keep its pixel ratio, or it lands twice as large.
    for (const double ratio : {1.0, 2.0}) {
        for (QPointF at : {QPointF(10, 12), QPointF(10.25, 7.5), QPointF(31.6, 40.125)}) {
            QImage cached = canvas(static_cast<int>(120 * ratio), static_cast<int>(120 * ratio));
            QImage direct = cached;
            cached.setDevicePixelRatio(ratio);
            direct.setDevicePixelRatio(ratio);
            // Twice: the first drawing makes the image, the second copies the kept one.
            for (int time = 0; time < 2; ++time) {
                cached.fill(Qt::transparent);
                QPainter painter(&cached);
                painter.translate(3, 2);
                ArtCache::draw(painter, "graded disc", QRectF(at, QSizeF(40, 40)), QMarginsF(2, 2, 2, 2),
                               [](QPainter& p, QPointF topLeft) {
                                   p.setRenderHint(QPainter::Antialiasing);
                                   gradedDisc(p, topLeft);
                               });
            }
            {
                QPainter painter(&direct);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.translate(3, 2);
                gradedDisc(painter, at);
            }
            EXPECT_LE(largestDifference(cached, direct), 2) << ratio << "x at " << at.x() << "," << at.y();
        }
    }
}

TEST(ArtCache, RepaintingTheSameArtDrawsNoNewImage) {
    ArtCache::forgetAll();
    QImage image = canvas(400, 400);
    QPainter painter(&image);
    const TableTheme satin = themeIn(TableStyleID::satin);
    AvatarDisc::paint(painter, {4, 4}, satin, biscuit, 48, false, false);
    ChipFace::paint(painter, {4, 60}, ChipDenomination::d500, 28);
    DealerButtonView::paint(painter, {60, 60}, satin);
    const std::size_t made = ArtCache::imagesMade();
    for (int step = 0; step < 6; ++step) {
        AvatarDisc::paint(painter, QPointF(4 + 50 * step, 100), satin, biscuit, 48, false, false);
        ChipFace::paint(painter, QPointF(4 + 40 * step, 200), ChipDenomination::d500, 28);
        DealerButtonView::paint(painter, QPointF(4 + 30 * step, 250), satin);
    }
    EXPECT_EQ(ArtCache::imagesMade(), made);
    // A change of what the art shows is a new image.
    AvatarDisc::paint(painter, {4, 300}, satin, biscuit, 48, false, true);
    ChipFace::paint(painter, {60, 300}, ChipDenomination::d5, 28);
    EXPECT_EQ(ArtCache::imagesMade(), made + 2);
}

TEST(ArtCache, TurnedOrScaledArtIsDrawnDirectlyAndNotKept) {
    QImage image = canvas();
    QPainter painter(&image);
    painter.translate(60, 60);
    painter.rotate(30);
    const std::size_t made = ArtCache::imagesMade();
    ChipFace::paint(painter, {-14, -14}, ChipDenomination::d25, 28);
    painter.end();
    EXPECT_EQ(ArtCache::imagesMade(), made);
    EXPECT_GT(qAlpha(image.pixel(60, 60)), 200);
}

TEST(AvatarDisc, ABustedDiscIsTheLiveDiscInGreyWithTheSameSmoothEdge) {
    for (auto style : {TableStyleID::satin, TableStyleID::paper}) {
        for (bool dark : {false, true}) {
            QImage live = canvas();
            QImage busted = canvas();
            {
                QPainter painter(&live);
                AvatarDisc::paint(painter, {20, 20}, themeIn(style, dark), biscuit, 48, false, false);
            }
            {
                QPainter painter(&busted);
                AvatarDisc::paint(painter, {20, 20}, themeIn(style, dark), biscuit, 48, false, true);
            }
            int partlyCovered = 0;
            for (int y = 0; y < live.height(); ++y)
                for (int x = 0; x < live.width(); ++x) {
                    const QRgb grey = busted.pixel(x, y);
                    ASSERT_LE(std::abs(qAlpha(grey) - qAlpha(live.pixel(x, y))), 1)
                        << toString(style) << " at " << x << "," << y;
                    EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));
                    if (qAlpha(grey) > 0 && qAlpha(grey) < 255)
                        ++partlyCovered;
                }
            // Along the rim the edge is smoothed, not stepped.
            EXPECT_GT(partlyCovered, 40) << toString(style);
        }
    }
}
