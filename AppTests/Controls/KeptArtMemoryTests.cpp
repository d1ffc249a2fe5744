#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/SoftShadow.h"

#include "Support/LiveHeap.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

// Kept art and shadows are bounded by the bytes of their pixels; whatever else each kept image holds
// on to escapes that bound and grows with every piece of art a long evening draws.

namespace {

constexpr int pieces = 300;

QImage canvas() {
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rounded, graded tile with an outline: curves and a gradient, like the table's chips and cards. One
// gradient for all, since Qt keeps the colour tables of the last few dozen gradients it filled.
void tile(QPainter& painter, QPointF topLeft) {
    const QRectF face(topLeft, QSizeF(24, 24));
    QLinearGradient gradient(face.topLeft(), face.bottomRight());
    gradient.setColorAt(0, QColor(250, 200, 120));
    gradient.setColorAt(1, QColor(90, 40, 20));
    QPainterPath outline;
    outline.addRoundedRect(face.adjusted(1, 1, -1, -1), 6, 6);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    painter.setBrush(gradient);
    painter.drawPath(outline);
}

// What a kept 24-point piece may cost: its pixels with the cache's one-pixel margins and a sub-pixel
// column and row, and its bookkeeping: the key, the image's header and the cache's node, with what the
// allocator adds to each, together about 550 bytes when nothing has warmed the allocator first. A
// painter kept with each piece costs some 9 KB more, far past this.
constexpr std::size_t allowancePerPiece = 27 * 27 * 4 + 1024;

} // namespace

TEST(KeptArtMemory, KeptArtCostsItsPixelsAndNotThePainterThatDrewIt) {
    ArtCache::forgetAll();
    QImage image = canvas();
    QPainter painter(&image);
    // Qt's own first-use costs (the paint engine's tables, the gradient's colour table) come before
    // the count.
    ArtCache::draw(painter, "warm-up", QRectF(10, 10, 24, 24), {},
                   [](QPainter& p, QPointF at) { tile(p, at); });
    const std::size_t before = liveHeapBytes();
    for (int piece = 1; piece <= pieces; ++piece) {
        ArtCache::draw(painter, "tile-" + QByteArray::number(piece), QRectF(10, 10, 24, 24), {},
                       [](QPainter& p, QPointF at) { tile(p, at); });
    }
    const std::size_t grown = liveHeapBytes() - before;
    EXPECT_LT(grown, pieces * allowancePerPiece) << grown / pieces << " bytes a piece";
    ArtCache::forgetAll();
}

TEST(KeptArtMemory, KeptShadowsCostTheirPixelsAndNotThePainterThatDrewThem) {
    QImage image = canvas();
    QPainter painter(&image);
    const auto shape = [](int size) {
        QPainterPath path;
        path.addRoundedRect(QRectF(10, 10, size / 8.0, 20), 5, 5);
        return path;
    };
    SoftShadow::paint(painter, shape(1), 2, QColor(0, 0, 0, 80), {});
    const std::size_t before = liveHeapBytes();
    std::size_t pixels = 0;
    for (int size = 2; size <= pieces + 1; ++size) {
        SoftShadow::paint(painter, shape(size), 2, QColor(0, 0, 0, 80), {});
        // The blurred image: the shape's bounds and a pad of reach on each side.
        const QRectF covered = SoftShadow::bounds(shape(size).boundingRect(), 2, {});
        pixels += static_cast<std::size_t>((covered.width() + 4) * (covered.height() + 4) * 4);
    }
    const std::size_t grown = liveHeapBytes() - before;
    EXPECT_LT(grown, pixels + pieces * 512)
        << grown / pieces << " bytes a shadow, " << pixels / pieces << " of pixels";
}
