#include "Learn/StartersChart.h"

#include "Learn/GuideInk.h"
#include "Learn/HandNames.h"
#include "Style/Contrast.h"
#include "Style/Ornaments.h"

#include <algorithm>
#include <cmath>

namespace StartersChart {

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
    // The grid's 2 pt padding on each side and its twelve 1.5 pt gaps.
    const double side = std::max((chartWidth - 4 - 18) / chartSide, 0.0);
    return std::clamp(std::floor((side - 3) / 1.9), 9.0, 13.0);
}

double labelShare(double cellSide, double widestLabel, double size) {
    if (widestLabel <= 0 || size <= 0) {
        return 1;
    }
    return std::clamp((cellSide - 1) / widestLabel, std::min(std::max(0.6, smallestLabel / size), 1.0), 1.0);
}

bool labelFits(double cellSide, double labelWidth) {
    return labelWidth <= cellSide - 1;
}

BandLook bandLook(StartingBand band, bool dark, bool increasedContrast) {
    const RGB accent = GuideInk::accent(dark);
    const auto tint = [&](double fill, double border) {
        return BandLook{accent.withAlpha(fill), accent.withAlpha(border), increasedContrast ? 1.0 : 0.0,
                        GuideInk::primary(dark)};
    };
    switch (band) {
    case StartingBand::great: {
        // The light look's white label reads at only 4:1 on the bare accent: the fill deepens as far as
        // the label needs.
        const RGB label = dark ? RGB::black : RGB::white;
        const RGB fill = Contrast::readable(accent, label, dark ? RGB::white : RGB::black);
        return BandLook{fill, fill, increasedContrast ? 1.0 : 0.0, label};
    }
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
