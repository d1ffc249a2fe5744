#pragma once

#include <cstdint>
#include <vector>

// The paper style's grain: a tileable four-octave value noise, the same in every run. Pure.
namespace PaperGrain {

inline constexpr int tileSize = 320;

// The lattice hash, in unsigned 64-bit arithmetic so that its wrap-around is defined; 0 to 1.
double hash(std::uint64_t word);
// The grey level of one tile pixel: near white for the light tile, near black for the dark one.
std::uint8_t level(int x, int y, bool dark);
// The whole tile, row by row, x fastest.
std::vector<std::uint8_t> levels(bool dark);

} // namespace PaperGrain

// The pixel style's page: a dot every fourth cell, every other dotted row shifted by two cells.
namespace StockDots {

struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

// The dotted cells of a page of `width` by `height` points in cells of `unit` points; none for a unit
// below 1, which would otherwise ask for millions of dots.
std::vector<Cell> cells(double width, double height, double unit);

} // namespace StockDots
