#pragma once

#include <array>

// Where a table is shown: the small tray popover or the full table window.
enum class TableSurface { popover, window };

inline constexpr std::array<TableSurface, 2> allTableSurfaces{TableSurface::popover, TableSurface::window};
