#include "Style/Drawing/SoftShadow.h"

#include "Style/Drawing/KeptImage.h"

#include <QCache>
#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::size_t madeCount = 0;

// Three passes of a box blur come close to a Gaussian at a small fraction of its cost.
void boxBlurAlpha(QImage& image, int boxRadius) {
    if (boxRadius < 1)
        return;
    const int width = image.width();
    const int height = image.height();
    std::vector<int> alpha(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[static_cast<std::size_t>(y) * width + x] = qAlpha(line[x]);
    }
    std::vector<int> scratch(alpha.size());
    const int span = 2 * boxRadius + 1;
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? height : width;
        const int length = horizontal ? width : height;
        for (int line = 0; line < lines; ++line) {
            auto at = [&](int i) -> int& {
                const int clamped = std::clamp(i, 0, length - 1);
                return horizontal ? alpha[static_cast<std::size_t>(line) * width + clamped]
                                  : alpha[static_cast<std::size_t>(clamped) * width + line];
            };
            int sum = 0;
            for (int i = -boxRadius; i <= boxRadius; ++i)
                sum += (i < 0 || i >= length) ? 0 : at(i);
            for (int i = 0; i < length; ++i) {
                const std::size_t index = horizontal ? static_cast<std::size_t>(line) * width + i
                                                     : static_cast<std::size_t>(i) * width + line;
                scratch[index] = sum / span;
                const int leaving = i - boxRadius;
                const int entering = i + boxRadius + 1;
                sum -= (leaving < 0) ? 0 : at(leaving);
                sum += (entering >= length) ? 0 : at(entering);
            }
        }
        alpha.swap(scratch);
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = alpha[static_cast<std::size_t>(y) * width + x];
            line[x] = qRgba(a, a, a, a);
        }
    }
}

struct Shadow {
    QImage image;
    QPointF origin; // where the image's top-left lies relative to the shape's bounds' top-left
};

QByteArray keyFor(const QPainterPath& shape, double radius, const QColor& color, double ratio) {
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    const QPointF topLeft = shape.boundingRect().topLeft();
    // Quantised to a sixty-fourth of a pixel, so a moved shape finds the same image.
    auto q = [](double value) { return static_cast<qint32>(std::lround(value * 64)); };
    // The fill rule decides which parts of overlapping outlines are inside, so it shapes the image too.
    stream << q(radius) << color.rgba() << q(ratio) << static_cast<qint8>(shape.fillRule())
           << static_cast<qint32>(shape.elementCount());
    for (int index = 0; index < shape.elementCount(); ++index) {
        const auto element = shape.elementAt(index);
        stream << static_cast<qint8>(element.type) << q(element.x - topLeft.x())
               << q(element.y - topLeft.y());
    }
    return key;
}

Shadow* makeShadow(const QPainterPath& shape, double radius, const QColor& color, double ratio) {
    const QRectF bounds = shape.boundingRect();
    const double pad = std::ceil(radius * 1.5) + 2;
    const QSize size(static_cast<int>(std::ceil((bounds.width() + 2 * pad) * ratio)),
                     static_cast<int>(std::ceil((bounds.height() + 2 * pad) * ratio)));
    auto* shadow = new Shadow;
    shadow->image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    shadow->image.fill(Qt::transparent);
    {
        QPainter painter(&shadow->image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        painter.translate(pad - bounds.left(), pad - bounds.top());
        painter.fillPath(shape, Qt::white);
    }
    boxBlurAlpha(shadow->image, static_cast<int>(std::lround(radius * ratio / 2)));
    {
        QPainter painter(&shadow->image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(shadow->image.rect(), color);
    }
    shadow->image = KeptImage::pixelsOnly(shadow->image);
    shadow->image.setDevicePixelRatio(ratio);
    shadow->origin = QPointF(-pad, -pad);
    ++madeCount;
    return shadow;
}

QCache<QByteArray, Shadow>& cache() {
    // Counted in kilobytes of image: a few megabytes hold every shadow the screens draw.
    static QCache<QByteArray, Shadow> shadows(16 * 1024);
    return shadows;
}

} // namespace

namespace SoftShadow {

void paint(QPainter& painter, const QPainterPath& shape, double radius, const QColor& color, QPointF offset) {
    if (shape.isEmpty() || color.alpha() == 0)
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QByteArray key = keyFor(shape, radius, color, ratio);
    Shadow* shadow = cache().object(key);
    if (!shadow) {
        shadow = makeShadow(shape, radius, color, ratio);
        const QImage image = shadow->image;
        const QPointF origin = shadow->origin;
        // A shadow too large for the cache is drawn once and let go.
        cache().insert(key, shadow, static_cast<int>(std::max<qsizetype>(1, image.sizeInBytes() / 1024)));
        painter.drawImage(shape.boundingRect().topLeft() + origin + offset, image);
        return;
    }
    painter.drawImage(shape.boundingRect().topLeft() + shadow->origin + offset, shadow->image);
}

double reach(double radius) {
    // Three box passes of half the radius each, and a pixel of anti-aliasing at the shape's edge.
    return 1.5 * std::max(0.0, radius) + 1;
}

QRectF bounds(const QRectF& shapeBounds, double radius, QPointF offset) {
    const double spread = reach(radius);
    return shapeBounds.translated(offset).adjusted(-spread, -spread, spread, spread);
}

void forgetAll() {
    cache().clear();
}

std::size_t imagesMade() {
    return madeCount;
}

} // namespace SoftShadow
