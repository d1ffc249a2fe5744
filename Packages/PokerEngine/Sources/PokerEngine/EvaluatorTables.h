#pragma once

#include "PokerEngine/HandClass.h"
#include "PokerEngine/Precondition.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace PokerEngine {

// The evaluator's lookup tables, built once from the 7462 five-card classes (best first) and
// read-only afterwards, so any thread may evaluate without locks.
class EvaluatorTables final {
  public:
    static constexpr int classCount = 7462;
    static constexpr std::size_t flushTableSize = 1u << 13;
    static constexpr std::size_t hashTableSize = 1u << 18;

    // Builds a fresh set; everyone else uses shared().
    EvaluatorTables();

    static const EvaluatorTables& shared() {
        static const EvaluatorTables tables;
        return tables;
    }

    // The strength (1 ... 7462) of the best five cards among the 5 to 7 cards described.
    std::uint16_t strength(std::uint64_t cardMask, std::uint32_t rankKey) const {
        return strength(cardMask, rankKey, suitCounts(cardMask));
    }

    // The same, for a caller that already has the mask's suitCounts().
    std::uint16_t strength(std::uint64_t cardMask, std::uint32_t rankKey, std::uint64_t suitCounts) const {
        // A lane count of five or more reaches bit 4 once 11 is added (a lane holds at most 16).
        if (const std::uint64_t flushLanes = (suitCounts + 0x000B000B000B000Bull) & 0x0010001000100010ull;
            flushLanes != 0) {
            // Seven cards hold at most one such suit, and then no quads or full house either.
            const auto shift = static_cast<unsigned>(std::countr_zero(flushLanes)) & ~15u;
            return flush_[(cardMask >> shift) & 0x1FFF];
        }
        std::size_t slot = slotFor(rankKey);
        while (keys_[slot] != rankKey) {
            CW_PRECONDITION(keys_[slot] != 0);
            slot = (slot + 1) & (hashTableSize - 1);
        }
        return values_[slot];
    }

    // The number of cards in each 16-bit suit lane of a card mask, each in its own lane. Bit
    // arithmetic rather than four population counts: the portable build has no popcnt instruction.
    static constexpr std::uint64_t suitCounts(std::uint64_t cardMask) {
        std::uint64_t counts = cardMask - ((cardMask >> 1) & 0x5555555555555555ull);
        counts = (counts & 0x3333333333333333ull) + ((counts >> 2) & 0x3333333333333333ull);
        counts = (counts + (counts >> 4)) & 0x0F0F0F0F0F0F0F0Full;
        return (counts + (counts >> 8)) & 0x00FF00FF00FF00FFull;
    }

    static constexpr std::uint64_t totalOfSuitCounts(std::uint64_t suitCounts) {
        return (suitCounts * 0x0001000100010001ull) >> 48;
    }

    // classes()[s] is the class of strength s; entry 0 is an empty high-card placeholder.
    const std::vector<HandClass>& classes() const { return classes_; }
    const std::vector<std::uint16_t>& flush() const { return flush_; }
    const std::vector<std::uint32_t>& keys() const { return keys_; }
    const std::vector<std::uint16_t>& values() const { return values_; }

    static std::size_t slotFor(std::uint32_t rankKey) {
        return static_cast<std::size_t>((std::uint64_t{rankKey} * 0x9E3779B97F4A7C15ull) >> 46);
    }

  private:
    std::vector<HandClass> classes_;
    std::vector<std::uint16_t> flush_;
    std::vector<std::uint32_t> keys_;
    std::vector<std::uint16_t> values_;
};

} // namespace PokerEngine
