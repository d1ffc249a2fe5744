#include "Style/Drawing/SlideTransform.h"

QTransform slideTransform(const SlideEffect::Placement& placement, QSizeF size) {
    QTransform transform;
    transform.translate(size.width() / 2 + placement.dx, size.height() / 2 + placement.dy);
    transform.rotate(placement.rotationDegrees);
    transform.scale(placement.scale, placement.scale);
    transform.translate(-size.width() / 2, -size.height() / 2);
    return transform;
}
