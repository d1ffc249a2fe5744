#pragma once

#include "Style/ChipStacking.h"

#include <QPointF>
#include <QSizeF>

#include <vector>

class QPainter;

// Columns of lit chips side by side, bottoms aligned, on a soft contact shadow: the satin look of a
// pile of chips in the illustrations. Always the satin chip colours; `dark` deepens the shadow.
// Decoration: the view around it carries any spoken text.
namespace LitStack {

// The frame the columns take, chips of `radius`: (2 r + 4) per column with (0.3 r − 4) between, and the
// tallest column's height. Callers pass at least one column.
QSizeF size(const std::vector<ChipColumn>& columns, double radius);
// Paints the columns into their frame placed at `topLeft`.
void paint(QPainter& painter, const QPointF& topLeft, const std::vector<ChipColumn>& columns, double radius,
           bool dark);

} // namespace LitStack
