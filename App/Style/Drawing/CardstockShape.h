#pragma once

#include <optional>

#include <QPainterPath>

#include "Style/RGB.h"

class QPainter;

// A raised piece of card stock: the shape's edge showing below its face, with a soft shadow.
// The paper style draws its buttons, tags, discs and chips this way.
struct CardstockShape {
    RGB face;
    RGB side;
    double thickness = 2;
    double shadowY = 3;
    double shadowBlur = 5;
    bool pressed = false;
    std::optional<RGB> outline;
    // Dark appearance shadows are black; light ones a warm brown.
    bool dark = false;

    // Paints `shape` (at its resting place) as card stock.
    void paint(QPainter& painter, const QPainterPath& shape) const;
};
