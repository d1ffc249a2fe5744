#include "Style/Drawing/CardstockShape.h"

#include <QPainter>
#include <QPen>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"

void CardstockShape::paint(QPainter& painter, const QPainterPath& shape) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath edge = shape.translated(0, thickness);
    const QColor shadowColor =
        dark ? QColor::fromRgbF(0, 0, 0, 0.6f) : toQColor(RGB::bytes(70, 45, 20, 0.38));
    SoftShadow::paint(painter, edge, shadowRadius(), shadowColor, shadowOffset());
    painter.fillPath(edge, toQColor(side));
    const QPainterPath top = pressed ? shape.translated(0, thickness - 1) : shape;
    painter.fillPath(top, toQColor(face));
    if (outline) {
        QPen pen(toQColor(*outline), 1.5);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(top, pen);
    }
    painter.restore();
}

QRectF CardstockShape::bounds(const QRectF& shapeBounds) const {
    const QRectF edge = shapeBounds.translated(0, thickness);
    QRectF covered =
        shapeBounds.united(edge).united(SoftShadow::bounds(edge, shadowRadius(), shadowOffset()));
    if (pressed)
        covered = covered.united(shapeBounds.translated(0, thickness - 1));
    if (outline)
        covered = covered.adjusted(-0.75, -0.75, 0.75, 0.75);
    return covered;
}
