#include "Style/Ornaments.h"

#include <algorithm>

#include "Style/SatinPalette.h"

std::array<RGB, 3> chipFaceGradient(ChipDenomination denomination) {
    const RGB top = SatinPalette::chip(denomination).top;
    return {top.mixed(RGB::white, 0.35), top, top.mixed(RGB::black, 0.2)};
}

std::vector<std::array<QPointF, 4>> hatchStripes(const QRectF& rect) {
    std::vector<std::array<QPointF, 4>> stripes;
    const double h = rect.height();
    for (double x = rect.left() - h; x < rect.right(); x += 5)
        stripes.push_back({QPointF(x, rect.bottom()), QPointF(x + 2, rect.bottom()),
                           QPointF(x + 2 + h, rect.top()), QPointF(x + h, rect.top())});
    return stripes;
}

namespace SatinPanelColors {
RGB fill(bool dark) {
    return dark ? RGB{0.17, 0.17, 0.17, 1} : RGB::white;
}
RGB border(bool dark) {
    return dark ? RGB::white.withAlpha(0.14) : RGB::black.withAlpha(0.1);
}
RGB edge(bool dark) {
    return dark ? RGB::white.withAlpha(0.55) : RGB::black.withAlpha(0.55);
}
RGB warning(bool dark) {
    return dark ? RGB::bytes(255, 159, 10) : RGB::bytes(163, 66, 0);
}
} // namespace SatinPanelColors

double tileChipScale(QSizeF pile, QSizeF tile) {
    if (pile.width() <= 0 || pile.height() <= 0) {
        return 1;
    }
    return std::min({1.0, 0.76 * tile.width() / pile.width(), 0.62 * tile.height() / pile.height()});
}
