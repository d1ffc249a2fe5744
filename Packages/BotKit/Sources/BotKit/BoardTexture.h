#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/Rank.h"

#include <span>

namespace BotKit {

// What the board alone threatens: pairs, flushes and straights.
struct BoardTexture {
    bool paired = false;
    // Three or more board cards of one suit.
    bool flushPossible = false;
    // Two or more board cards of one suit.
    bool flushDrawPossible = false;
    // Some five consecutive ranks hold at least three distinct board ranks.
    bool straightPossible = false;
    PokerEngine::Rank highCard = PokerEngine::Rank::two;

    // Any non-empty board.
    explicit BoardTexture(std::span<const PokerEngine::Card> board);

    bool isWet() const { return flushDrawPossible || straightPossible; }
    bool isScary() const { return flushPossible || straightPossible || highCard == PokerEngine::Rank::ace; }
};

} // namespace BotKit
