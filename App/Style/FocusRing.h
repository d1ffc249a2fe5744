#pragma once

#include <vector>

#include "Style/TableTheme.h"

// The one keyboard focus ring of every control: how it is coloured, how thick it is and how far it
// stands outside what it surrounds. Style/Drawing/FocusRingPainter.h draws it.
namespace FocusRing {

// What a ring must stand out from: a control sits on the theme's stock or on a panel.
inline constexpr double minimumContrast = 3;

struct Look {
    RGB color;
    // The stroke's width; in pixel the ring is dotted cells one unit square instead.
    double width = 2;
    // Between the edge of what the ring surrounds and the middle of its stroke.
    double outset = 3;
    bool dotted = false;
    bool operator==(const Look&) const = default;
};

// The surfaces a control of this theme sits on.
std::vector<RGB> surrounds(const TableTheme& theme);
// The theme's focus colour, darkened on a light theme or lightened on a dark one just enough to stand
// out from every surround.
RGB color(const TableTheme& theme);
Look look(const TableTheme& theme);
// How far the ring's drawing reaches beyond what it surrounds, antialiasing included.
double reach(const TableTheme& theme);

} // namespace FocusRing
