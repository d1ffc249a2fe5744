#include "Style/Drawing/Pill.h"

#include <algorithm>

namespace {
QRectF shrunk(const QRectF& rect, double amount) {
    return rect.adjusted(amount, amount, -amount, -amount);
}
} // namespace

double Pill::cornerRadius(const QRectF& rect) const {
    const QRectF shape = shrunk(rect, inset);
    return std::max(0.0, std::min(shape.width(), shape.height()) / 2);
}

QPainterPath Pill::path(const QRectF& rect) const {
    QPainterPath path;
    const QRectF shape = shrunk(rect, inset);
    if (shape.width() <= 0 || shape.height() <= 0)
        return path;
    const double radius = cornerRadius(rect);
    path.addRoundedRect(shape, radius, radius);
    return path;
}
