#include "Views/Table/CardSlot.h"

#include "Style/Drawing/StyleAccessibility.h"
#include "Views/Table/CardFaces.h"

CardSlot::CardSlot(const TableTheme& theme, QSizeF size, QWidget* parent)
    : DrawnPiece(theme, size, parent) {
    StyleAccessibility::setHidden(this);
    changed();
}

void CardSlot::paint(QPainter& painter, const QRectF& place, const TableTheme& theme) {
    CardFaces::slot(painter, place, theme);
}
