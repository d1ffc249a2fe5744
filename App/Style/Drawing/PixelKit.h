#pragma once

#include <vector>

#include <QPointF>

#include "Style/PixelGeometry.h"
#include "Style/PixelPalette.h"

class QPainter;

// Cell-exact drawing on the pixel grid: `unit` points per cell, from `origin`. A unit below one point
// cannot show a cell, so such a kit draws nothing at all (and never divides by it).
class PixelKit {
  public:
    PixelKit(QPainter& painter, double unit, QPointF origin = {});

    bool canDraw() const { return unit_ >= 1; }
    double unit() const { return unit_; }

    // Fills the cells as one unsmoothed path.
    void fill(const std::vector<CellRect>& cells, const RGB& colour) const;
    // Text in the label face with its top-left font pixel at cell (x, y), each font pixel `scale` cells.
    void label(const QString& text, int x, int y, const RGB& colour, int scale = 1) const;
    // A glyph's lit pixels from cell (x, y).
    void glyph(const PixelGlyph& glyph, int x, int y, const RGB& colour, int scale = 1) const;
    // A bevelled panel over w by h cells from (x, y).
    void panel(int x, int y, int w, int h, const PixelPalette& palette) const;
    // A chamfered button face over columns by rows cells from the origin.
    void bevel(int columns, int rows, bool pressed, const PixelPalette::Bevel& colours,
               const RGB& outline) const;
    // The dotted focus frame over columns by rows cells from the origin.
    void focusRing(int columns, int rows, const RGB& colour) const;

  private:
    QPainter& painter_;
    double unit_;
    QPointF origin_;
};

// Whole cells of `unit` points that fit in `length` points; none when the unit is below one point.
int wholeCells(double length, double unit);
