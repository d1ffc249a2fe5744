#pragma once

#include "PokerEngine/Card.h"
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

// Up to seven cards summarised for the evaluator: a suit-by-rank bit mask (one 16-bit lane per suit,
// rank index as the bit) and the sum of 5^(rank index), whose base-5 digits count each rank.
// Built card by card, so a caller dealing many boards onto the same cards adds only the new ones.
struct HandAccumulator {
    std::uint64_t cardMask = 0;
    std::uint32_t rankKey = 0;
    std::int64_t count = 0;

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

    // The card's bit in cardMask.
    static constexpr std::uint64_t bit(Card card) { return HandEvaluatorCardTable::bit(card); }

    void add(Card card) {
        const std::uint64_t cardBit = bit(card);
        CW_PRECONDITION((cardMask & cardBit) == 0);
        CW_PRECONDITION(count < 7);
        cardMask |= cardBit;
        rankKey += HandEvaluatorCardTable::rankWeight(card);
        ++count;
    }

    [[nodiscard]] HandAccumulator adding(Card card) const {
        HandAccumulator copy = *this;
        copy.add(card);
        return copy;
    }

    [[nodiscard]] bool contains(Card card) const { return (cardMask & bit(card)) != 0; }

    bool operator==(const HandAccumulator&) const = default;
};

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::HandAccumulator> {
    std::size_t operator()(const PokerEngine::HandAccumulator& hand) const noexcept {
        std::size_t seed = 0;
        PokerEngine::hashCombine(seed, hand.cardMask);
        PokerEngine::hashCombine(seed, hand.rankKey);
        PokerEngine::hashCombine(seed, hand.count);
        return seed;
    }
};
