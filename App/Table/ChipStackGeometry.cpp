#include "Table/ChipStackGeometry.h"

#include <algorithm>
#include <array>
#include <map>

#include "Table/TableMetrics.h"

namespace ChipStackGeometry {

namespace {

TableMetrics metricsFor(const TableTheme& theme) {
    if (theme.style == TableStyleID::pixel)
        return TableMetrics::pixel(theme.pixelUnit, theme.surface);
    return theme.surface == TableSurface::window ? TableMetrics::satinWindow() : TableMetrics::satinPopover();
}

int tallest(const std::vector<ChipColumn>& columns) {
    int most = 0;
    for (const ChipColumn& column : columns)
        most = std::max(most, column.count);
    return most;
}

} // namespace

Limits limits(const TableTheme& theme) {
    const TableMetrics metrics = metricsFor(theme);
    return {metrics.chipsPerColumn, metrics.chipColumns, metrics.chipDiameter, metrics.chipPitch,
            metrics.chipColumnGap};
}

double faceRatio(TableStyleID style) {
    return style == TableStyleID::paper ? 0.44 : 0.35;
}

std::vector<ChipColumn> columns(std::int64_t amount, const TableTheme& theme) {
    const Limits limit = limits(theme);
    return ChipStacking::columns(amount, std::max(limit.perColumn, 1), std::max(limit.columns, 1));
}

QSizeF size(const std::vector<ChipColumn>& columns, const TableTheme& theme) {
    if (columns.empty())
        return {0, 0};
    const double n = static_cast<double>(columns.size());
    const double t = tallest(columns);
    if (theme.style == TableStyleID::pixel) {
        const double u = theme.pixelUnit;
        return {u * (11 * n - 1), u * (2 * t + 4)};
    }
    const Limits limit = limits(theme);
    return {limit.diameter * n + limit.gap * (n - 1),
            limit.diameter * faceRatio(theme.style) + limit.pitch * t};
}

QSizeF size(std::int64_t amount, const TableTheme& theme) {
    return size(columns(amount, theme), theme);
}

std::vector<Cylinder> cylinders(const std::vector<ChipColumn>& columns, const TableTheme& theme,
                                double height) {
    const Limits limit = limits(theme);
    const double e = limit.diameter * faceRatio(theme.style);
    std::vector<Cylinder> chips;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const double x = static_cast<double>(c) * (limit.diameter + limit.gap);
        for (int k = 1; k <= columns[c].count; ++k)
            chips.push_back(
                {columns[c].denomination, QPointF(x, height - e - limit.pitch * k), k == columns[c].count});
    }
    return chips;
}

namespace {

// The chip sprite, top row first: O outline, T top, S side, I inlay.
constexpr std::array<const char*, 5> sprite{"..OOOOOO..", ".OTTTTTTO.", "OTTTTTTTTO", "OSISSISSIO",
                                            ".OOOOOOOO."};

PixelRole roleOf(char symbol) {
    switch (symbol) {
    case 'O':
        return PixelRole::outline;
    case 'T':
        return PixelRole::top;
    case 'S':
        return PixelRole::side;
    default:
        return PixelRole::inlay;
    }
}

} // namespace

std::vector<PixelPiece> pixelPieces(const std::vector<ChipColumn>& columns, int rows) {
    std::vector<PixelPiece> pieces;
    PixelPiece shadow{PixelRole::shadow, ChipDenomination::d1, {}};
    for (std::size_t c = 0; c < columns.size(); ++c)
        shadow.cells.push_back({11 * static_cast<int>(c) + 1, rows - 1, 9, 1});
    if (!shadow.cells.empty())
        pieces.push_back(std::move(shadow));
    // Chips overlap the one below, so each column is laid out cell by cell, upper chips winning,
    // and then gathered by colour.
    std::map<std::pair<int, int>, std::pair<PixelRole, ChipDenomination>> grid;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ChipColumn& column = columns[c];
        const int left = 11 * static_cast<int>(c);
        for (int k = 0; k < column.count; ++k) {
            const int top = rows - 6 - 2 * k;
            for (int r = 0; r < 5; ++r)
                for (int x = 0; x < 10; ++x)
                    if (sprite[r][x] != '.')
                        grid[{top + r, left + x}] = {roleOf(sprite[r][x]), column.denomination};
        }
        const int markRow = rows - 2 * column.count - 3;
        for (int x = 4; x < 6; ++x)
            grid[{markRow, left + x}] = {PixelRole::inlay, column.denomination};
    }
    std::map<std::pair<PixelRole, ChipDenomination>, std::vector<CellRect>> gathered;
    for (const auto& [cell, colour] : grid) {
        const auto key =
            colour.first == PixelRole::outline ? std::pair{PixelRole::outline, ChipDenomination::d1} : colour;
        gathered[key].push_back({cell.second, cell.first, 1, 1});
    }
    for (auto& [key, cells] : gathered)
        pieces.push_back({key.first, key.second, std::move(cells)});
    return pieces;
}

} // namespace ChipStackGeometry
