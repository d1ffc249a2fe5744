#pragma once

#include <cstdint>
#include <vector>

#include <QPointF>
#include <QSizeF>

#include "Style/ChipStacking.h"
#include "Style/PixelGeometry.h"
#include "Style/TableTheme.h"

// How a drawn chip stack is laid out in each style: satin and paper stand chips as small cylinders
// seen from above at an angle, pixel stacks a ten-by-five sprite two cells at a time.
namespace ChipStackGeometry {

struct Limits {
    int perColumn = 0;
    int columns = 0;
    // Satin and paper only: the chip's width, the height each chip adds, and the gap between columns.
    double diameter = 0;
    double pitch = 0;
    double gap = 0;
    bool operator==(const Limits&) const = default;
};
Limits limits(const TableTheme& theme);
// The height of a chip's top ellipse over its diameter: paper 0.44, satin 0.35.
double faceRatio(TableStyleID style);

std::vector<ChipColumn> columns(std::int64_t amount, const TableTheme& theme);
// The drawing's size: zero with no columns.
QSizeF size(std::int64_t amount, const TableTheme& theme);
QSizeF size(const std::vector<ChipColumn>& columns, const TableTheme& theme);

// One satin or paper chip: the top-left of its top ellipse's frame, bottom chip first in each column.
struct Cylinder {
    ChipDenomination denomination = ChipDenomination::d1;
    QPointF origin;
    // The column's top chip, which carries the ring.
    bool isTop = false;
    bool operator==(const Cylinder&) const = default;
};
std::vector<Cylinder> cylinders(const std::vector<ChipColumn>& columns, const TableTheme& theme,
                                double height);

// The pixel stack's cells, gathered by what colours them, in painting order.
enum class PixelRole : std::uint8_t { shadow, outline, top, side, inlay };
struct PixelPiece {
    PixelRole role = PixelRole::outline;
    // The chip colours' denomination (not used by the shadow and the outline).
    ChipDenomination denomination = ChipDenomination::d1;
    std::vector<CellRect> cells;
};
// `rows` is the canvas height in cells.
std::vector<PixelPiece> pixelPieces(const std::vector<ChipColumn>& columns, int rows);

} // namespace ChipStackGeometry
