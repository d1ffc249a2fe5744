#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvaluatorCardTable.h"

#include <cstdint>

namespace PokerEngine {

// Cards summed as the evaluator reads them (see HandEvaluatorCardTable): the packed weights and
// the suit-by-rank mask, held as one 16-byte pair. This is the unchecked form for cards that are
// distinct by construction, such as cards dealt from one deck in a Monte Carlo trial: adding cards
// is one vector addition, and sums of sums add up, so five known cards plus two are two additions
// and one lookup. A repeated card goes unnoticed here (its bit carries into another card's);
// HandAccumulator and HandEvaluator::evaluate of a card list check for one and stop the program.
struct DealtCards {
    HandEvaluatorCardTable::CardLanes lanes{};

    static constexpr DealtCards of(Card card) { return {HandEvaluatorCardTable::lanes(card)}; }

    // Reading a lane is not constexpr: clang 14 can't index a vector type in a constant expression.
    std::uint64_t weights() const { return lanes[HandEvaluatorCardTable::weightsLane]; }
    // Bit (suit raw value × 16 + rank index) is set for each card held.
    std::uint64_t cardMask() const { return lanes[HandEvaluatorCardTable::maskLane]; }

    constexpr DealtCards operator+(const DealtCards& other) const { return {lanes + other.lanes}; }
    constexpr DealtCards& operator+=(const DealtCards& other) {
        lanes += other.lanes;
        return *this;
    }

    bool operator==(const DealtCards& other) const {
        return weights() == other.weights() && cardMask() == other.cardMask();
    }
};

} // namespace PokerEngine
