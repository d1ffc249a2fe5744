#include "Views/Table/CardView.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Table/CardGeometry.h"
#include "Views/Table/CardFaces.h"

CardView::CardView(const TableTheme& theme, std::optional<PokerEngine::Card> card, QSizeF size, bool lifted,
                   QWidget* parent)
    : DrawnPiece(theme, size, parent)
    , card_(card)
    , lifted_(lifted) {
    StyleAccessibility::setRole(this, QAccessible::Graphic);
    StyleAccessibility::setName(this, CardGeometry::spokenName(card_));
    changed();
}

void CardView::setCard(std::optional<PokerEngine::Card> card) {
    if (card == card_)
        return;
    card_ = card;
    StyleAccessibility::setName(this, CardGeometry::spokenName(card_));
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
                     const std::optional<PokerEngine::Card>& card, QSizeF size, bool lifted, bool moving) {
    const QRectF rect(topLeft, size);
    // Every card (gradients, text, a lattice of dots or a checkerboard of cells, a soft shadow) is drawn
    // once per look and size and then copied; a card in motion is that image mapped through its motion.
    // Pixel cards are drawn afresh under a transform, so their cells stay crisp.
    const QByteArray key = QStringLiteral("card|%1|%2%3%4|%5|%6|%7")
                               .arg(static_cast<int>(theme.style))
                               .arg(theme.dark)
                               .arg(theme.increaseContrast)
                               .arg(theme.fourColorDeck)
                               .arg(card ? QString::fromStdString(card->code()) : QStringLiteral("back"))
                               .arg(lifted && theme.style == TableStyleID::paper)
                               .arg(theme.pixelUnit)
                               .toUtf8();
    const ArtCache::Paint face = [&](QPainter& art, QPointF at) {
        switch (theme.style) {
        case TableStyleID::satin:
            CardFaces::satin(art, QRectF(at, size), theme, card);
            break;
        case TableStyleID::paper:
            CardFaces::paper(art, QRectF(at, size), theme, card, lifted);
            break;
        case TableStyleID::pixel:
            CardFaces::pixel(art, QRectF(at, size), theme, card);
            break;
        }
    };
    const QMarginsF shadow = CardFaces::shadowMargins(theme, size, lifted);
    if (moving && theme.style != TableStyleID::pixel)
        ArtCache::drawMoving(painter, key, rect, shadow, face);
    else
        ArtCache::draw(painter, key, rect, shadow, face);
}

void CardView::paintPiece(QPainter& painter, const QRectF& piece) const {
    paint(painter, piece.topLeft(), theme(), card_, piece.size(), lifted_);
}
