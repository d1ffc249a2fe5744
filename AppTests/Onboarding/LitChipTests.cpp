// A chip that turns from frame to frame is copied from one kept image, not drawn anew for each angle; a
// chip that sways over and over on the same few angles keeps each turned picture too.
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/LitChip.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage turned(bool cached, double angle, ArtCache::Turns turns = ArtCache::Turns::passing) {
    QImage image(80, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(40, 40);
    painter.rotate(angle);
    if (cached)
        LitChip::paintMoving(painter, QPointF(-22, -16), ChipDenomination::d1000, 20, 0.5, turns);
    else
        LitChip::paint(painter, QPointF(-22, -16), ChipDenomination::d1000, 20, 0.5);
    return image;
}

// The chip's coverage: the sum of its alpha over the image.
double coverage(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    return sum;
}

} // namespace

TEST(LitChip, ATurningChipIsCopiedFromOneImage) {
    struct Row {
        ArtCache::Turns turns;
        // New images the first time an angle is shown, and when it comes again.
        std::size_t first;
        std::size_t again;
    };
    for (const Row& row : {Row{ArtCache::Turns::passing, 0, 0}, Row{ArtCache::Turns::repeating, 1, 0}}) {
        turned(true, 3, row.turns);
        for (const double angle : {-20.0, 7.5, 31.0}) {
            const double direct = coverage(turned(false, angle));
            std::size_t made = ArtCache::imagesMade();
            const QImage copy = turned(true, angle, row.turns);
            EXPECT_EQ(ArtCache::imagesMade() - made, row.first) << angle;
            EXPECT_NEAR(coverage(copy), direct, 0.03 * direct) << angle;
            made = ArtCache::imagesMade();
            EXPECT_EQ(turned(true, angle, row.turns), copy) << angle;
            EXPECT_EQ(ArtCache::imagesMade() - made, row.again) << angle;
        }
    }
}
