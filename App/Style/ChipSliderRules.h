#pragma once

#include <cstdint>
#include <vector>

#include "Style/PixelGeometry.h"

// The rules of the bet-size slider: every value it writes lies on a grid of `step` counted from the
// lower end, and both ends are always reachable. A step below 1 counts as 1; an upper end below the
// lower counts as the lower.
namespace ChipSliderRules {

std::int64_t snapped(std::int64_t value, std::int64_t lower, std::int64_t upper, std::int64_t step);
// The value under the pointer at `fraction` of the track's width (clamped to 0...1).
std::int64_t atFraction(double fraction, std::int64_t lower, std::int64_t upper, std::int64_t step);
// `steps` whole steps up (or down, when negative) from `value`.
std::int64_t nudged(std::int64_t value, int steps, std::int64_t lower, std::int64_t upper, std::int64_t step);
// How much of the track is filled: 0 at the lower end, 1 at the upper (and for a one-point range).
double fill(std::int64_t value, std::int64_t lower, std::int64_t upper);

// The pixel track on a grid of `columns` by `rows` cells, each list filled in one colour.
struct PixelTrack {
    std::vector<CellRect> track;
    std::vector<CellRect> fill;
    std::vector<CellRect> ticks;
    // The thumb sprite by colour: outline, gold face, shaded side, light inlay.
    std::vector<CellRect> thumbOutline;
    std::vector<CellRect> thumbGold;
    std::vector<CellRect> thumbShade;
    std::vector<CellRect> thumbLight;
    // The dotted frame round the thumb while the slider has keyboard focus.
    std::vector<CellRect> focus;
};
PixelTrack pixelTrack(int columns, int rows, double fraction, bool focused);

} // namespace ChipSliderRules
