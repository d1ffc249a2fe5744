#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include <QSizeF>
#include <QString>

#include "BotKit/BotProfile.h"
#include "Game/TableText.h"
#include "PokerEngine/PlayerView.h"
#include "Style/RGB.h"
#include "Style/TableTheme.h"

// One row of the action log: a street heading with the cards dealt on it, a sentence about a seat, or
// the prompt while the player is to act.
struct LogEntry {
    struct Heading {
        QString title;
        std::vector<PokerEngine::Card> cards;
        bool operator==(const Heading&) const = default;
    };
    struct Line {
        // The seat whose dot colours the row; absent for a row about no one seat.
        std::optional<std::int64_t> seat;
        QString text;
        // The sentence as a reader hears it where it differs from the text drawn: shown cards by their
        // names, never their symbols.
        QString spoken = {};
        bool operator==(const Line&) const = default;
    };
    struct YourTurn {
        QString text;
        bool operator==(const YourTurn&) const = default;
    };
    using Kind = std::variant<Heading, Line, YourTurn>;

    Kind kind;

    bool operator==(const LogEntry&) const = default;

    // The rows of the current hand, top to bottom: headings per street, one line per event that has a
    // sentence, the newcomers and the dealer after the preflop heading, and the prompt last on the
    // player's turn. `newcomers` are the seats filled by bots before this hand.
    static std::vector<LogEntry> entries(const PokerEngine::PlayerView& view, const TableText& text,
                                         const std::vector<int>& newcomers);

    // The row in words, as a screen reader says it: a heading's title with its cards by their spoken
    // names, a line with the cards it shows by name, the prompt as written.
    QString spoken() const;
    // The rows read one after another, each its own sentence; empty for no rows.
    static QString spoken(const std::vector<LogEntry>& rows);
};

template <> struct std::hash<LogEntry> { std::size_t operator()(const LogEntry& entry) const noexcept; };

// The colour of a row's seat dot: a bot's backdrop colour (grey when its avatar has none), else the
// player's own.
RGB logSeatColor(const std::optional<BotKit::BotProfile>& profile);

// The size of the small cards in a street heading: large enough for a corner index that reads, and on
// the pixel grid in the pixel style.
QSizeF logCardSize(const TableTheme& theme);
