#pragma once

#include <QRectF>

#include "Style/FocusRing.h"

class QPainter;

// Draws the focus ring of Style/FocusRing.h round a control's outline; every focusable control of
// the program draws its ring through here and no other way.
namespace FocusRingPainter {

enum class Outline { capsule, circle, rounded };

// Rings `around` (the control's face) at the theme's outset, following its outline; a rounded
// outline's corners grow with the outset so the ring stays parallel to the face. The pixel style
// always draws its dotted frame on the grid.
void paint(QPainter& painter, const QRectF& around, const TableTheme& theme,
           Outline outline = Outline::capsule, double cornerRadius = 0);
// The same ring drawn inside `frame`, for a control that keeps no room round its face.
void paintInside(QPainter& painter, const QRectF& frame, const TableTheme& theme,
                 Outline outline = Outline::rounded, double cornerRadius = 0);
// The theme of a view that follows only the desktop's light or dark look.
TableTheme desktopTheme(bool dark);

} // namespace FocusRingPainter
