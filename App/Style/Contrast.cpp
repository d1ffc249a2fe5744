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

} // namespace Contrast
