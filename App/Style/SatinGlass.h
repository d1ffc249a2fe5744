#pragma once

#include "Style/RGB.h"

// The glass face of a satin control that is not filled with the accent colour: the styled buttons
// draw it as a gradient, and the desktop's drop-downs in a form drawn in the game's look take its
// middle as their face, so the two read as one kind of control.
namespace SatinGlass {
// The gradient's stops, top and bottom, laid over whatever the control sits on.
RGB top(bool dark);
RGB bottom(bool dark);
// The gradient laid on `under`, `depth` of the way down the face (0 at the top, 1 at the bottom).
RGB at(bool dark, const RGB& under, double depth);
// The face as one opaque colour over `under`: halfway down the gradient.
RGB face(bool dark, const RGB& under);
// How far down the face a label's letters reach from the top and to the bottom: what a title is read on.
inline constexpr double labelTop = 0.25;
inline constexpr double labelBottom = 0.75;
} // namespace SatinGlass
