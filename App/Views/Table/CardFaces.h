#pragma once

#include <optional>

#include <QMarginsF>
#include <QRectF>

#include "PokerEngine/Card.h"
#include "Style/TableTheme.h"

class QPainter;

// The three drawings of a card and of an empty card place, each painted into `card`, the card's own
// rectangle; shadows fall outside it.
namespace CardFaces {

void satin(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face);
void paper(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face, bool lifted);
void pixel(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face);

// How far a card's shadow reaches beyond the card on each side.
QMarginsF shadowMargins(const TableTheme& theme, QSizeF size, bool lifted);

// The outline of an empty card place, in the felt's line colour.
void slot(QPainter& painter, const QRectF& place, const TableTheme& theme);

} // namespace CardFaces
