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

// The turned pictures of swaying art, apart, so they never push out the upright art they are made
// from: every step of the first-run window's floating pieces fits (about 6 MB, four times that at
// twice the pixel ratio).
QCache<QByteArray, QImage>& turnedCache() {
    static QCache<QByteArray, QImage> images(32 * 1024);
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

// Copies a kept image onto whole device pixels: upright and unscaled, with nothing to smooth, so Qt
// copies it row by row rather than as a smooth blend spread over its thread pool.
void copy(QPainter& painter, QPoint origin, double ratio, const QImage& image) {
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(origin) / ratio, image);
    painter.restore();
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
    copy(painter, placement.origin, ratio, image);
}

void drawMoving(QPainter& painter, const QByteArray& key, const QRectF& frame, const QMarginsF& overhang,
                const Paint& paint, Turns turns) {
    if (painter.worldTransform().type() <= QTransform::TxTranslate) {
        draw(painter, key, frame, overhang, paint);
        return;
    }
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const Placement placement = place(QPointF(), frame.size(), overhang, ratio);
    const QByteArray upright = fullKey(key, frame.size(), placement, ratio, QPointF());
    QImage drawn;
    // Held by value: keeping a turned image may push the upright one out of the cache.
    const QImage image = kept(upright, placement, ratio, paint, {}, drawn);
    const QPointF at = frame.topLeft() - placement.frameAt;
    if (turns == Turns::passing) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(at, image);
        painter.restore();
        return;
    }
    // The turned image on whole device pixels, kept by the turn and by where it falls within a pixel.
    const QTransform device = painter.worldTransform() * QTransform::fromScale(ratio, ratio);
    const QRectF covered = device.mapRect(QRectF(at, QSizeF(placement.pixels) / ratio));
    const QPoint origin(static_cast<int>(std::floor(covered.left())),
                        static_cast<int>(std::floor(covered.top())));
    const QSize pixels(static_cast<int>(std::ceil(covered.right())) - origin.x(),
                       static_cast<int>(std::ceil(covered.bottom())) - origin.y());
    QByteArray turnedKey = upright;
    {
        QDataStream stream(&turnedKey, QIODevice::WriteOnly | QIODevice::Append);
        auto q = [](double value) { return static_cast<qint64>(std::llround(value * 4096)); };
        stream << q(device.m11()) << q(device.m12()) << q(device.m21()) << q(device.m22())
               << q(device.dx() - origin.x()) << q(device.dy() - origin.y()) << pixels;
    }
    const QImage* turned = turnedCache().object(turnedKey);
    QImage made;
    if (!turned) {
        made = QImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        made.fill(Qt::transparent);
        {
            QPainter art(&made);
            art.setRenderHint(QPainter::SmoothPixmapTransform);
            art.setTransform(device * QTransform::fromTranslate(-origin.x(), -origin.y()));
            art.drawImage(at, image);
        }
        made.setDevicePixelRatio(ratio);
        ++madeCount;
        turnedCache().insert(turnedKey, new QImage(made),
                             static_cast<int>(std::max<qsizetype>(1, made.sizeInBytes() / 1024)));
        turned = &made;
    }
    copy(painter, origin, ratio, *turned);
}

QMarginsF beyond(const QRectF& frame, const QRectF& covered) {
    return {std::max(0.0, frame.left() - covered.left()), std::max(0.0, frame.top() - covered.top()),
            std::max(0.0, covered.right() - frame.right()), std::max(0.0, covered.bottom() - frame.bottom())};
}

std::size_t imagesMade() {
    return madeCount;
}

void forgetTurns() {
    turnedCache().clear();
}

void forgetAll() {
    cache().clear();
    turnedCache().clear();
}

} // namespace ArtCache
