#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvaluatorCardTable.h"

#include <cstdint>

namespace PokerEngine {

// Cards summed as the evaluator reads them (see HandEvaluatorCardTable): the suit-by-rank mask and
// the packed weights. This is the unchecked form for cards that are distinct by construction, such
// as cards dealt from one deck in a Monte Carlo trial: adding cards is one OR and one addition, and
// sums of sums add up, so five known cards plus two are two additions and one lookup. A repeated
// card goes unnoticed here; HandAccumulator and HandEvaluator::evaluate of a card list check for
// one and stop the program.
struct DealtCards {
    std::uint64_t cardMask = 0;
    std::uint64_t weights = 0;

    static constexpr DealtCards of(Card card) {
        return {HandEvaluatorCardTable::bit(card), HandEvaluatorCardTable::weights(card)};
    }

    constexpr DealtCards operator+(const DealtCards& other) const {
        return {cardMask | other.cardMask, weights + other.weights};
    }
    constexpr DealtCards& operator+=(const DealtCards& other) { return *this = *this + other; }

    bool operator==(const DealtCards&) const = default;
};

} // namespace PokerEngine
