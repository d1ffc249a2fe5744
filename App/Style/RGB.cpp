#include "Style/RGB.h"

#include <functional>

namespace {
// Adding 0.0 turns -0 into +0, so the two equal zeros hash alike.
std::size_t hashComponent(double value) {
    return std::hash<double>{}(value + 0.0);
}
} // namespace

std::size_t std::hash<RGB>::operator()(const RGB& colour) const noexcept {
    std::size_t seed = 0;
    for (double component : {colour.red, colour.green, colour.blue, colour.alpha})
        seed ^= hashComponent(component) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}
