#pragma once

#include "Learn/GuideContent.h"

#include <QString>

#include <optional>

// The rules of the starting-hands chart: band names, what a cell says, where an arrow key moves the
// selection, how large the labels are and the line under the chart.
namespace StartersChart {

enum class Arrow { left, right, up, down };

// "Great", "Good", "Playable", "Risky", "Usually fold".
QString bandName(StartingBand band);
// "Ace-king suited, great".
QString cellSpoken(const BotKit::StartingHand& hand);

// One arrow step from the selection, else the player's hand, else the pair of aces; the edges hold.
BotKit::StartingHand move(std::optional<BotKit::StartingHand> selected,
                          std::optional<BotKit::StartingHand> current, Arrow arrow);

// The cell label's size in points. With increased contrast it follows the measured width of the padded
// grid (9 to 13); otherwise it is fixed by the presentation.
double labelSize(bool increasedContrast, bool compact, double chartWidth);

// The line under the chart, in its three pieces: "Your hand: " when the selection is the player's hand,
// the hand's name (both semibold), and " · <band>".
struct Detail {
    QString prefix;
    QString name;
    QString band;
    bool operator==(const Detail&) const = default;
};
// None while nothing is selected: the tab then says `noSelectionText()`.
std::optional<Detail> detail(std::optional<BotKit::StartingHand> selected,
                             std::optional<BotKit::StartingHand> current);
QString noSelectionText();
// What a reader hears when the selection changes: the cell's words, "Your hand: " first when it is the
// player's hand ("Your hand: King-queen suited, great").
QString selectionAnnouncement(const BotKit::StartingHand& selected,
                              std::optional<BotKit::StartingHand> current);

} // namespace StartersChart
