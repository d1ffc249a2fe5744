#include "Style/Drawing/ArtCache.h"

#include "Style/Drawing/KeptImage.h"

#include <QCache>
#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

std::size_t madeCount = 0;

QCache<QByteArray, QImage>& cache() {
    // Counted in kilobytes: a table's discs, chips and tags in every state fit many times over.
    static QCache<QByteArray, QImage> images(8 * 1024);
    return images;
}

// Where the art's image lies on the device and how the frame sits inside it.
struct Placement {
    QPoint origin;   // the image's top-left, in device pixels
    QPointF frameAt; // the frame's top-left inside the image, in the image's logical coordinates
    QSize pixels;    // the image's size in device pixels
};

Placement place(const QPointF& deviceTopLeft, const QSizeF& frame, const QMarginsF& overhang, double ratio) {
    // Whole device pixels around the frame, plus its position within a pixel, so the copy lands on
    // exactly the pixels direct drawing would cover.
    const QPointF whole(std::floor(deviceTopLeft.x()), std::floor(deviceTopLeft.y()));
    const QPointF phase = deviceTopLeft - whole;
    const int left = static_cast<int>(std::ceil(overhang.left() * ratio)) + 1;
    const int top = static_cast<int>(std::ceil(overhang.top() * ratio)) + 1;
    const int right = static_cast<int>(std::ceil(overhang.right() * ratio)) + 1;
    const int bottom = static_cast<int>(std::ceil(overhang.bottom() * ratio)) + 1;
    Placement placement;
    placement.origin = QPoint(static_cast<int>(whole.x()) - left, static_cast<int>(whole.y()) - top);
    placement.frameAt = QPointF((left + phase.x()) / ratio, (top + phase.y()) / ratio);
    placement.pixels = QSize(left + static_cast<int>(std::ceil(frame.width() * ratio + phase.x())) + right,
                             top + static_cast<int>(std::ceil(frame.height() * ratio + phase.y())) + bottom);
    return placement;
}

QImage render(const Placement& placement, double ratio, const ArtCache::Paint& paint,
              const ArtCache::Finish& finish) {
    QImage image(placement.pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(painter, placement.frameAt);
    }
    if (finish)
        finish(image);
    ++madeCount;
    return image;
}

QByteArray fullKey(const QByteArray& key, const QSizeF& frame, const Placement& placement, double ratio,
                   const QPointF& deviceTopLeft) {
    QByteArray full;
    QDataStream stream(&full, QIODevice::WriteOnly);
    // Sub-pixel positions to an eighth of a pixel: closer than that nobody sees.
    auto q = [](double value) { return static_cast<qint32>(std::lround(value * 8)); };
    stream << key << q(frame.width()) << q(frame.height()) << q(ratio)
           << q(deviceTopLeft.x() - std::floor(deviceTopLeft.x()))
           << q(deviceTopLeft.y() - std::floor(deviceTopLeft.y())) << placement.pixels;
    return full;
}

// The image kept under `full`, drawn and kept first when missing. One too large to keep is dropped at
// once and lives in `drawn`, for this one drawing.
const QImage& kept(const QByteArray& full, const Placement& placement, double ratio,
                   const ArtCache::Paint& paint, const ArtCache::Finish& finish, QImage& drawn) {
    if (const QImage* image = cache().object(full))
        return *image;
    drawn = render(placement, ratio, paint, finish);
    cache().insert(full, new QImage(KeptImage::pixelsOnly(drawn)),
                   static_cast<int>(std::max<qsizetype>(1, drawn.sizeInBytes() / 1024)));
    return drawn;
}

} // namespace

namespace ArtCache {

void draw(QPainter& painter, const QByteArray& key, const QRectF& frame, const QMarginsF& overhang,
          const Paint& paint, const Finish& finish) {
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform world = painter.worldTransform();
    if (world.type() > QTransform::TxTranslate) {
        if (!finish) {
            paint(painter, frame.topLeft());
            return;
        }
        // Drawn at the size the device shows it, then mapped through the transform.
        const Placement placement = place(QPointF(), frame.size(), overhang, ratio);
        const QImage image = render(placement, ratio, paint, finish);
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(frame.topLeft() - placement.frameAt, image);
        painter.restore();
        return;
    }
    const QPointF deviceTopLeft = world.map(frame.topLeft()) * ratio;
    const Placement placement = place(deviceTopLeft, frame.size(), overhang, ratio);
    QImage drawn;
    const QImage& image = kept(fullKey(key, frame.size(), placement, ratio, deviceTopLeft), placement, ratio,
                               paint, finish, drawn);
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(placement.origin) / ratio, image);
    painter.restore();
}

void drawMoving(QPainter& painter, const QByteArray& key, const QRectF& frame, const QMarginsF& overhang,
                const Paint& paint) {
    if (painter.worldTransform().type() <= QTransform::TxTranslate) {
        draw(painter, key, frame, overhang, paint);
        return;
    }
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const Placement placement = place(QPointF(), frame.size(), overhang, ratio);
    QImage drawn;
    const QImage& image =
        kept(fullKey(key, frame.size(), placement, ratio, QPointF()), placement, ratio, paint, {}, drawn);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(frame.topLeft() - placement.frameAt, image);
    painter.restore();
}

QMarginsF beyond(const QRectF& frame, const QRectF& covered) {
    return {std::max(0.0, frame.left() - covered.left()), std::max(0.0, frame.top() - covered.top()),
            std::max(0.0, covered.right() - frame.right()), std::max(0.0, covered.bottom() - frame.bottom())};
}

std::size_t imagesMade() {
    return madeCount;
}

void forgetAll() {
    cache().clear();
}

} // namespace ArtCache
