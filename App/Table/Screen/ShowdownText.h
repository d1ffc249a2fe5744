#pragma once

#include "PokerEngine/HandEvent.h"

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
