#pragma once

#include "Learn/GuideContent.h"
#include "Style/RGB.h"

#include <QSizeF>
#include <QString>

#include <array>
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

// The labels' sizes are whole pixels, from 9 (a size a person reads) to 13.
inline constexpr int smallestLabel = 9;
inline constexpr int largestLabel = 13;
// The size the labels would take in a chart `chartWidth` wide (the padded grid) if they fitted: it
// follows the width, the same in either contrast and in the narrow sidebar too.
double labelSize(double chartWidth);
// The side of one cell in a chart `chartWidth` wide.
double cellSide(double chartWidth);

// The widest of the 169 labels and their line height as drawn at each size, smallest first; the view
// measures them in its font.
using LabelMeasures = std::array<QSizeF, largestLabel - smallestLabel + 1>;
// A label lies inside its cell with this much room on every side, so it stays clear of the cell's 1 pt
// border and of the player's hand's outline.
inline constexpr double labelInset = 1.5;
bool labelInside(double cellSide, QSizeF label);
// The narrowest chart whose cells hold every label at the smallest size. Where the room is narrower the
// chart keeps this width and scrolls sideways, rather than leave a hand unnamed.
double narrowestChart(const LabelMeasures& measures);
// The size the labels are drawn at in a chart `chartWidth` wide (at least `narrowestChart`): the
// largest, up to `labelSize`, at which the widest label lies inside its cell; all labels alike.
int labelPixels(double chartWidth, const LabelMeasures& measures);

// How much contrast a small label smoothed onto its cell loses at its inkiest pixel, at most: its ink
// aims that much higher.
inline constexpr double labelSmoothing = 1.3;
// How a band's cells and legend swatch are drawn: its fill (opaque, on the guide's ground), its border
// (none where the width is 0) and the colour of a cell's label. As drawn, the label reads at 7:1 for a
// reader who asked for more contrast; otherwise at 4.5:1 wherever the band's tint allows it with black
// or white ink.
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
