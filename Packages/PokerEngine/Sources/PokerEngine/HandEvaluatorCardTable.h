#pragma once

#include "PokerEngine/Card.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace PokerEngine {

// 5^0 ... 5^12: a rank's weight in the base-5 rank-count key.
inline constexpr std::array<std::uint32_t, 13> powersOf5 = {
    1u, 5u, 25u, 125u, 625u, 3125u, 15625u, 78125u, 390625u, 1953125u, 9765625u, 48828125u, 244140625u,
};

// What one card adds to a hand summary, looked up by the card's own two bytes so the hot loop
// spends one load per field instead of unpacking rank and suit:
// - its bit in the suit-by-rank mask (suit raw value × 16 + rank index);
// - its weights: the rank's power of five in the low 32 bits, and above them a one in the suit's
//   four-bit tally (clubs lowest). Up to seven cards neither part carries into the next: the
//   largest rank key is below 2^31 and a suit holds at most seven cards.
namespace HandEvaluatorCardTable {

static_assert(sizeof(Card) == 2);

constexpr std::size_t slot(Card card) {
    return std::bit_cast<std::uint16_t>(card);
}

inline constexpr std::size_t slotCount = [] {
    std::size_t highest = 0;
    for (const Suit suit : allSuits) {
        for (const Rank rank : allRanks) {
            highest = std::max(highest, slot(Card{rank, suit}));
        }
    }
    return highest + 1;
}();

struct Entries {
    std::array<std::uint64_t, slotCount> bits{};
    std::array<std::uint64_t, slotCount> weights{};
};

inline constexpr Entries entries = [] {
    Entries result;
    for (const Suit suit : allSuits) {
        for (const Rank rank : allRanks) {
            const auto index = static_cast<unsigned>(rankIndex(rank));
            result.bits[slot(Card{rank, suit})] = std::uint64_t{1} << (16u * rawValue(suit) + index);
            result.weights[slot(Card{rank, suit})] =
                powersOf5[index] | (std::uint64_t{1} << (32u + 4u * rawValue(suit)));
        }
    }
    return result;
}();

constexpr std::uint64_t bit(Card card) {
    return entries.bits[slot(card)];
}
constexpr std::uint64_t weights(Card card) {
    return entries.weights[slot(card)];
}

constexpr std::uint32_t rankKeyOf(std::uint64_t weights) {
    return static_cast<std::uint32_t>(weights);
}
constexpr std::uint32_t suitTallyOf(std::uint64_t weights) {
    return static_cast<std::uint32_t>(weights >> 32);
}

} // namespace HandEvaluatorCardTable

} // namespace PokerEngine
