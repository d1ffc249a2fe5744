#pragma once

#include <QColor>

class QWidget;

// The desktop's own colours the guide's tabs draw in (the accent and the label colours), rather than
// the table palette, for a light or dark appearance.
namespace GuideColors {

QColor accent(bool dark);
QColor primary(bool dark);
QColor secondary(bool dark);
// A colour at a share of its own opacity.
QColor faded(QColor colour, double opacity);

// Sets the colour a label's text is drawn in.
void setTextColour(QWidget* label, const QColor& colour);

} // namespace GuideColors
