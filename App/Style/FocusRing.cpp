#include "Style/FocusRing.h"

#include <algorithm>
#include <cmath>

#include "Style/Contrast.h"
#include "Style/LabelColors.h"

namespace FocusRing {

namespace {
double weakestContrast(const RGB& ring, const std::vector<RGB>& under) {
    double weakest = 21;
    for (const RGB& surface : under)
        weakest = std::min(weakest, Contrast::ratio(ring, surface));
    return weakest;
}
} // namespace

std::vector<RGB> surrounds(const TableTheme& theme) {
    const RGB stock = theme.color(PaletteToken::stock);
    return {stock, Contrast::over(theme.color(PaletteToken::panelFill), stock),
            // The lobby and its sheets stand on the desktop's window colour in every style.
            LabelColors::window(theme.dark),
            // A ring inside a control crosses its raised face: a chosen segment, a glass button.
            theme.dark ? RGB::bytes(100, 100, 100) : RGB::white};
}

RGB color(const TableTheme& theme) {
    const RGB base = theme.color(PaletteToken::focus).withAlpha(1);
    const std::vector<RGB> under = surrounds(theme);
    const RGB away = theme.dark ? RGB::white : RGB::black;
    // Small steps keep the ring as close to the palette's colour as the contrast allows.
    for (int step = 0; step <= 40; ++step) {
        const RGB ring = base.mixed(away, step / 40.0);
        if (weakestContrast(ring, under) >= minimumContrast)
            return ring;
    }
    return away;
}

Look look(const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::satin:
        return {color(theme), 2.5, 3, false};
    case TableStyleID::paper:
        return {color(theme), 2, 4, false};
    case TableStyleID::pixel:
        return {color(theme), theme.pixelUnit, 2 * theme.pixelUnit, true};
    }
    return {color(theme), 2, 3, false};
}

double reach(const TableTheme& theme) {
    const Look ring = look(theme);
    if (ring.dotted)
        return ring.outset;
    return ring.outset + ring.width / 2 + 0.5;
}

int room(const TableTheme& theme) {
    return static_cast<int>(std::ceil(reach(theme)));
}

QRectF frameAround(const QRectF& target, const QRectF& widget, const TableTheme& theme) {
    const Look ring = look(theme);
    const double edge = ring.dotted ? ring.outset : ring.outset + ring.width / 2;
    return target.adjusted(-edge, -edge, edge, edge).intersected(widget);
}

QRectF frameClearOf(const QRectF& area, const QRectF& bar) {
    QRectF frame = area;
    if (bar.intersects(area)) {
        frame.setRight(std::max(area.left(), bar.left()));
    }
    return frame;
}

} // namespace FocusRing
