#include "Table/FeltGeometry.h"

#include <algorithm>
#include <cmath>

#include "Table/TableMetrics.h"

namespace FeltGeometry {

double railBase(TableSurface surface) {
    return surface == TableSurface::window ? 14 : 10;
}

double rail(QSizeF size, TableSurface surface) {
    return std::min(std::max(0.1 * size.height(), 3.0), railBase(surface));
}

double lighting(QSizeF size, TableSurface surface) {
    return rail(size, surface) / railBase(surface);
}

double laminateStep(TableSurface surface) {
    return surface == TableSurface::window ? 5 : 3;
}

PixelFeltSize pixelFeltSize(QSizeF size, double unit, TableSurface surface) {
    if (!(unit >= 1) || !std::isfinite(size.width()) || !std::isfinite(size.height()))
        return {};
    const auto cells = [unit](double length) {
        return static_cast<int>(std::lround(std::max(length, 0.0) / unit));
    };
    return {cells(size.width()), cells(size.height()), cells(TableMetrics::pixel(unit, surface).railWidth)};
}

QString pixelFeltKey(const PixelFeltSize& size, bool dark) {
    return QStringLiteral("%1x%2r%3%4")
        .arg(size.width)
        .arg(size.height)
        .arg(size.rail)
        .arg(dark ? QStringLiteral("true") : QStringLiteral("false"));
}

const std::array<std::array<double, 4>, 4>& bayer() {
    static const std::array<std::array<double, 4>, 4> matrix = [] {
        constexpr int order[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        std::array<std::array<double, 4>, 4> thresholds{};
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                thresholds[y][x] = (order[y][x] + 0.5) / 16;
        return thresholds;
    }();
    return matrix;
}

namespace {

// A capsule lying on its side: rows [top, top + height), columns [left, left + width), with round caps of
// radius height / 2 centred on the middle row `middle`.
struct Capsule {
    double left;
    double top;
    double width;
    double height;
    double middle;

    bool contains(int x, int y) const {
        if (!(y >= top && y < top + height))
            return false;
        const double radius = height / 2;
        const double leftCap = left + radius;
        const double rightCap = left + width - radius;
        const double cx = x + 0.5;
        if (cx >= leftCap && cx <= rightCap)
            return x >= left && x < left + width;
        const double capX = cx < leftCap ? leftCap : rightCap;
        const double dx = capX - cx;
        const double dy = middle - (y + 0.5);
        return dx * dx + dy * dy <= radius * radius;
    }
};

bool insideOuter(int x, int y, int W, int H) {
    const double r = H / 2.0;
    const double cx = x + 0.5;
    if (cx >= r && cx < W - r)
        return true;
    const double capX = cx < r ? r : W - r;
    const double dx = capX - cx;
    const double dy = r - (y + 0.5);
    return dx * dx + dy * dy <= r * r;
}

} // namespace

std::vector<PixelFeltCell> pixelFeltCells(const PixelFeltSize& size) {
    const int W = std::max(size.width, 0);
    const int H = std::max(size.height, 0);
    const int R = std::max(size.rail, 0);
    std::vector<PixelFeltCell> cells(static_cast<std::size_t>(W) * H);
    const double middle = H / 2.0;
    const Capsule cloth{double(R), double(R), double(W - 2 * R), double(H - 2 * R), middle};
    const Capsule band{double(R + 2), double(R + 2), double(W - 2 * R - 4), double(H - 2 * R - 4), middle};
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!insideOuter(x, y, W, H))
                continue;
            PixelFeltCell& cell = cells[static_cast<std::size_t>(y) * W + x];
            if (!cloth.contains(x, y)) {
                const double down = static_cast<double>(y) / H;
                cell = {PixelFeltCell::Kind::rail, static_cast<std::uint8_t>(down < 0.3    ? 0
                                                                             : down < 0.72 ? 1
                                                                                           : 2)};
                continue;
            }
            // Lightest a little above the middle, darkening outwards in dithered steps; a darker ring
            // just inside the rail.
            double level = 3.6;
            if (band.contains(x, y)) {
                const double ty = (y - 0.28 * H) / (0.95 * H);
                const double tx = (x - W / 2.0) / (0.55 * W);
                level = 3.2 * std::min(std::sqrt(tx * tx + ty * ty), 1.0);
            }
            const double whole = std::floor(level);
            int shade = static_cast<int>(whole) + (bayer()[y % 4][x % 4] < level - whole ? 1 : 0);
            cell = {PixelFeltCell::Kind::cloth, static_cast<std::uint8_t>(std::min(shade, 4))};
        }
    }
    return cells;
}

std::vector<CellRect> pausedCheckerboard(QSizeF size, double unit) {
    std::vector<CellRect> cells;
    if (!(unit >= 1) || !(size.width() > 0) || !(size.height() > 0) ||
        !std::isfinite(size.width() + size.height()))
        return cells;
    const int rows = static_cast<int>(std::floor(size.height() / unit));
    const int columns = static_cast<int>(std::floor(size.width() / unit));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if ((x + y) % 2 == 0 && insideOuter(x, y, columns, rows))
                cells.push_back({x, y, 1, 1});
    return cells;
}

} // namespace FeltGeometry
