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
    CW_PRECONDITION(hand.count >= 5 && hand.count <= 7);
    return HandValue{EvaluatorTables::shared().strength(hand.cardMask, hand.rankKey)};
}

// The value of the best five cards among 5 to 7 distinct cards, whatever their order.
inline HandValue evaluate(std::span<const Card> cards) {
    CW_PRECONDITION(cards.size() >= 5 && cards.size() <= 7);
    // The accumulator's fields without its card-by-card checks: one count of the mask's bits
    // finds any repeated card, and the flush test reuses the same per-suit counts.
    std::uint64_t cardMask = 0;
    std::uint32_t rankKey = 0;
    for (const Card card : cards) {
        cardMask |= HandEvaluatorCardTable::bit(card);
        rankKey += HandEvaluatorCardTable::rankWeight(card);
    }
    const std::uint64_t suitCounts = EvaluatorTables::suitCounts(cardMask);
    CW_PRECONDITION(EvaluatorTables::totalOfSuitCounts(suitCounts) == cards.size());
    return HandValue{EvaluatorTables::shared().strength(cardMask, rankKey, suitCounts)};
}

// The five of 5 to 7 cards that make their value, in their given order; when several fives tie,
// the one that comes first in the list.
std::vector<Card> bestFive(std::span<const Card> cards);

} // namespace PokerEngine::HandEvaluator
