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
    static constexpr double titleGap = 6;
    static constexpr double pipGap = 2;
    static constexpr int pipCount = 5;

    static HandTagMetrics of(const TableTheme& theme) {
        if (theme.surface == TableSurface::popover) {
            return {12, 11, 6, 1};
        }
        return {};
    }

    double pipsWidth() const { return pipCount * pipSize + (pipCount - 1) * pipGap; }
    // Cutting the title short would hide what the tag says: where the title, `titleWidth` wide, and the
    // pips do not fit side by side in `room`, the pips take a row of their own under the title.
    bool pipsBelow(double titleWidth, double room) const {
        return titleWidth + titleGap + pipsWidth() > room + 1;
    }
    // The share of their size the texts are drawn at when the content, `naturalWidth` wide at full size
    // with a title `titleWidth` wide, gets only `room`: all the text shrinks by one share, no further
    // than the minimum, and far enough for a title that has its pips beside it to keep them there (the
    // pips do not shrink). The lines then wrap at the room left.
    double textScale(double naturalWidth, double room, double titleWidth, bool pipsBesideTitle) const {
        if (room >= naturalWidth) {
            return 1;
        }
        const double scale = shrinkToFit(naturalWidth, room, minimumScale);
        if (!pipsBesideTitle || titleWidth <= 0) {
            return scale;
        }
        const double besideTitle = room - titleGap - pipsWidth();
        return std::clamp(std::min(scale, besideTitle / titleWidth), minimumScale, 1.0);
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

    // Where the content, `contentHeight` high, starts in a card `cardHeight` high: the buttons stand on
    // the card's bottom edge and the text grows upwards from them, so "Got It" stays under a player's
    // pointer from one step to the next however long each explanation is.
    static double contentTop(double cardHeight, double contentHeight) {
        return std::max(0.0, cardHeight - contentHeight);
    }
};
