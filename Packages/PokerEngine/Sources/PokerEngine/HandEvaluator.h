#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/DealtCards.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandAccumulator.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/Precondition.h"

#include <span>
#include <vector>

// Seven-card poker hand evaluation by table lookup: a handful of bit operations and one probe,
// no allocation, safe from any thread.
namespace PokerEngine::HandEvaluator {

// The value of the best five cards among an accumulator's 5 to 7 cards.
inline HandValue evaluate(const HandAccumulator& hand) {
    CW_PRECONDITION(hand.count() >= 5 && hand.count() <= 7);
    return HandValue{EvaluatorTables::shared().strength(hand.dealt())};
}

// The value of the best five cards among 5 to 7 distinct cards, whatever their order.
inline HandValue evaluate(std::span<const Card> cards) {
    CW_PRECONDITION(cards.size() >= 5 && cards.size() <= 7);
    // Fetched first, so the sums below stay in registers past the one-time initialisation check.
    const EvaluatorTables& tables = EvaluatorTables::shared();
    // What an accumulator would hold, without its card-by-card checks: a repeated card adds its
    // bit twice, which carries into another bit, so the sum of the bits then differs from their OR.
    DealtCards sum;
    HandEvaluatorCardTable::CardLanes either{};
    for (const Card card : cards) {
        const DealtCards added = DealtCards::of(card);
        sum += added;
        either |= added.lanes;
    }
    // Compared in one vector, so only one lane has to leave it.
    const HandEvaluatorCardTable::CardLanes carried = sum.lanes ^ either;
    CW_PRECONDITION(carried[HandEvaluatorCardTable::maskLane] == 0);
    return HandValue{tables.strength(sum)};
}

// The value of 5 to 7 cards that the caller knows to be distinct, such as five known cards plus
// two dealt from the rest of the deck: no check at all, for the trials of an equity estimate.
inline HandValue evaluate(const DealtCards& cards) {
    return HandValue{EvaluatorTables::shared().strength(cards)};
}

// The five of 5 to 7 cards that make their value, in their given order; when several fives tie,
// the one that comes first in the list.
std::vector<Card> bestFive(std::span<const Card> cards);

} // namespace PokerEngine::HandEvaluator
