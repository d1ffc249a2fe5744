#pragma once

#include "Learn/GuideContent.h"
#include "Style/RGB.h"

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

// The selection once the player's cards change: the player's own choice stays; with none yet, it
// takes the new cards.
std::optional<BotKit::StartingHand> selectionWhenCardsArrive(std::optional<BotKit::StartingHand> selected,
                                                             std::optional<BotKit::StartingHand> current);

// The cell label's size in points: it follows the measured width of the padded grid, from 9 (a size a
// person reads) to 13. The same in either contrast, and in the narrow sidebar too.
double labelSize(double chartWidth);
// The share of that size (`size`) the labels are drawn at, all alike, so that the widest (`widestLabel`
// wide at full size) stays inside a cell `cellSide` wide with half a point to spare on each side; never
// above 1, and never below 0.6 nor below `smallestLabel`.
inline constexpr double smallestLabel = 9;
double labelShare(double cellSide, double widestLabel, double size);
// Whether a label `labelWidth` wide as drawn fits its cell with that half point each side; a cell that
// cannot hold its label shows only its band's colour.
bool labelFits(double cellSide, double labelWidth);

// How a band's cells and legend swatch are drawn: its fill, its border (none where the width is 0)
// and the colour of a cell's label, which reads at 4.5:1 on the fill over the guide's ground.
struct BandLook {
    RGB fill;
    RGB border;
    double borderWidth = 0;
    RGB label;
    bool operator==(const BandLook&) const = default;
};
BandLook bandLook(StartingBand band, bool dark, bool increasedContrast);

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
