#include "Style/Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double relativeLuminance(const RGB& colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

RGB over(const RGB& top, const RGB& under) {
    return under.mixed(top.withAlpha(1), top.alpha).withAlpha(1);
}

double ratio(const RGB& first, const RGB& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double textRatio(const RGB& foreground, const RGB& background) {
    return ratio(over(foreground, background), background);
}

RGB readable(const RGB& colour, const RGB& background, const RGB& toward, double wanted) {
    if (textRatio(colour, background) >= wanted) {
        return colour;
    }
    // A little beyond the mark, so rounding to the screen's 8-bit channels cannot pull it under.
    wanted += 0.02;
    // The ratio grows steadily along the way to a target that reads, so halving finds the nearest.
    double low = 0;
    double high = 1;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        (textRatio(colour.mixed(toward, middle), background) >= wanted ? high : low) = middle;
    }
    return colour.mixed(toward, high);
}

} // namespace Contrast
