#pragma once

#include <vector>

#include "Style/PixelFont.h"

// A rectangle of whole cells on a pixel grid: column, row, width and height in cells.
struct CellRect {
    int column = 0;
    int row = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CellRect&) const = default;
};

// The pixel drawings' shapes as lists of cell rectangles, in the order they are painted. The painter
// in Style/Drawing/PixelPainter.h multiplies them by the pixel unit.
namespace PixelGeometry {

// The lit pixels of a glyph with its top-left pixel at (column, row), one rectangle per pixel.
void addGlyph(std::vector<CellRect>& cells, const PixelGlyph& glyph, int column, int row, int scale = 1);
// A whole line of label-face or text-face text from (column, row); returns the cells.
std::vector<CellRect> text(PixelFontFace face, const QString& string, int column, int row, int scale = 1);

enum class BevelPart { outline, fill, highlight, shadow };
struct BevelPiece {
    BevelPart part;
    CellRect cells;
    bool operator==(const BevelPiece&) const = default;
};
// A chamfered button of `columns` by `rows` cells; pressed, the face drops a cell and loses its highlight.
std::vector<BevelPiece> bevel(int columns, int rows, bool pressed);

// The dotted focus frame: a cell at every even position along the four edges.
std::vector<CellRect> focusRing(int columns, int rows);

enum class PanelPart { outline, face, innerLine };
struct PanelPiece {
    PanelPart part;
    CellRect cells;
    bool operator==(const PanelPiece&) const = default;
};
// A bevelled panel covering w by h cells from (x, y); rectangles with no area are left out.
std::vector<PanelPiece> panel(int x, int y, int w, int h);

// A round disc `across` cells wide: the face, the one-cell rim and, for folded or busted seats,
// the checkerboard laid over the face.
struct Disc {
    std::vector<CellRect> face;
    std::vector<CellRect> rim;
    std::vector<CellRect> checkers;
};
Disc disc(int across);

} // namespace PixelGeometry
