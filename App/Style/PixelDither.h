#pragma once

#include <array>

// The pixel style's 4 × 4 ordered-dither thresholds: the standard Bayer matrix as (v + 0.5) / 16,
// read as matrix[y & 3][x & 3] for the cell in row y and column x.
namespace PixelDither {

inline constexpr std::array<std::array<double, 4>, 4> matrix = [] {
    constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::array<std::array<double, 4>, 4> thresholds{};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            thresholds[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                (bayer[row][column] + 0.5) / 16;
    return thresholds;
}();

inline double threshold(int x, int y) {
    return matrix[static_cast<std::size_t>(y & 3)][static_cast<std::size_t>(x & 3)];
}

// The ramp step of the pixel backdrop at cell (x, y) of a cols × rows grid: the light falls off from
// (cols / 2, rows × 0.36), dithered between steps; 0 (darkest) to 5.
int stageLevel(int x, int y, int cols, int rows);

} // namespace PixelDither
