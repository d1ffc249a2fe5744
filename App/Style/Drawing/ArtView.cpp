#include "Style/Drawing/ArtView.h"

#include <QPainter>

#include "Style/Drawing/StyleAccessibility.h"

ArtView::ArtView(Painter paint, QWidget* parent)
    : QWidget(parent)
    , paint_(std::move(paint)) {
    StyleAccessibility::setHidden(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArtView::setPainter(Painter paint) {
    paint_ = std::move(paint);
    update();
}

void ArtView::paintEvent(QPaintEvent*) {
    if (!paint_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_(painter, QRectF(rect()));
}
