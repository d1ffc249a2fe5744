#include "Learn/StartersChart.h"

#include "Learn/HandNames.h"

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

double labelSize(bool increasedContrast, bool compact, double chartWidth) {
    if (!increasedContrast) {
        return compact ? 7.5 : 8.5;
    }
    // The grid's 2 pt padding on each side and its twelve 1.5 pt gaps.
    const double side = std::max((chartWidth - 4 - 18) / chartSide, 0.0);
    return std::clamp(std::floor((side - 3) / 1.9), 9.0, 13.0);
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
