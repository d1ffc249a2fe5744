#pragma once

#include <QRectF>

#include "Style/TableTheme.h"

class QPainter;

// The backdrop every illustration stands on, in the theme's style: a lit satin surface, flat cut
// paper with an amber spot, or a dithered pixel glow. `glowY` places the light as a fraction of the
// height from the top; values outside 0 to 1 are drawn and clipped. Decoration only.
namespace ArtStage {
void paint(QPainter& painter, const QRectF& rect, const TableTheme& theme, double glowY);
}

// The soft shadow under an object standing on the stage, centred on `centre`; `strength` scales its
// opacity. Pixel art casts none.
namespace FloorShadow {
void paint(QPainter& painter, QPointF centre, const TableTheme& theme, double width, double strength);
}
