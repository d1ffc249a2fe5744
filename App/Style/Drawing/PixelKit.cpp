#include "Style/Drawing/PixelKit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Style/Drawing/Colors.h"

int wholeCells(double length, double unit) {
    if (!(unit >= 1) || !(length > 0))
        return 0;
    return static_cast<int>(std::floor(length / unit + 1e-9));
}

PixelKit::PixelKit(QPainter& painter, double unit, QPointF origin)
    : painter_(painter)
    , unit_(unit)
    , origin_(origin) {}

void PixelKit::fill(const std::vector<CellRect>& cells, const RGB& colour) const {
    if (!canDraw() || cells.empty())
        return;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const CellRect& cell : cells)
        path.addRect(origin_.x() + cell.column * unit_, origin_.y() + cell.row * unit_, cell.width * unit_,
                     cell.height * unit_);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.fillPath(path, toQColor(colour));
    painter_.restore();
}

void PixelKit::label(const QString& text, int x, int y, const RGB& colour, int scale) const {
    fill(PixelGeometry::text(PixelFontFace::label, text, x, y, scale), colour);
}

void PixelKit::glyph(const PixelGlyph& glyph, int x, int y, const RGB& colour, int scale) const {
    std::vector<CellRect> cells;
    PixelGeometry::addGlyph(cells, glyph, x, y, scale);
    fill(cells, colour);
}

void PixelKit::panel(int x, int y, int w, int h, const PixelPalette& palette) const {
    const RGB face = palette.dark ? RGB::bytes(62, 44, 74) : PixelPalette::cream();
    const RGB innerLine = palette.dark ? RGB::bytes(122, 102, 128) : RGB::bytes(201, 180, 138);
    for (const auto& piece : PixelGeometry::panel(x, y, w, h)) {
        const RGB& colour = piece.part == PixelGeometry::PanelPart::outline ? palette.outline()
                            : piece.part == PixelGeometry::PanelPart::face  ? face
                                                                            : innerLine;
        fill({piece.cells}, colour);
    }
}

void PixelKit::bevel(int columns, int rows, bool pressed, const PixelPalette::Bevel& colours,
                     const RGB& outline) const {
    for (const auto& piece : PixelGeometry::bevel(columns, rows, pressed)) {
        switch (piece.part) {
        case PixelGeometry::BevelPart::outline:
            fill({piece.cells}, outline);
            break;
        case PixelGeometry::BevelPart::fill:
            fill({piece.cells}, colours.fill);
            break;
        case PixelGeometry::BevelPart::highlight:
            fill({piece.cells}, colours.highlight);
            break;
        case PixelGeometry::BevelPart::shadow:
            fill({piece.cells}, colours.shadow);
            break;
        }
    }
}

void PixelKit::focusRing(int columns, int rows, const RGB& colour) const {
    fill(PixelGeometry::focusRing(columns, rows), colour);
}
