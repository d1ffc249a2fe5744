#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QSizeF>
#include <QString>

#include "Style/PixelGeometry.h"
#include "Style/TableSurface.h"

// The measures of the drawn table: the rail of the vector felts, and the cell grid of the pixel felt
// and of the pixel style's paused checkerboard.
namespace FeltGeometry {

// The widest rail of the satin and paper felts: 14 in the window, 10 in the popover.
double railBase(TableSurface surface);
// The satin and paper rail: a tenth of the table's height, at least 3 and at most the base.
double rail(QSizeF size, TableSurface surface);
// How strongly the satin felt's shadows fall: 1, less only for a table under ten rails high.
double lighting(QSizeF size, TableSurface surface);
// How far each paper laminate layer drops below the next: 5 in the window, 3 in the popover.
double laminateStep(TableSurface surface);

// The pixel felt's bitmap in cells. The rail comes from the pixel metrics of the unit and surface,
// which is also what the cache key holds, so one table never caches two felts.
struct PixelFeltSize {
    int width = 0;
    int height = 0;
    int rail = 0;
    bool operator==(const PixelFeltSize&) const = default;
};
PixelFeltSize pixelFeltSize(QSizeF size, double unit, TableSurface surface);
// "220x122r6false": width, height, rail and the dark flag.
QString pixelFeltKey(const PixelFeltSize& size, bool dark);

// The 4 x 4 ordered-dither thresholds, (v + 0.5) / 16.
const std::array<std::array<double, 4>, 4>& bayer();

// What each cell of the pixel felt shows, row by row: outside the table, a rail band (0 lit from
// above to 2), or a cloth shade (0 lightest to 4).
struct PixelFeltCell {
    enum class Kind : std::uint8_t { outside, rail, cloth };
    Kind kind = Kind::outside;
    std::uint8_t shade = 0;
    bool operator==(const PixelFeltCell&) const = default;
};
std::vector<PixelFeltCell> pixelFeltCells(const PixelFeltSize& size);

// The paused pixel table's dark cells: every other cell inside the capsule of whole cells.
std::vector<CellRect> pausedCheckerboard(QSizeF size, double unit);

} // namespace FeltGeometry
