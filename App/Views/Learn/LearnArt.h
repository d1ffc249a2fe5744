#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

#include "BotKit/BotTier.h"
#include "Style/AvatarModel.h"
#include "Style/TableTheme.h"
#include "Table/ChipStacking.h"

class QPainter;

// The pieces the guide's and the term panel's illustrations are put together from, placed by their
// centres. Each piece is drawn by the kit that owns it (stage, chips, avatars, cards, felt), in the
// theme's style.
namespace LearnArt {

// A character's avatar: the name's initial on the cast's backdrop colour, grey without one.
AvatarModel character(const QString& name, const std::string& slug);

// The illustration backdrop over the whole box, its glow at `glowY` of the height.
void paintStage(QPainter& painter, const TableTheme& theme, const QRectF& box, double glowY);
// A lit chip stack of the columns, chips of `radius`, centred at `centre`.
void paintStack(QPainter& painter, const TableTheme& theme, const std::vector<ChipColumn>& columns,
                double radius, QPointF centre);

// A blind tag over a lit stack.
struct Column {
    QString tag;
    std::vector<ChipColumn> chips;
    double radius = 9;
};
// Columns side by side, bottoms aligned, `spacing` apart, centred at `centre`.
void paintTaggedColumns(QPainter& painter, const TableTheme& theme, const std::vector<Column>& columns,
                        QPointF centre, double spacing);

// A miniature table with the named bots of a tier around it, names and empty seats hidden.
void paintSeatedTable(QPainter& painter, const TableTheme& theme, const QRectF& box,
                      const std::vector<std::string>& names, BotKit::BotTier tier);

// Two face-up cards side by side overlapping by `overlap`, the first turned `firstAngle` degrees and the
// second `secondAngle` (clockwise positive), each about its own centre.
void paintPair(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes, QSizeF size,
               QPointF centre, double overlap, double firstAngle, double secondAngle);
// Face-up cards in a row, `spacing` apart, centred at `centre`; `spacing` may be negative.
void paintCardRow(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes,
                  QSizeF size, QPointF centre, double spacing);

// A soft elliptical shadow under an illustration, `width` wide, of `strength` 0 to 1.
void paintFloorShadow(QPainter& painter, const TableTheme& theme, double width, double strength,
                      QPointF centre);
// The table's felt of `size`, centred at `centre`.
void paintFelt(QPainter& painter, const TableTheme& theme, QSizeF size, QPointF centre);

} // namespace LearnArt
