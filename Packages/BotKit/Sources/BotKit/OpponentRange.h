#pragma once

namespace BotKit {

// What a bot assumes an opponent holds: a starting hand within the top share of the chart and,
// once a board is out, how likely the opponent's betting shows a hand that connects with it.
struct OpponentRange {
    // A chart percentile limit: 1 is any two cards.
    double top = 1.0;
    // With three or more board cards, the chance the hand must also connect with the board.
    double strengthShown = 0.0;

    static OpponentRange any() { return OpponentRange{1.0, 0.0}; }

    bool operator==(const OpponentRange&) const = default;
};

} // namespace BotKit
