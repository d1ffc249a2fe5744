#pragma once

#include "Style/RGB.h"

// How far apart two colours read, as the web's accessibility guidelines measure it: 1 for the same
// colour up to 21 for black on white. Text wants 4.5 and a focus ring or a control's edge wants 3.
namespace Contrast {

// The colour's light output, 0 for black to 1 for white; the alpha is ignored.
double relativeLuminance(const RGB& colour);
// `top` laid over `under` by its alpha, so a translucent colour is measured as it shows.
RGB over(const RGB& top, const RGB& under);
double ratio(const RGB& first, const RGB& second);

// Body text needs this much; large text (18 pt, or 14 pt bold) 3; text for a reader who asked for
// more contrast 7, the guidelines' enhanced level.
inline constexpr double text = 4.5;
inline constexpr double largeText = 3;
inline constexpr double enhancedText = 7;
// The edge that tells where a control is, against what lies round it.
inline constexpr double boundary = 3;
// Text of `foreground`, its alpha laid on the opaque `background`, against that background.
double textRatio(const RGB& foreground, const RGB& background);
// `colour` moved toward `toward` only as far as it takes to read at `wanted` on `background`;
// unchanged when it already does.
RGB readable(const RGB& colour, const RGB& background, const RGB& toward, double wanted = text);

} // namespace Contrast
