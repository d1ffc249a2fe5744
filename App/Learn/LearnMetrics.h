#pragma once

#include "Style/TableTheme.h"

#include <algorithm>

// The measures of the small learning views, decided from the theme without a display.

// Text that may shrink to fit: the share of its size it is drawn at when, `natural` wide at full size,
// it is given only `available`; never below `minimum` (past that it wraps or is cut short).
inline double shrinkToFit(double natural, double available, double minimum) {
    if (natural <= 0 || available >= natural)
        return 1;
    return std::max(minimum, available / natural);
}

// The hand tag chip beside the player's cards: one look in every style, smaller in the popover.
struct HandTagMetrics {
    double titleSize = 14;
    double lineSize = 12.5;
    double pipSize = 7;
    double spacing = 2;
    // Lines wrap rather than widen the chip past the title row or this width.
    static constexpr double lineWidth = 190;
    static constexpr double paddingX = 10;
    static constexpr double paddingTop = 7;
    static constexpr double paddingBottom = 8;
    static constexpr double radius = 10;
    static constexpr double minimumScale = 0.85;

    static HandTagMetrics of(const TableTheme& theme) {
        if (theme.surface == TableSurface::popover) {
            return {12, 11, 6, 1};
        }
        return {};
    }
};

// The practice caption card in place of the action bar.
struct PracticeCaptionMetrics {
    double bodySize = 13;
    double buttonWidth = 140;
    static constexpr double maxBodyWidth = 380;

    static PracticeCaptionMetrics of(const TableTheme& theme) {
        return {theme.surface == TableSurface::popover ? 12.0 : 13.0,
                theme.style == TableStyleID::pixel ? theme.pixelUnit * 60 : 140.0};
    }
};
