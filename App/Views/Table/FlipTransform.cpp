#include "Views/Table/FlipTransform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

QTransform flipTransform(QPointF center, QSizeF size, double degrees, double perspective) {
    const double radians = degrees * std::numbers::pi / 180;
    const double distance = std::max(size.width(), size.height()) / std::max(perspective, 1e-6);
    // A point x from the centre line turns to x·cos and comes x·sin nearer; its projection divides by
    // (distance − x·sin) / distance, which is the third column below.
    const QTransform turn(std::cos(radians), 0, -std::sin(radians) / distance, 0, 1, 0, 0, 0, 1);
    return QTransform::fromTranslate(-center.x(), -center.y()) * turn *
           QTransform::fromTranslate(center.x(), center.y());
}
