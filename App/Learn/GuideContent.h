#pragma once

#include "BotKit/StartingHand.h"
#include "PokerEngine/Card.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The fixed content of the Poker Basics guide: the six rules pages, the ten hand rankings and the five
// strength bands of starting hands laid out on the 13 by 13 chart.

enum class BasicsPage { goal = 0, cards = 1, blinds = 2, options = 3, showdown = 4, chips = 5 };

inline constexpr int basicsPageCount = 6;
inline constexpr std::array<BasicsPage, basicsPageCount> allBasicsPages{
    BasicsPage::goal,    BasicsPage::cards,    BasicsPage::blinds,
    BasicsPage::options, BasicsPage::showdown, BasicsPage::chips};

// A page for 0 to 5, none for any other number.
std::optional<BasicsPage> basicsPageFromRawValue(int raw);
constexpr int rawValue(BasicsPage page) {
    return static_cast<int>(page);
}
QString title(BasicsPage page);
// Markdown.
QString body(BasicsPage page);

// One row of the hand-rankings list: its name, a one-line description and an example hand, best card
// first.
struct HandRank {
    QString name;
    QString detail;
    std::vector<PokerEngine::Card> cards;
    bool operator==(const HandRank&) const = default;

    // Whether the player's held category is this row: equal character for character.
    bool isHeld(const std::optional<QString>& held) const { return held && *held == name; }
    // "1. Royal Flush: A, K, Q, J and 10, all one suit. For example Ace of spades, …", and " You have
    // this now." on the held row.
    QString spoken(int number, bool held) const;

    // The ten rankings, best first; built once.
    static const std::vector<HandRank>& all();
};

// How good a two-card start is, best first.
enum class StartingBand { great, good, playable, risky, fold };

inline constexpr std::array<StartingBand, 5> allStartingBands{
    StartingBand::great, StartingBand::good, StartingBand::playable, StartingBand::risky, StartingBand::fold};

// From the preflop chart's group: 1-2 great, 3-4 good, 5-6 playable, 7-8 risky, uncharted fold.
StartingBand startingBand(const BotKit::StartingHand& hand);

// A cell of the chart: rows and columns run from the ace (0) down to the two (12).
struct ChartPosition {
    int row = 0;
    int column = 0;
    bool operator==(const ChartPosition&) const = default;
};

inline constexpr int chartSide = 13;

// Suited hands above the diagonal, offsuit below, pairs on it.
ChartPosition chartPosition(const BotKit::StartingHand& hand);
// The hand shown in a cell; an index outside 0...12 stops the program.
BotKit::StartingHand chartCell(int row, int column);
