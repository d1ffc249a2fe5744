#pragma once

#include "Style/TableTheme.h"

#include "PokerEngine/HandEvent.h"

#include <QRectF>
#include <QSizeF>

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One winner of a finished hand, summed over every pot it took.
struct ShowdownRow {
    std::int64_t seat = 0;
    // Absent when the pots were won without a showdown.
    std::optional<QString> handName;
    // "You win 1,200", "Rascal wins side pot 400", "Goldie wins 1,500 (main + side 1)".
    QString award;

    bool operator==(const ShowdownRow&) const = default;

    // The winners in order of their first award, from the hand's log; `name` gives "You" for the player.
    static std::vector<ShowdownRow> rows(const std::vector<PokerEngine::HandEvent>& log,
                                         const std::function<QString(std::int64_t)>& name);
    // What the banner says to a screen reader; `why` only follows a single winner.
    static QString spokenSummary(const std::vector<ShowdownRow>& rows, const std::optional<QString>& why);
};

// The next-hand button's words and its countdown.
namespace NextHandText {

// "Next Hand", "Continue", "Next hand in 3…", "Continue in 1…".
QString title(bool over, std::optional<std::int64_t> seconds);
// "", "deals in 1 second", "deals in 2 seconds".
QString spokenValue(std::optional<std::int64_t> seconds);
// Whole seconds until a deal due at `dealAt`, rounded up and never below 1; absent without a deal.
std::optional<std::int64_t> secondsLeft(std::optional<std::chrono::system_clock::time_point> dealAt,
                                        std::chrono::system_clock::time_point now);

} // namespace NextHandText

// The showdown banner's rules: what stands at the left of its controls row, and where its results go.
namespace ShowdownLayout {

enum class LeftControl { hold, heldCaption, none };
// The hold control while a deal is scheduled; once the player has held the result, "Held until you
// deal"; else nothing.
LeftControl leftControl(bool dealScheduled, bool resultHeld);

// The banner's bands: the results over the controls row, 8 apart; the row is a small button's height
// plus 4 and ends in the next-hand button (64 pixel units wide in the pixel style, else 150).
struct Bands {
    QRectF results;
    QRectF controls;
    QRectF next;
    bool operator==(const Bands&) const = default;
};
Bands bands(const TableTheme& theme, QSizeF banner, double smallButtonHeight);

// A winner's measured words: the hand's name (absent when nobody showed) and the award.
struct RowWords {
    std::optional<QSizeF> hand;
    QSizeF award;
};
// Where one winner's row goes in the results: the divider above it (all but the first), the avatar
// disc, and the words. One winner reads the hand's name over the award (the award alone without a
// name); several read the award with the name beside it.
struct RowPlace {
    std::optional<QRectF> divider;
    QRectF disc;
    QRectF first;
    std::optional<QRectF> second;
    bool operator==(const RowPlace&) const = default;
};
struct Results {
    std::vector<RowPlace> rows;
    std::optional<QRectF> why;
    // The whole column's height with its margins: past the results band's height it scrolls.
    double height = 0;
    bool operator==(const Results&) const = default;
};
// `whyHeight`: the explanation's height at the width left for it; it follows a single winner only.
Results results(const TableTheme& theme, double width, const std::vector<RowWords>& rows,
                std::optional<double> whyHeight);

double discDiameter(const TableTheme& theme, bool single);
// The rule between rows: a hairline, or one pixel unit in the pixel style.
double dividerHeight(const TableTheme& theme);
// The explanation shrinks to fit its width, to 0.8 of its size at most; past that it wraps.
inline constexpr double whyMinimumScale = 0.8;

} // namespace ShowdownLayout
