#pragma once

#include <functional>

#include <QMarginsF>
#include <QRectF>

#include "Style/ControlKind.h"
#include "Style/Drawing/CardstockShape.h"

class QAbstractButton;
class QKeyEvent;
class QPainter;

// How the styled buttons draw their faces. Each routine paints the face in `face` and calls `label`
// with the rectangle the label belongs in (moved with the press).
namespace ButtonFaces {

using LabelPainter = std::function<void(QPainter&, const QRectF&)>;

struct State {
    bool pressed = false;
    bool focused = false;
    // How far a paper press has gone, 0 at rest and 1 fully down; it eases between the two.
    double pressDepth = 0;
};

// How far a text button's drawing reaches beyond its face on each side, pressed or not: its shadow
// and its focus ring.
QMarginsF reach(const TableTheme& theme, ControlSize size);
// How far a focus ring reaches beyond the face it surrounds.
double focusReach(const TableTheme& theme);
// A paper text button's card stock, `press` of the way down (0 at rest, 1 fully down).
CardstockShape paperStock(ControlKind kind, ControlSize size, const TableTheme& theme, double press);

// Satin: a glass capsule; confirm and the chosen preset are filled with the accent colour.
void satin(QPainter& painter, const QRectF& face, ControlKind kind, const TableTheme& theme,
           const State& state, const LabelPainter& label);
// Paper: a card-stock capsule that sinks when pressed.
void paper(QPainter& painter, const QRectF& face, ControlKind kind, ControlSize size, const TableTheme& theme,
           const State& state, const LabelPainter& label);
// Pixel: a chamfered bevel on the grid, with a dotted gold focus frame.
void pixel(QPainter& painter, const QRectF& face, ControlKind kind, const TableTheme& theme,
           const State& state, const LabelPainter& label);

// Return and Enter press a focused button as Space does; true when the key was one of them.
bool pressOnReturn(QAbstractButton& button, QKeyEvent& event);

} // namespace ButtonFaces
