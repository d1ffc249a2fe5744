#pragma once

#include "Style/TableTheme.h"

#include "PokerEngine/PlayerView.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <optional>

class QImage;

class QPainter;

// The words on the felt: a short label with its style's backing, a seat's bet (chips and amount) and
// the pot (collected chips, the pill with the total, the side-pot line), each painted centred on a
// point. Their spoken forms are the stage's.
namespace FeltLabels {

QSizeF labelSize(const TableTheme& theme, const QString& text, TextRole role);
void paintLabel(QPainter& painter, QPointF center, const TableTheme& theme, const QString& text,
                TextRole role);
void paintBet(QPainter& painter, QPointF center, const TableTheme& theme, std::int64_t amount);
void paintPot(QPainter& painter, QPointF center, const TableTheme& theme, const PokerEngine::PlayerView& view,
              bool showsChips);
// The pixel style's box: the outline colour (or `line`) round `fill`, corners left empty.
void paintPixelBox(QPainter& painter, const QRectF& box, const TableTheme& theme, const RGB& fill,
                   std::optional<RGB> line = std::nullopt);

} // namespace FeltLabels

// The page behind every table surface: the style's page colour or dot pattern, then the paper grain.
namespace PageBackground {

void paint(QPainter& painter, const QRectF& page, const TableTheme& theme);
// The grain tile of an appearance, built once per process.
const QImage& paperTile(bool dark);

} // namespace PageBackground
