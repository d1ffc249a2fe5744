#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandAccumulator.h"
#include "PokerEngine/HandEvaluatorCardTable.h"
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
    return HandValue{EvaluatorTables::shared().strength(hand.cardMask(), hand.weights())};
}

// The value of the best five cards among 5 to 7 distinct cards, whatever their order.
inline HandValue evaluate(std::span<const Card> cards) {
    CW_PRECONDITION(cards.size() >= 5 && cards.size() <= 7);
    // What an accumulator would hold, without its card-by-card checks: a repeated card adds its
    // bit twice, which carries into another bit, so the sum of the bits then differs from the mask.
    std::uint64_t cardMask = 0;
    std::uint64_t bitSum = 0;
    std::uint64_t weights = HandEvaluatorCardTable::emptyWeights;
    for (const Card card : cards) {
        const std::uint64_t cardBit = HandEvaluatorCardTable::bit(card);
        cardMask |= cardBit;
        bitSum += cardBit;
        weights += HandEvaluatorCardTable::weights(card);
    }
    CW_PRECONDITION(bitSum == cardMask);
    return HandValue{EvaluatorTables::shared().strength(cardMask, weights)};
}

// The five of 5 to 7 cards that make their value, in their given order; when several fives tie,
// the one that comes first in the list.
std::vector<Card> bestFive(std::span<const Card> cards);

} // namespace PokerEngine::HandEvaluator
