#include "Style/Drawing/RoundedClipEffect.h"

#include <QPainter>

RoundedClipEffect::RoundedClipEffect(const Layers& layers, QObject* parent)
    : QGraphicsEffect(parent)
    , layers_(layers) {}

void RoundedClipEffect::Mask::make(const QPainterPath& shape, const QSize& pixels, double ratio,
                                   QPoint offset) {
    coverage = QImage(pixels, QImage::Format_Alpha8);
    coverage.setDevicePixelRatio(ratio);
    coverage.fill(0);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-offset);
        painter.fillPath(shape, Qt::white);
    }
    // Each row's run of fully covered pixels, which cutting leaves as they are.
    fullRuns.assign(static_cast<std::size_t>(pixels.height()), {0, 0});
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* line = coverage.constScanLine(y);
        int start = 0;
        while (start < pixels.width() && line[start] != 255)
            ++start;
        int end = start;
        while (end < pixels.width() && line[end] == 255)
            ++end;
        fullRuns[static_cast<std::size_t>(y)] = {start, end};
    }
    this->shape = shape;
    this->offset = offset;
}

bool RoundedClipEffect::Mask::fits(const QPainterPath& shape, const QSize& pixels, double ratio,
                                   QPoint offset) const {
    return coverage.size() == pixels && coverage.devicePixelRatio() == ratio && this->offset == offset &&
           this->shape == shape;
}

// Multiplies the pixels outside each row's fully covered run by their coverage. A composition mode
// would do the same, but Qt spreads such blends of a large image over its thread pool on every paint.
void RoundedClipEffect::Mask::cut(QImage& content) const {
    const auto scale = [](QRgb pixel, uchar cover) {
        return qRgba(qRed(pixel) * cover / 255, qGreen(pixel) * cover / 255, qBlue(pixel) * cover / 255,
                     qAlpha(pixel) * cover / 255);
    };
    for (int y = 0; y < content.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(content.scanLine(y));
        const uchar* cover = coverage.constScanLine(y);
        const auto [start, end] = fullRuns[static_cast<std::size_t>(y)];
        for (int x = 0; x < start; ++x)
            line[x] = scale(line[x], cover[x]);
        for (int x = end; x < content.width(); ++x)
            line[x] = scale(line[x], cover[x]);
    }
}

void RoundedClipEffect::draw(QPainter* painter) {
    QPoint offset;
    // Qt renders the widget into this pixmap only when the widget changed since the last paint.
    const QPixmap content = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
    QImage clipped = content.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QPainterPath& shape = layers_.clipShape();
    if (!mask_.fits(shape, clipped.size(), clipped.devicePixelRatio(), offset))
        mask_.make(shape, clipped.size(), clipped.devicePixelRatio(), offset);
    mask_.cut(clipped);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    layers_.paintBeneath(*painter);
    painter->drawImage(QPointF(offset), clipped);
    layers_.paintAbove(*painter);
    painter->restore();
}
