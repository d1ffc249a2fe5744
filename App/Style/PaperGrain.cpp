#include "Style/PaperGrain.h"

#include <algorithm>
#include <cmath>

namespace PaperGrain {

double hash(std::uint64_t word) {
    const std::uint64_t h = (word ^ (word >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 65535u) / 65535.0;
}

namespace {

std::int64_t wrap(std::int64_t value, std::int64_t period) {
    const std::int64_t rest = value % period;
    return rest < 0 ? rest + period : rest;
}

double noise(int x, int y) {
    double sum = 0;
    double norm = 0;
    double amplitude = 0.5;
    std::uint64_t seed = 0;
    for (int octave = 0; octave < 4; ++octave) {
        const std::int64_t p = 16LL << octave;
        const double fx = static_cast<double>(p) / tileSize * x;
        const double fy = static_cast<double>(p) / tileSize * y;
        const auto ix = static_cast<std::int64_t>(std::floor(fx));
        const auto iy = static_cast<std::int64_t>(std::floor(fy));
        const double tx = fx - static_cast<double>(ix);
        const double ty = fy - static_cast<double>(iy);
        const auto value = [&](std::int64_t i, std::int64_t j) {
            return hash(seed + 374761393u * static_cast<std::uint64_t>(i) +
                        668265263u * static_cast<std::uint64_t>(j));
        };
        const std::int64_t x0 = wrap(ix, p);
        const std::int64_t x1 = wrap(ix + 1, p);
        const std::int64_t y0 = wrap(iy, p);
        const std::int64_t y1 = wrap(iy + 1, p);
        const double sx = tx * tx * (3 - 2 * tx);
        const double sy = ty * ty * (3 - 2 * ty);
        const double a = value(x0, y0) + sx * (value(x1, y0) - value(x0, y0));
        const double b = value(x0, y1) + sx * (value(x1, y1) - value(x0, y1));
        sum += amplitude * (a + sy * (b - a));
        norm += amplitude;
        amplitude /= 2;
        seed += 2147483647u;
    }
    return sum / norm;
}

} // namespace

std::uint8_t level(int x, int y, bool dark) {
    const double g = (1 - noise(x, y)) * 34;
    const double grey = std::clamp(dark ? g : 255 - g, 0.0, 255.0);
    return static_cast<std::uint8_t>(grey);
}

std::vector<std::uint8_t> levels(bool dark) {
    std::vector<std::uint8_t> tile;
    tile.reserve(static_cast<std::size_t>(tileSize) * tileSize);
    for (int y = 0; y < tileSize; ++y) {
        for (int x = 0; x < tileSize; ++x) {
            tile.push_back(level(x, y, dark));
        }
    }
    return tile;
}

} // namespace PaperGrain

namespace StockDots {

std::vector<Cell> cells(double width, double height, double unit) {
    std::vector<Cell> dots;
    if (!(unit >= 1) || !(width > 0) || !(height > 0)) {
        return dots;
    }
    const int columns = static_cast<int>(width / unit) + 1;
    const int rows = static_cast<int>(height / unit) + 1;
    for (int row = 0; row < rows; row += 4) {
        for (int column = (row / 4) % 2 == 1 ? 2 : 0; column < columns; column += 4) {
            dots.push_back(Cell{column, row});
        }
    }
    return dots;
}

} // namespace StockDots
