#pragma once

#include "BotKit/Position.h"

#include "PokerEngine/Card.h"
#include "PokerEngine/LegalActions.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/Street.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace BotKit {

// A bot's digest of its view: the prices, stacks and position every strategy needs, and a reading
// of the hand's betting history from the log.
struct Situation {
    // One seat's betting in this hand.
    struct SeatHistory {
        // How many preflop bets and raises had been made when this seat last bet or raised before
        // the flop (1 for the opener, 2 for a three-bet, ...); 0 if it never did.
        std::int64_t preflopRaiseLevel = 0;
        bool calledPreflopRaise = false;
        std::int64_t postflopAggression = 0;
        std::int64_t postflopCalls = 0;

        bool operator==(const SeatHistory&) const = default;
    };

    PokerEngine::PlayerView view;
    std::int64_t seat = 0;
    PokerEngine::LegalActions legal;
    std::vector<PokerEngine::Card> hole;
    std::vector<PokerEngine::Card> board;
    PokerEngine::Street street = PokerEngine::Street::preflop;
    // At least 1.
    std::int64_t bigBlind = 1;
    std::int64_t stack = 0;
    std::int64_t toCall = 0;
    // Every chip in the middle, this street's bets included.
    std::int64_t pot = 0;
    Position position = Position::early;
    std::int64_t playersDealt = 0;
    // Other seats still holding cards, in seat order.
    std::vector<std::int64_t> opponents;
    std::optional<std::int64_t> preflopRaiser;
    std::int64_t preflopRaises = 0;
    // Preflop calls made before any preflop bet or raise.
    std::int64_t limpers = 0;
    std::int64_t raisesThisStreet = 0;
    // The smaller of the bot's chips and the deepest opponent's, counting this street's bets.
    std::int64_t effectiveStack = 0;
    // Every seat that has acted in the hand.
    std::map<std::int64_t, SeatHistory> histories;

    // The view must be of a seat at the table.
    explicit Situation(const PokerEngine::PlayerView& view);

    bool inPosition() const { return position == Position::cutoff || position == Position::button; }

    // The street total for a bet or raise of `potFraction` of the pot after calling, on top of
    // the current bet; the fraction counts in thousandths.
    std::int64_t sizeTo(double potFraction) const;

    static Position positionOf(std::int64_t seat, const std::vector<std::int64_t>& dealtInOrder);
};

} // namespace BotKit
