#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/Rank.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace BotKit {

// One of the 169 classes of two hole cards: a pair, or two ranks suited or offsuit.
struct StartingHand {
    PokerEngine::Rank high;
    PokerEngine::Rank low;
    bool suited;

    // `high` below `low`, or a suited pair, stops the program.
    StartingHand(PokerEngine::Rank high, PokerEngine::Rank low, bool suited);
    // The class of two cards, in either order.
    StartingHand(PokerEngine::Card a, PokerEngine::Card b);
    // "AKs", "T9o", "QQ"; rank letters in either case and order, "s"/"o" lower case only.
    static std::optional<StartingHand> fromText(std::string_view text);

    bool isPair() const { return high == low; }
    // Two-card combinations of the class: 6 for a pair, 4 suited, 12 offsuit.
    int combos() const;
    // "AKs", "T9o", "QQ".
    std::string description() const;
    // The class's cell in a 13 x 13 grid: suited above the diagonal, offsuit below, pairs on it.
    int gridIndex() const;

    // The 169 classes: high from two to ace, low from two up to high; suited before offsuit, pair last.
    static const std::vector<StartingHand>& all();

    bool operator==(const StartingHand&) const = default;
};

} // namespace BotKit

template <> struct std::hash<BotKit::StartingHand> {
    std::size_t operator()(const BotKit::StartingHand& hand) const noexcept;
};
