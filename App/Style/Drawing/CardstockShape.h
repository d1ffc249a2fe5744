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
    // What the painting covers for a shape with these bounds: the edge and the shadow reach below and
    // beside it.
    QRectF bounds(const QRectF& shapeBounds) const;

  private:
    // The shadow is cast by the edge; from the face's resting place it lies `shadowY` below and
    // 0.3 `shadowY` to the right.
    double shadowRadius() const { return shadowBlur * 0.5; }
    QPointF shadowOffset() const { return {shadowY * 0.3, shadowY - thickness}; }
};
