#include "Table/LogDot.h"

#include "Style/Contrast.h"
#include "Style/LabelColors.h"

namespace {

// The contrast a mark that carries meaning needs against what it sits on.
constexpr double markContrast = 3;
// An edge that carries the dot on its own: wide enough to cover whole pixels of a small dot, and
// drawn as deep as text, since smoothing blends its pixels with the fill and the ground.
constexpr double standingEdge = 1.25;
constexpr double edgeContrast = Contrast::text;

} // namespace

RGB LogDot::ground(bool dark) {
    return LabelColors::window(dark);
}

LogDot LogDot::of(std::optional<RGB> seat, bool dark) {
    const RGB ground = LogDot::ground(dark);
    const RGB ink = dark ? RGB::white : RGB::black;
    if (!seat) {
        // A faint ring of the ink, drawn as deep as it takes to show.
        return {std::nullopt,
                Contrast::readable(Contrast::over(ink.withAlpha(0.25), ground), ground, ink, edgeContrast),
                standingEdge};
    }
    const RGB colour = seat->withAlpha(1);
    if (Contrast::ratio(colour, ground) >= markContrast)
        return {colour, RGB::black.withAlpha(0.12), 0.5};
    return {colour, Contrast::readable(colour, ground, ink, edgeContrast), standingEdge};
}
