#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/LitChip.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// The satin and pixel stages under the illustrations, the satin floor shadows on them and the lit
// chips of the lobby's piles are kept as images like the rest of the static art: repainting them
// draws nothing new, and the copy looks like drawing directly.

namespace {

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

struct Difference {
    int largest = 0;
    double mean = 0;
};

// The largest and the mean difference of any channel over all pixels.
Difference differenceOf(const QImage& a, const QImage& b) {
    Difference difference;
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int channel : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                      std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) {
                difference.largest = std::max(difference.largest, channel);
                total += channel;
            }
        }
    difference.mean = total / (4.0 * a.width() * a.height());
    return difference;
}

// Art painted under a scale this close to 1 covers the same pixels, but the cache draws scaled art
// directly, so this paints the art without the cache. Qt smooths edges a little differently on
// that path, so single edge pixels may differ by a few levels.
template <typename Paint> QImage paintedDirectly(int w, int h, Paint paint) {
    QImage image = canvas(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1, 1 + 1e-9);
    paint(painter);
    return image;
}

template <typename Paint> QImage paintedThroughTheCache(int w, int h, Paint paint) {
    QImage image = canvas(w, h);
    QPainter painter(&image);
    paint(painter);
    return image;
}

TableTheme themeIn(TableStyleID style, bool dark) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{dark, false, false});
}

} // namespace

TEST(KeptArt, RepaintingAStageAndItsShadowDrawsNoNewImage) {
    ArtCache::forgetAll();
    QImage image = canvas(400, 300);
    QPainter painter(&image);
    for (const TableStyleID style : allTableStyleIDs) {
        const TableTheme theme = themeIn(style, false);
        ArtStage::paint(painter, QRectF(0, 0, 160, 120), theme, 0.5);
        FloorShadow::paint(painter, QPointF(80, 100), theme, 150, 0.8);
        const std::size_t made = ArtCache::imagesMade();
        for (int step = 1; step < 4; ++step) {
            ArtStage::paint(painter, QRectF(60 * step, 40 * step, 160, 120), theme, 0.5);
            FloorShadow::paint(painter, QPointF(80 + 60 * step, 100 + 40 * step), theme, 150, 0.8);
        }
        EXPECT_EQ(ArtCache::imagesMade(), made) << toString(style);
    }

    // The light is kept apart from the surface it stands on (the satin light as an image of its
    // own, the pixel light as a few cells drawn over the kept ramp), so moving it draws nothing new.
    const TableTheme satin = themeIn(TableStyleID::satin, false);
    std::size_t made = ArtCache::imagesMade();
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::pixel})
        ArtStage::paint(painter, QRectF(0, 0, 160, 120), themeIn(style, false), 0.75);
    EXPECT_EQ(ArtCache::imagesMade(), made);
    // Another size is another surface and another light.
    made = ArtCache::imagesMade();
    ArtStage::paint(painter, QRectF(0, 0, 170, 120), satin, 0.5);
    EXPECT_EQ(ArtCache::imagesMade(), made + 2);
}

TEST(KeptArt, AKeptStageLooksLikeTheStageDrawnDirectly) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::pixel}) {
        for (const bool dark : {false, true}) {
            const TableTheme theme = themeIn(style, dark);
            for (const QPointF at : {QPointF(8, 6), QPointF(8.5, 6.25)}) {
                const auto paint = [&](QPainter& painter) {
                    ArtStage::paint(painter, QRectF(at, QSizeF(180, 130)), theme, 0.82);
                    FloorShadow::paint(painter, at + QPointF(90, 110), theme, 120, 0.8);
                };
                const Difference difference =
                    differenceOf(paintedThroughTheCache(200, 160, paint), paintedDirectly(200, 160, paint));
                EXPECT_LE(difference.largest, 3)
                    << toString(style) << (dark ? " dark" : " light") << " at " << at.x();
            }
        }
    }
}

TEST(KeptArt, AnUprightLitChipIsKeptAndLooksLikeTheChipDrawnDirectly) {
    QImage pile = canvas(200, 100);
    {
        QPainter painter(&pile);
        LitChip::paint(painter, {4, 4}, ChipDenomination::d100, 14, 0.38);
        const std::size_t made = ArtCache::imagesMade();
        for (int k = 1; k < 8; ++k)
            LitChip::paint(painter, QPointF(4 + 20 * k, 4 + 3 * k), ChipDenomination::d100, 14, 0.38);
        EXPECT_EQ(ArtCache::imagesMade(), made);
    }
    for (const QPointF at : {QPointF(10, 10), QPointF(10.5, 10.75)}) {
        const auto paint = [&](QPainter& painter) {
            LitChip::paint(painter, at, ChipDenomination::d25, 16, 0.38);
        };
        const Difference difference =
            differenceOf(paintedThroughTheCache(60, 60, paint), paintedDirectly(60, 60, paint));
        // A chip out of place by a pixel would differ by far more along its whole outline.
        EXPECT_LE(difference.largest, 16) << at.x();
        EXPECT_LE(difference.mean, 0.5) << at.x();
    }
}
