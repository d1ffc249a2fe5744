#include "Learn/StartersChart.h"

#include "Learn/GuideInk.h"
#include "Learn/HandNames.h"
#include "Style/Contrast.h"
#include "Style/Ornaments.h"

#include <algorithm>
#include <cmath>

namespace StartersChart {

namespace {
// The grid's 2 pt padding on each side and its twelve 1.5 pt gaps.
constexpr double gridMargins = 2 * 2 + (chartSide - 1) * 1.5;

// A band's look as the desktop's colours give it; the borders only where more contrast is asked for
// (and the 0.5 pt edge of the folded hands).
BandLook standardLook(StartingBand band, bool dark, bool increasedContrast) {
    const RGB accent = GuideInk::accent(dark);
    const auto tint = [&](double fill, double border) {
        return BandLook{accent.withAlpha(fill), accent.withAlpha(border), increasedContrast ? 1.0 : 0.0,
                        GuideInk::primary(dark)};
    };
    switch (band) {
    case StartingBand::great:
        return BandLook{accent, accent, increasedContrast ? 1.0 : 0.0, dark ? RGB::black : RGB::white};
    case StartingBand::good:
        return tint(0.55, 0.85);
    case StartingBand::playable:
        return tint(0.28, 0.65);
    case StartingBand::risky:
        return tint(0.11, 0.5);
    case StartingBand::fold:
        break;
    }
    const RGB secondary = GuideInk::secondary(dark);
    return BandLook{SatinPanelColors::fill(dark),
                    increasedContrast ? secondary : SatinPanelColors::border(dark),
                    increasedContrast ? 1.0 : 0.5, secondary};
}

// The end of the scale a label lies toward: black for a dark label, white for a light one.
RGB labelEnd(const RGB& label) {
    return label.luma() > 0.5 ? RGB::white : RGB::black;
}

// The labels are small and drawn smoothed: the inkiest pixel of their thinnest strokes stands less far
// from the cell than the ink itself. The ink aims this much above the mark, so the label as drawn
// still reaches it.
double aimFor(double wanted) {
    return wanted * labelSmoothing;
}

// The standard looks keep their tints; where a label's colour falls short on its cell, the label takes
// whichever of black or white reads better.
BandLook legible(BandLook look) {
    if (Contrast::textRatio(look.label, look.fill) >= aimFor(Contrast::text)) {
        return look;
    }
    const double black = Contrast::ratio(RGB::black, look.fill);
    const double white = Contrast::ratio(RGB::white, look.fill);
    look.label = black >= white ? RGB::black : RGB::white;
    return look;
}

// For a reader who asked for more contrast: the label goes all the way to its own end (black or
// white), and where even that falls short of 7:1 as drawn, the cell moves away from it as far as it must.
BandLook enhanced(BandLook look) {
    look.label = labelEnd(look.label);
    look.fill = Contrast::readable(look.fill, look.label, look.label == RGB::white ? RGB::black : RGB::white,
                                   aimFor(Contrast::enhancedText));
    return look;
}
} // namespace

QString bandName(StartingBand band) {
    switch (band) {
    case StartingBand::great:
        return QStringLiteral("Great");
    case StartingBand::good:
        return QStringLiteral("Good");
    case StartingBand::playable:
        return QStringLiteral("Playable");
    case StartingBand::risky:
        return QStringLiteral("Risky");
    case StartingBand::fold:
        break;
    }
    return QStringLiteral("Usually fold");
}

QString cellSpoken(const BotKit::StartingHand& hand) {
    return spokenName(hand) + QStringLiteral(", ") + bandName(startingBand(hand)).toLower();
}

BotKit::StartingHand move(std::optional<BotKit::StartingHand> selected,
                          std::optional<BotKit::StartingHand> current, Arrow arrow) {
    const BotKit::StartingHand start = selected ? *selected : current ? *current : chartCell(0, 0);
    ChartPosition at = chartPosition(start);
    switch (arrow) {
    case Arrow::left:
        --at.column;
        break;
    case Arrow::right:
        ++at.column;
        break;
    case Arrow::up:
        --at.row;
        break;
    case Arrow::down:
        ++at.row;
        break;
    }
    return chartCell(std::clamp(at.row, 0, chartSide - 1), std::clamp(at.column, 0, chartSide - 1));
}

std::optional<BotKit::StartingHand> selectionWhenCardsArrive(std::optional<BotKit::StartingHand> selected,
                                                             std::optional<BotKit::StartingHand> current) {
    return selected ? selected : current;
}

double labelSize(double chartWidth) {
    return std::clamp(std::floor((cellSide(chartWidth) - 3) / 1.9), double(smallestLabel),
                      double(largestLabel));
}

double cellSide(double chartWidth) {
    return std::max((chartWidth - gridMargins) / chartSide, 0.0);
}

bool labelInside(double cellSide, QSizeF label) {
    return std::max(label.width(), label.height()) + 2 * labelInset <= cellSide;
}

double narrowestChart(const LabelMeasures& measures) {
    const QSizeF smallest = measures.front();
    return std::ceil(chartSide * (std::max(smallest.width(), smallest.height()) + 2 * labelInset) +
                     gridMargins);
}

int labelPixels(double chartWidth, const LabelMeasures& measures) {
    const double side = cellSide(chartWidth);
    for (int size = static_cast<int>(labelSize(chartWidth)); size > smallestLabel; --size) {
        if (labelInside(side, measures[static_cast<std::size_t>(size - smallestLabel)])) {
            return size;
        }
    }
    return smallestLabel;
}

BandLook bandLook(StartingBand band, bool dark, bool increasedContrast) {
    BandLook look = standardLook(band, dark, increasedContrast);
    // Every cell is opaque, laid on the guide's ground: it shows the same, and its label reads as
    // measured, on whatever the guide lies on.
    look.fill = Contrast::over(look.fill, GuideInk::ground(dark));
    return increasedContrast ? enhanced(look) : legible(look);
}

std::optional<Detail> detail(std::optional<BotKit::StartingHand> selected,
                             std::optional<BotKit::StartingHand> current) {
    if (!selected) {
        return std::nullopt;
    }
    return Detail{current == selected ? QStringLiteral("Your hand: ") : QString(), spokenName(*selected),
                  QStringLiteral(" \u00B7 ") + bandName(startingBand(*selected))};
}

QString noSelectionText() {
    return QStringLiteral("Click a hand to see how it rates.");
}

QString selectionAnnouncement(const BotKit::StartingHand& selected,
                              std::optional<BotKit::StartingHand> current) {
    return (current == selected ? QStringLiteral("Your hand: ") : QString()) + cellSpoken(selected);
}

} // namespace StartersChart
