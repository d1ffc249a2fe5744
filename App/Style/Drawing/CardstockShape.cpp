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
    SoftShadow::paint(painter, edge, shadowBlur * 0.5, shadowColor,
                      QPointF(shadowY * 0.3, shadowY - thickness));
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
