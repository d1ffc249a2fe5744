#pragma once

#include "Style/RGB.h"

// The desktop's own colours the guide's tabs draw in, rather than the table palette: the accent and
// the label colours, for a light or dark appearance.
namespace GuideInk {

RGB accent(bool dark);
RGB primary(bool dark);
RGB secondary(bool dark);
// What the guide lies on: the window's colour.
RGB ground(bool dark);

} // namespace GuideInk
