#pragma once

#include "Style/ChipDenomination.h"
#include "Style/Drawing/ArtCache.h"

#include <QSizeF>

class QPainter;
class QPointF;

// One casino chip seen from above at an angle, lit from the upper left: a rim with its edge marks, a
// shaded face and a dashed inlay. Always in the satin chip colours, whatever the table style.
// Decoration: the view around it carries any spoken text.
namespace LitChip {

// The chip's frame: (2 r + 4) wide and (2 r squash + thickness + 4) tall, thickness max(0.24 r, 2).
QSizeF frame(double radius, double squash);
double thickness(double radius);
// Paints the chip into its frame placed at `topLeft`.
void paint(QPainter& painter, const QPointF& topLeft, ChipDenomination denomination, double radius,
           double squash);
// The same chip for art that turns and scales it every frame (falling and floating chips): its kept
// image is mapped through the transform rather than the chip being drawn anew at each angle.
void paintMoving(QPainter& painter, const QPointF& topLeft, ChipDenomination denomination, double radius,
                 double squash, ArtCache::Turns turns = ArtCache::Turns::passing);

} // namespace LitChip
