#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Soft drop shadows from our own blur. A shadow image is blurred once per shape, blur, colour and
// pixel ratio and then reused, wherever the shape is drawn: painting never blurs anew.
namespace SoftShadow {

// Paints `shape` (in the painter's coordinates) as a shadow moved by `offset`, blurred by `radius`.
void paint(QPainter& painter, const QPainterPath& shape, double radius, const QColor& color, QPointF offset);

// How far a shadow blurred by `radius` spreads beyond the shape that casts it.
double reach(double radius);
// The rectangle a shadow covers: the shape's bounds moved by `offset` and grown by the reach.
QRectF bounds(const QRectF& shapeBounds, double radius, QPointF offset);

// How many shadow images have been blurred since the process started; tests and benchmarks read it.
std::size_t imagesMade();
// Drops every kept shadow, so a test that counts new images starts from an empty cache whatever ran
// before it.
void forgetAll();

} // namespace SoftShadow
