#include "Style/Drawing/FadeScaleEffect.h"

#include <QPainter>

FadeScaleEffect::FadeScaleEffect(std::function<Look()> look, QObject* parent)
    : QGraphicsEffect(parent)
    , look_(std::move(look)) {}

void FadeScaleEffect::draw(QPainter* painter) {
    const Look now = look_();
    if (now.opacity >= 1 && now.scale == 1) {
        drawSource(painter);
        return;
    }
    if (now.opacity <= 0) {
        return;
    }
    QPoint offset;
    const QPixmap picture =
        sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (picture.isNull()) {
        return;
    }
    const QPointF centre = sourceBoundingRect(Qt::LogicalCoordinates).center();
    painter->save();
    painter->setOpacity(painter->opacity() * now.opacity);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->translate(centre);
    painter->scale(now.scale, now.scale);
    painter->translate(-centre);
    painter->drawPixmap(offset, picture);
    painter->restore();
}
