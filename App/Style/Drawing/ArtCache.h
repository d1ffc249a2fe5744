#pragma once

#include <functional>

#include <QByteArray>
#include <QMarginsF>
#include <QRectF>

class QImage;
class QPainter;

// Art that looks the same on every frame (avatar discs, chip faces, the dealer disc) is drawn once into
// an image and then copied, which is much cheaper than filling its gradients and anti-aliased shapes
// anew: Qt spreads large fills of that kind over its thread pool. Images are kept per key (everything
// the drawing depends on), device pixel ratio and sub-pixel position, so a copy lands on the same
// pixels as drawing directly would.
namespace ArtCache {

// Draws the art whose frame's top-left corner is the given point.
using Paint = std::function<void(QPainter& painter, QPointF topLeft)>;
// Changes the finished image before it is kept (greying a busted seat, for one).
using Finish = std::function<void(QImage& image)>;

// Draws `paint` at `frame`. `overhang` is how far the art reaches beyond the frame (shadows, an edge).
// Under a transform that scales or turns, the art is drawn directly (or, with a finish, through an
// image that is not kept).
void draw(QPainter& painter, const QByteArray& key, const QRectF& frame, const QMarginsF& overhang,
          const Paint& paint, const Finish& finish = {});

// How the turns of moving art come: each once (a fall, an entrance), or over and over on a few steps
// (a float's sway, drawn on steps of its bob).
enum class Turns { passing, repeating };

// As draw(), for art that turns and scales on every frame (falling and floating chips): under such a
// transform the kept image, drawn upright at the device's pixel ratio, is mapped through it smoothly
// instead of the art being drawn anew. Repeating turns are kept as turned too, and copied upright onto
// whole pixels when they come again: Qt spreads every fill of a turned image over its thread pool,
// which woke all its threads on every frame of a float.
void drawMoving(QPainter& painter, const QByteArray& key, const QRectF& frame, const QMarginsF& overhang,
                const Paint& paint, Turns turns = Turns::passing);

// How far `covered` (what a drawing covers) reaches beyond `frame` on each side; 0 where it does not.
QMarginsF beyond(const QRectF& frame, const QRectF& covered);

// Drops the kept turns of swaying art once it is put away.
void forgetTurns();

// How many images have been drawn since the process started; tests and benchmarks read it.
std::size_t imagesMade();

// Drops every kept image, so a test that counts new images starts from an empty cache whatever ran
// before it.
void forgetAll();

} // namespace ArtCache
