#pragma once

#include <QColor>

class QWidget;

// The guide's colours (`GuideInk`) as the tabs paint them.
namespace GuideColors {

QColor accent(bool dark);
QColor primary(bool dark);
QColor secondary(bool dark);
// A colour at a share of its own opacity.
QColor faded(QColor colour, double opacity);

// Sets the colour a label's text is drawn in.
void setTextColour(QWidget* label, const QColor& colour);

} // namespace GuideColors
