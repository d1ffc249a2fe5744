#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/DealtCards.h"
#include "PokerEngine/HandEvaluatorCardTable.h"
#include "PokerEngine/Hashing.h"
#include "PokerEngine/Precondition.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ranges>

namespace PokerEngine {

// Up to seven cards summarised for the evaluator: a suit-by-rank bit mask (one 16-bit lane per
// suit, rank index as the bit) and one 64-bit sum of the cards' weights that holds the hash of
// their ranks, the cards of each suit and the card count (see HandEvaluatorCardTable). Built card
// by card, so a caller dealing many boards onto the same cards adds only the new ones: adding a
// card is one OR and one addition.
class HandAccumulator {
  public:
    HandAccumulator() = default;
    HandAccumulator(std::initializer_list<Card> cards) {
        for (const Card card : cards) {
            add(card);
        }
    }
    template <std::ranges::input_range Cards>
    requires std::same_as<std::ranges::range_value_t<Cards>, Card>
    explicit HandAccumulator(const Cards& cards) {
        for (const Card card : cards) {
            add(card);
        }
    }

    // Bit (suit raw value × 16 + rank index) is set for each card held.
    std::uint64_t cardMask() const { return cardMask_; }
    // Equal keys mean equal rank multisets, whatever the suits.
    std::uint32_t rankKey() const { return HandEvaluatorCardTable::rankKeyOfMask(cardMask_); }
    std::int64_t count() const { return HandEvaluatorCardTable::countOf(weights_); }
    // The number of cards of each suit, four bits each, clubs lowest.
    std::uint32_t suitTally() const { return HandEvaluatorCardTable::suitTallyOf(weights_); }
    // Mask, rank key, suit tallies and count in the form the evaluator reads, for adding cards
    // that are known not to be held without checking them again.
    DealtCards dealt() const { return {HandEvaluatorCardTable::CardLanes{weights_, cardMask_}}; }

    // Adding a card already held, or an eighth card, stops the program.
    void add(Card card) {
        const std::uint64_t bit = HandEvaluatorCardTable::bit(card);
        CW_PRECONDITION((cardMask_ & bit) == 0);
        cardMask_ |= bit;
        weights_ += HandEvaluatorCardTable::weights(card);
        // An eighth card sets the sum's top bit, its sign, which the addition itself reports.
        CW_PRECONDITION((weights_ & HandEvaluatorCardTable::eightCards) == 0);
    }

    [[nodiscard]] HandAccumulator adding(Card card) const {
        HandAccumulator copy = *this;
        copy.add(card);
        return copy;
    }

    [[nodiscard]] bool contains(Card card) const {
        return (cardMask_ & HandEvaluatorCardTable::bit(card)) != 0;
    }

    // The weights follow from the mask, so comparing both compares the three summaries.
    bool operator==(const HandAccumulator&) const = default;

  private:
    // Two numbers rather than a DealtCards pair: the checks read the mask and the count on their
    // own, and a pair would have to be taken apart for each.
    std::uint64_t cardMask_ = 0;
    std::uint64_t weights_ = 0;
};

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::HandAccumulator> {
    std::size_t operator()(const PokerEngine::HandAccumulator& hand) const noexcept {
        std::size_t seed = 0;
        PokerEngine::hashCombine(seed, hand.cardMask());
        PokerEngine::hashCombine(seed, hand.rankKey());
        PokerEngine::hashCombine(seed, hand.count());
        return seed;
    }
};
