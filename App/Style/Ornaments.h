#pragma once

#include <array>
#include <vector>

#include <QPointF>
#include <QRectF>

#include "Style/ChipDenomination.h"
#include "Style/RGB.h"

// Measurements of one casino chip of diameter d; every size is a share of d.
struct ChipFaceGeometry {
    double diameter = 0;

    double edgeDrop() const { return 0.05 * diameter; }
    double inlayInset() const { return 0.19 * diameter; }
    double inlayLineWidth() const { return 0.065 * diameter; }
    double inlayDash() const { return 0.14 * diameter; }
    double inlayGap() const { return 0.107 * diameter; }
    double gradientEndRadius() const { return 0.6 * diameter; }
    static QPointF gradientCentre() { return {0.38, 0.30}; }
    double shadowBlur() const { return 0.06 * diameter; }
    double shadowOffsetY() const { return 0.06 * diameter; }
    static constexpr double rimInset = 0.4;
    static constexpr double rimLineWidth = 0.8;
    static constexpr double inlayOpacity = 0.9;
    static constexpr double shadowOpacity = 0.25;
    // A chip this dark (the black 100) gets a light outline, or it vanishes on a dark card.
    static constexpr bool needsOutline(const RGB& top) { return top.luma() < 0.25; }
};

// How much smaller a lobby icon tile draws its pile of chips: none while the pile keeps clear of the
// tile's rounded edge (within 76 % of its width and 62 % of its height), else just enough to.
double tileChipScale(QSizeF pile, QSizeF tile);

// The chip face's three gradient stops from light to dark, in the satin chip colours of the denomination.
std::array<RGB, 3> chipFaceGradient(ChipDenomination denomination);

// Parallel stripes leaning right at 45 degrees, 2 wide and 5 apart, anchored to the rectangle's left edge.
// Each stripe is its four corners; the stripes reach past the rectangle and the user clips them.
std::vector<std::array<QPointF, 4>> hatchStripes(const QRectF& rect);

// The satin card look's colours, for a dark or light system appearance.
namespace SatinPanelColors {
RGB fill(bool dark);
RGB border(bool dark);
// The border under increased contrast.
RGB edge(bool dark);
RGB warning(bool dark);
} // namespace SatinPanelColors
