#include "Views/Support/LeavingPicture.h"

#include <QPainter>

#include "Style/Drawing/StyleAccessibility.h"

LeavingPicture::LeavingPicture(QPixmap picture, QWidget* parent)
    : QWidget(parent)
    , picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    StyleAccessibility::setHidden(this);
}

void LeavingPicture::setOpacity(double opacity) {
    if (opacity == opacity_)
        return;
    opacity_ = opacity;
    update();
}

void LeavingPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(opacity_);
    painter.drawPixmap(rect(), picture_);
}
