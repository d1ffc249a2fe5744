#include "Style/Drawing/FramedOrnament.h"

#include <QPainter>

#include <cmath>

FramedOrnament::FramedOrnament(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QMargins FramedOrnament::roomFor(const QMarginsF& overhang) {
    const int across = static_cast<int>(std::ceil(std::max(overhang.left(), overhang.right())));
    const int down = static_cast<int>(std::ceil(std::max(overhang.top(), overhang.bottom())));
    return {across, down, across, down};
}

QMargins FramedOrnament::room() const {
    return roomFor(overhang());
}

QRectF FramedOrnament::frameRect() const {
    const QSizeF frame = frameSize();
    return {std::floor((width() - frame.width()) / 2), std::floor((height() - frame.height()) / 2),
            frame.width(), frame.height()};
}

void FramedOrnament::moveFrameTo(QPoint topLeft) {
    if (size() != sizeHint())
        resize(sizeHint());
    const QPointF inside = frameRect().topLeft();
    move(topLeft - QPoint(static_cast<int>(inside.x()), static_cast<int>(inside.y())));
}

QSize FramedOrnament::sizeHint() const {
    const QSizeF frame = frameSize();
    const QMargins margins = room();
    return {static_cast<int>(std::ceil(frame.width())) + margins.left() + margins.right(),
            static_cast<int>(std::ceil(frame.height())) + margins.top() + margins.bottom()};
}

void FramedOrnament::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, frameRect().topLeft());
}
