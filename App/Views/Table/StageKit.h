#pragma once

#include "Style/TableTheme.h"

#include "PokerEngine/Card.h"

#include <QRectF>

#include <cstdint>
#include <optional>

class QPainter;

// The table kit's pieces as the stage paints them into its one canvas: the felt, the pause shade,
// the empty card places, cards and chip stacks. Each forwards to the kit's own painter, so the stage
// draws exactly what the kit's widgets draw.
namespace StageKit {

void felt(QPainter& painter, const QRectF& table, const TableTheme& theme);
void pausedShade(QPainter& painter, const QRectF& table, const TableTheme& theme);
void cardPlace(QPainter& painter, const QRectF& place, const TableTheme& theme);
void card(QPainter& painter, const QRectF& rect, const TableTheme& theme,
          const std::optional<PokerEngine::Card>& card, bool lifted, bool moving = false);
QSizeF chipsSize(std::int64_t amount, const TableTheme& theme);
// Paints the stack centred on `center`.
void chips(QPainter& painter, QPointF center, const TableTheme& theme, std::int64_t amount, bool lifted);

} // namespace StageKit
