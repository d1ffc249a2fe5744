#include "Style/ChipSliderRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ChipSliderRules {

std::int64_t snapped(std::int64_t value, std::int64_t lower, std::int64_t upper, std::int64_t step) {
    upper = std::max(upper, lower);
    if (value >= upper)
        return upper;
    if (value <= lower)
        return lower;
    // Counted as unsigned distances from the lower end, so no range can overflow.
    const std::uint64_t s = static_cast<std::uint64_t>(std::max<std::int64_t>(step, 1));
    const std::uint64_t span = static_cast<std::uint64_t>(upper) - static_cast<std::uint64_t>(lower);
    const std::uint64_t offset = static_cast<std::uint64_t>(value) - static_cast<std::uint64_t>(lower);
    // The nearest grid point, halves going up: (offset + s / 2) / s, without the sum overflowing.
    const std::uint64_t k = offset / s + (offset % s + s / 2) / s;
    if (k > span / s || k * s >= span)
        return upper;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lower) + k * s);
}

std::int64_t atFraction(double fraction, std::int64_t lower, std::int64_t upper, std::int64_t step) {
    upper = std::max(upper, lower);
    const double f = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    const double span = static_cast<double>(upper) - static_cast<double>(lower);
    const double along = std::round(f * span);
    if (along >= span)
        return upper;
    return snapped(lower + static_cast<std::int64_t>(along), lower, upper, step);
}

std::int64_t nudged(std::int64_t value, int steps, std::int64_t lower, std::int64_t upper,
                    std::int64_t step) {
    std::int64_t moved = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(steps), std::max<std::int64_t>(step, 1), &moved) ||
        __builtin_add_overflow(value, moved, &moved))
        moved =
            steps < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    return snapped(moved, lower, upper, step);
}

double fill(std::int64_t value, std::int64_t lower, std::int64_t upper) {
    if (!(lower < upper))
        return 1;
    const double f = (static_cast<double>(value) - static_cast<double>(lower)) /
                     (static_cast<double>(upper) - static_cast<double>(lower));
    return std::clamp(f, 0.0, 1.0);
}

namespace {
constexpr std::array<const char*, 5> thumbSprite{"..OOOOOO..", ".OTTTTTTO.", "OTTIIIITTO", "OSISSISSIO",
                                                 ".OOOOOOOO."};
} // namespace

PixelTrack pixelTrack(int columns, int rows, double fraction, bool focused) {
    PixelTrack pixel;
    if (columns < 1 || rows < 1)
        return pixel;
    const double f = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0);
    const int mid = rows / 2;
    pixel.track.push_back({0, mid - 2, columns, 4});
    const int filled = static_cast<int>(f * (columns - 2));
    if (filled >= 1)
        pixel.fill.push_back({1, mid - 1, filled, 2});
    for (int i = 0; i <= 4; ++i)
        pixel.ticks.push_back({static_cast<int>((columns - 1) * i * 0.25), mid + 3, 1, 2});
    const int tx = static_cast<int>(f * (columns - 10));
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 10; ++c) {
            const CellRect cell{tx + c, mid - 4 + r, 1, 1};
            switch (thumbSprite[r][c]) {
            case '.':
                break;
            case 'O':
                pixel.thumbOutline.push_back(cell);
                break;
            case 'T':
                pixel.thumbGold.push_back(cell);
                break;
            case 'S':
                pixel.thumbShade.push_back(cell);
                break;
            default:
                pixel.thumbLight.push_back(cell);
                break;
            }
        }
    }
    if (focused) {
        const int left = std::max(tx - 2, 0);
        const int right = left + 13;
        const auto even = [](int v) { return v % 2 == 0; };
        for (int x = left; x <= right; ++x)
            if (even(x)) {
                pixel.focus.push_back({x, mid - 6, 1, 1});
                pixel.focus.push_back({x, mid + 2, 1, 1});
            }
        for (int y = mid - 6; y <= mid + 2; ++y)
            if (even(y)) {
                pixel.focus.push_back({left, y, 1, 1});
                pixel.focus.push_back({right, y, 1, 1});
            }
    }
    return pixel;
}

} // namespace ChipSliderRules
