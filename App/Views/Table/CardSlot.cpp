#include "Views/Table/CardSlot.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Views/Table/CardFaces.h"

CardSlot::CardSlot(const TableTheme& theme, QSizeF size, QWidget* parent)
    : DrawnPiece(theme, size, parent) {
    StyleAccessibility::setHidden(this);
    changed();
}

void CardSlot::paint(QPainter& painter, const QRectF& place, const TableTheme& theme) {
    if (theme.style == TableStyleID::pixel) {
        CardFaces::slot(painter, place, theme);
        return;
    }
    // An anti-aliased (and, on paper, dashed) outline: drawn once per look and size, then copied.
    const QByteArray key = QStringLiteral("card slot|%1|%2%3")
                               .arg(static_cast<int>(theme.style))
                               .arg(theme.dark)
                               .arg(theme.increaseContrast)
                               .toUtf8();
    ArtCache::draw(painter, key, place, {},
                   [&](QPainter& art, QPointF at) { CardFaces::slot(art, QRectF(at, place.size()), theme); });
}
