#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandCategory.h"

#include <vector>

namespace PokerEngine {

// One of the 7462 distinct five-card hands, by its category and the ranks that define it
// (most significant first: the pair before its kickers, a straight by its top card).
struct HandClass {
    HandCategory category = HandCategory::highCard;
    std::vector<Rank> ranks;

    bool operator==(const HandClass&) const = default;
};

} // namespace PokerEngine
