#include "Style/PixelDither.h"

#include <algorithm>
#include <cmath>

namespace PixelDither {

int stageLevel(int x, int y, int cols, int rows) {
    const double cx = cols / 2.0;
    const double cy = rows * 0.36;
    const double rx = cols * 0.62;
    const double ry = rows * 0.9;
    const double d = std::min(std::hypot((x - cx) / rx, (y - cy) / ry), 1.0);
    const double v = (1 - d) * 5;
    int level = static_cast<int>(std::floor(v));
    if (threshold(x, y) < v - std::floor(v))
        ++level;
    return std::min(level, 5);
}

} // namespace PixelDither
