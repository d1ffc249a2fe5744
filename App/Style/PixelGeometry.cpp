#include "Style/PixelGeometry.h"

namespace PixelGeometry {

void addGlyph(std::vector<CellRect>& cells, const PixelGlyph& glyph, int column, int row, int scale) {
    for (int r = 0; r < static_cast<int>(glyph.size()); ++r)
        for (int c = 0; c < static_cast<int>(glyph[r].size()); ++c)
            if (glyph[r][c] == '#')
                cells.push_back({column + c * scale, row + r * scale, scale, scale});
}

std::vector<CellRect> text(PixelFontFace face, const QString& string, int column, int row, int scale) {
    std::vector<CellRect> cells;
    int pen = column;
    for (char32_t character : PixelFont::displayed(face, string).toUcs4()) {
        if (character == U' ') {
            pen += 3 * scale;
            continue;
        }
        const PixelGlyph& glyph = PixelFont::glyph(face, character);
        addGlyph(cells, glyph, pen, row, scale);
        pen += (static_cast<int>(glyph.front().size()) + 1) * scale;
    }
    return cells;
}

std::vector<BevelPiece> bevel(int columns, int rows, bool pressed) {
    std::vector<BevelPiece> pieces;
    const int C = columns;
    const int R = rows;
    const int inner = C - 2;
    if (!pressed) {
        if (inner >= 1 && R > 0)
            pieces.push_back({BevelPart::outline, {1, 0, inner, R}});
        if (C >= 1 && R - 2 >= 1)
            pieces.push_back({BevelPart::outline, {0, 1, C, R - 2}});
        if (inner < 1)
            return pieces;
        if (R - 2 >= 1)
            pieces.push_back({BevelPart::fill, {1, 1, inner, R - 2}});
        pieces.push_back({BevelPart::highlight, {1, 1, inner, 1}});
        pieces.push_back({BevelPart::shadow, {1, R - 3, inner, 2}});
        return pieces;
    }
    if (inner >= 1 && R - 1 > 0)
        pieces.push_back({BevelPart::outline, {1, 1, inner, R - 1}});
    if (C >= 1 && R - 3 >= 1)
        pieces.push_back({BevelPart::outline, {0, 2, C, R - 3}});
    if (inner < 1)
        return pieces;
    if (R - 3 >= 1)
        pieces.push_back({BevelPart::fill, {1, 2, inner, R - 3}});
    pieces.push_back({BevelPart::shadow, {1, R - 2, inner, 1}});
    return pieces;
}

std::vector<CellRect> focusRing(int columns, int rows) {
    std::vector<CellRect> cells;
    for (int x = 0; x < columns; x += 2) {
        cells.push_back({x, 0, 1, 1});
        cells.push_back({x, rows - 1, 1, 1});
    }
    for (int y = 0; y < rows; y += 2) {
        cells.push_back({0, y, 1, 1});
        cells.push_back({columns - 1, y, 1, 1});
    }
    return cells;
}

std::vector<PanelPiece> panel(int x, int y, int w, int h) {
    std::vector<PanelPiece> pieces;
    auto add = [&pieces](PanelPart part, CellRect cells) {
        if (cells.width > 0 && cells.height > 0)
            pieces.push_back({part, cells});
    };
    add(PanelPart::outline, {x + 1, y, w - 2, h});
    add(PanelPart::outline, {x, y + 1, w, h - 2});
    add(PanelPart::face, {x + 1, y + 1, w - 2, h - 2});
    add(PanelPart::innerLine, {x + 1, y + 1, w - 2, 1});
    add(PanelPart::innerLine, {x + 1, y + h - 2, w - 2, 1});
    add(PanelPart::innerLine, {x + 1, y + 1, 1, h - 2});
    add(PanelPart::innerLine, {x + w - 2, y + 1, 1, h - 2});
    return pieces;
}

Disc disc(int across) {
    Disc disc;
    const double r = across / 2.0;
    for (int row = 0; row < across; ++row)
        for (int column = 0; column < across; ++column) {
            const double dx = column + 0.5 - r;
            const double dy = row + 0.5 - r;
            const double distance = dx * dx + dy * dy;
            if (distance > r * r)
                continue;
            const CellRect cell{column, row, 1, 1};
            if (distance <= (r - 1) * (r - 1))
                disc.face.push_back(cell);
            else
                disc.rim.push_back(cell);
            if ((column + row) % 2 == 1 && distance < (r - 1) * (r - 1))
                disc.checkers.push_back(cell);
        }
    return disc;
}

} // namespace PixelGeometry
