#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

#include "BotKit/BotTier.h"
#include "Style/AvatarModel.h"
#include "Style/ChipStacking.h"
#include "Style/TableTheme.h"

class QPainter;

// The pieces the guide's and the term panel's illustrations are put together from, placed by their
// centres. Each piece is drawn by the kit that owns it (stage, chips, avatars, cards, felt), in the
// theme's style.
namespace LearnArt {

// A character's avatar: the name's initial on the cast's backdrop colour, grey without one.
AvatarModel character(const std::string& name, const std::string& slug);

// The columns as a lit chip stack, chips of `radius`, centred at `centre`.
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

// A miniature table with the named bots of a tier around it (each avatar the name in lower case), names
// and empty seats hidden, its felt 0.62 of the width, at most 0.3 of the height and 0.4 down.
void paintSeatedTable(QPainter& painter, const TableTheme& theme, const QRectF& box,
                      const std::vector<std::string>& names, BotKit::BotTier tier);

// Two face-up cards side by side overlapping by `overlap`, the first turned `firstAngle` degrees and the
// second `secondAngle` (clockwise positive), each about its own centre.
void paintPair(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes, QSizeF size,
               QPointF centre, double overlap, double firstAngle, double secondAngle);
// Face-up cards in a row, `spacing` apart, centred at `centre`; `spacing` may be negative.
void paintCardRow(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes,
                  QSizeF size, QPointF centre, double spacing);

// The table's felt of `size`, centred at `centre`.
void paintFelt(QPainter& painter, const TableTheme& theme, QSizeF size, QPointF centre);

} // namespace LearnArt
