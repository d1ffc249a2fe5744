#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/PerfectRankHash.h"

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
// spends one load on it instead of unpacking rank and suit:
// - its bit in the suit-by-rank mask (suit raw value × 16 + rank index);
// - its weights, one 64-bit number that several cards add up without carries between the parts:
//   bits 0-31 the rank's word in the rank hash (see PerfectRankHash), so the low word of a sum is
//   already the word the hash looks up; bits 32-35 take what the low words carry out, at most 6 for
//   seven cards; bits 36-59 the suits' six-bit fields (clubs lowest), to which each card adds 7;
//   bits 60-63 a one in the card count, so an eighth card is the first to set the top bit.
// A suit field holds 7 × its count: 28 for four cards, at least 35 for five, at most 49 for seven, so
// its top bit is set exactly when the suit holds five or more and the flush test is one AND with a
// constant. Sums start at 0, so sums of sums add up.
namespace HandEvaluatorCardTable {

static_assert(sizeof(Card) == 2);

inline constexpr unsigned suitFieldShift = 36;
inline constexpr unsigned suitFieldBits = 6;
inline constexpr std::uint64_t suitFieldStep = 7;
inline constexpr unsigned countShift = 60;
// The top bit of each suit's field.
inline constexpr std::uint64_t flushSuitBits = std::uint64_t{0x820820} << suitFieldShift;
// Every sum of up to seven cards stays below this; the eighth card reaches it.
inline constexpr std::uint64_t eightCards = (std::uint64_t{8} << countShift);

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

// Both numbers of a card side by side in one 16-byte value, weights first: a hand adds a card with
// one load and one vector addition, which sums the weights and the mask bits together (for distinct
// cards the sum of their bits is their mask). Where the target has no 16-byte vectors the compiler
// splits the addition in two.
using CardLanes = std::uint64_t __attribute__((vector_size(16)));
inline constexpr std::size_t weightsLane = 0;
inline constexpr std::size_t maskLane = 1;

struct alignas(CardLanes) Entries {
    std::array<CardLanes, slotCount> lanes{};
};

inline constexpr Entries entries = [] {
    Entries result;
    for (const Suit suit : allSuits) {
        for (const Rank rank : allRanks) {
            const auto index = static_cast<unsigned>(rankIndex(rank));
            const std::uint64_t weights =
                PerfectRankHash::wordOfRank(index) |
                (suitFieldStep << (suitFieldShift + suitFieldBits * rawValue(suit))) |
                (std::uint64_t{1} << countShift);
            const std::uint64_t bit = std::uint64_t{1} << (16u * rawValue(suit) + index);
            result.lanes[slot(Card{rank, suit})] = CardLanes{weights, bit};
        }
    }
    return result;
}();

constexpr const CardLanes& lanes(Card card) {
    return entries.lanes[slot(card)];
}
// Not constexpr: clang 14 can't index a vector-extension type in a constant expression.
inline std::uint64_t bit(Card card) {
    return lanes(card)[maskLane];
}
inline std::uint64_t weights(Card card) {
    return lanes(card)[weightsLane];
}

constexpr std::uint32_t rankWordOf(std::uint64_t weights) {
    return static_cast<std::uint32_t>(weights);
}
// The rank key (the sum of 5^(rank index) over the cards) of a suit-by-rank mask: each rank counts
// the suit lanes that hold its bit.
constexpr std::uint32_t rankKeyOfMask(std::uint64_t cardMask) {
    std::uint32_t key = 0;
    for (std::size_t rank = 0; rank < powersOf5.size(); ++rank) {
        const auto count = std::popcount((cardMask >> rank) & 0x0001'0001'0001'0001u);
        key += static_cast<std::uint32_t>(count) * powersOf5[rank];
    }
    return key;
}
// Four bits per suit, clubs lowest.
constexpr std::uint32_t suitTallyOf(std::uint64_t weights) {
    std::uint32_t tally = 0;
    for (unsigned suit = 0; suit < 4; ++suit) {
        const std::uint64_t field = (weights >> (suitFieldShift + suitFieldBits * suit)) & 0x3F;
        tally |= static_cast<std::uint32_t>(field / suitFieldStep) << (4 * suit);
    }
    return tally;
}
// The top bits of the fields of the suits holding five or more cards.
constexpr std::uint64_t flushSuitsOf(std::uint64_t weights) {
    return weights & flushSuitBits;
}
// The suit (raw value) of a field's top bit.
constexpr unsigned suitOfFlushBit(unsigned bit) {
    return (bit - (suitFieldShift + suitFieldBits - 1)) / suitFieldBits;
}
constexpr std::int64_t countOf(std::uint64_t weights) {
    return static_cast<std::int64_t>(weights >> countShift);
}

} // namespace HandEvaluatorCardTable

} // namespace PokerEngine
