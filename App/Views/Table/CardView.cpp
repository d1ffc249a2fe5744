#include "Views/Table/CardView.h"

#include "Style/Drawing/StyleAccessibility.h"
#include "Table/CardGeometry.h"
#include "Views/Table/CardFaces.h"

CardView::CardView(const TableTheme& theme, std::optional<PokerEngine::Card> card, QSizeF size, bool lifted,
                   QWidget* parent)
    : DrawnPiece(theme, size, parent)
    , card_(card)
    , lifted_(lifted) {
    StyleAccessibility::setRole(this, QAccessible::Graphic);
    setAccessibleName(CardGeometry::spokenName(card_));
    changed();
}

void CardView::setCard(std::optional<PokerEngine::Card> card) {
    if (card == card_)
        return;
    card_ = card;
    setAccessibleName(CardGeometry::spokenName(card_));
    update();
}

void CardView::setLifted(bool lifted) {
    if (lifted == lifted_)
        return;
    lifted_ = lifted;
    changed();
}

QMarginsF CardView::shadowMargins(const TableTheme& theme, QSizeF size, bool lifted) {
    return CardFaces::shadowMargins(theme, size, lifted);
}

QMarginsF CardView::margins() const {
    return shadowMargins(theme(), pieceSize(), lifted_);
}

void CardView::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme,
                     const std::optional<PokerEngine::Card>& card, QSizeF size, bool lifted) {
    const QRectF rect(topLeft, size);
    switch (theme.style) {
    case TableStyleID::satin:
        CardFaces::satin(painter, rect, theme, card);
        break;
    case TableStyleID::paper:
        CardFaces::paper(painter, rect, theme, card, lifted);
        break;
    case TableStyleID::pixel:
        CardFaces::pixel(painter, rect, theme, card);
        break;
    }
}

void CardView::paintPiece(QPainter& painter, const QRectF& piece) const {
    paint(painter, piece.topLeft(), theme(), card_, piece.size(), lifted_);
}
