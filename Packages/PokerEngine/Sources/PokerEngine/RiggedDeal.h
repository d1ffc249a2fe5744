#pragma once

#include "PokerEngine/Card.h"

#include <cstdint>
#include <map>
#include <vector>

namespace PokerEngine {

// Preset cards for a hand (for tests and scripted deals): whatever it does not name comes from
// the rest of the deck in Card::all() order, and no random number is drawn.
struct RiggedDeal {
    // Up to two cards per seat index, first card first.
    std::map<std::int64_t, std::vector<Card>> holeCards;
    // Up to five community cards in dealing order: flop, turn, river.
    std::vector<Card> board;
};

} // namespace PokerEngine
