#pragma once

#include <vector>

#include <QRectF>

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
// The whole points a control keeps free round what takes its click, so its ring is never cut off.
int room(const TableTheme& theme);
// The frame a ring drawn inside it needs to stand round `target` at the theme's outset, kept within
// `widget`, the rectangle it is painted in: a choice's ring goes round its box and its title, the part
// that takes the click, not along the whole row the control spans.
QRectF frameAround(const QRectF& target, const QRectF& widget, const TableTheme& theme);
// The frame a ring drawn inside `area` needs to stay clear of a scroll bar `bar` standing in it at its
// right edge: the part of the area left of the bar, so the ring goes round what scrolls and
// neither crosses the bar's arrows nor hides under them. Without a bar in the area, the area itself.
QRectF frameClearOf(const QRectF& area, const QRectF& bar);

} // namespace FocusRing
