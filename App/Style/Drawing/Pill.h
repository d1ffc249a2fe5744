#pragma once

#include <QPainterPath>
#include <QRectF>

// The capsule of the drawn controls: a rectangle whose shorter sides are half circles.
struct Pill {
    // Points removed from every side before the capsule is drawn.
    double inset = 0;

    Pill insetBy(double amount) const { return Pill{inset + amount}; }
    QPainterPath path(const QRectF& rect) const;
    // The corner radius the capsule of `rect` gets: half its shorter side, after the inset.
    double cornerRadius(const QRectF& rect) const;
};
