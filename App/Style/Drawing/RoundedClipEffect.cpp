#include "Style/Drawing/RoundedClipEffect.h"

#include <QPainter>

RoundedClipEffect::RoundedClipEffect(const Layers& layers, QObject* parent)
    : QGraphicsEffect(parent)
    , layers_(layers) {}

void RoundedClipEffect::draw(QPainter* painter) {
    QPoint offset;
    // Qt renders the widget into this pixmap only when the widget changed since the last paint.
    const QPixmap content = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    layers_.paintBeneath(*painter);
    // Filling the shape with the content as its texture smooths the edge on every paint engine,
    // which a clip path does not promise.
    QBrush texture(content);
    texture.setTransform(QTransform::fromTranslate(offset.x(), offset.y()));
    painter->setPen(Qt::NoPen);
    painter->setBrush(texture);
    painter->drawPath(layers_.clipShape());
    layers_.paintAbove(*painter);
    painter->restore();
}
