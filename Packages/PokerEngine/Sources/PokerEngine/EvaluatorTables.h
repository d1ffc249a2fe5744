#pragma once

#include "PokerEngine/DealtCards.h"
#include "PokerEngine/HandClass.h"
#include "PokerEngine/HandEvaluatorCardTable.h"
#include "PokerEngine/PerfectRankHash.h"
#include "PokerEngine/Precondition.h"

#include <array>
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

    // One slot of the open-addressing table from rank key to strength; key 0 marks it empty.
    // Key and strength sit side by side so that a probe reads one cache line.
    using RankKeySlot = RankKeyStrength;

    // The strength (1 ... 7462) of the best five cards among the 5 to 7 cards described, with
    // their suits counted as they were added (four bits per suit, clubs lowest).
    std::uint16_t strength(std::uint64_t cardMask, std::uint32_t rankKey, std::uint32_t suitTally) const {
        // A count of five to seven reaches bit 3 once 3 is added.
        if (const std::uint32_t flushSuits = (suitTally + 0x3333u) & 0x8888u; flushSuits != 0) {
            // Seven cards hold at most one such suit, and then no quads or full house either.
            const auto suit = static_cast<unsigned>(std::countr_zero(flushSuits)) / 4u;
            return flush_[(cardMask >> (16u * suit)) & 0x1FFF];
        }
        return strengthOfRankKey(rankKey);
    }

    // The same strength for cards summed as HandEvaluatorCardTable describes, which is what
    // evaluation reads: the flush test is one AND, and the ranks' hash, summed with
    // the cards, goes through a perfect hash that stays in cache instead of the open-addressing
    // table. The mask is only read for a flush.
    std::uint16_t strength(const DealtCards& cards) const {
        using namespace HandEvaluatorCardTable;
        if (const std::uint64_t flushSuits = flushSuitsOf(cards.weights()); flushSuits != 0) [[unlikely]] {
            const unsigned suit = suitOfFlushBit(static_cast<unsigned>(std::countr_zero(flushSuits)));
            return flush_[(cards.cardMask() >> (16u * suit)) & 0x1FFF];
        }
        return rankHash_.strengthOfWord(rankWordOf(cards.weights()));
    }

    // classes()[s] is the class of strength s; entry 0 is an empty high-card placeholder.
    const std::vector<HandClass>& classes() const { return classes_; }
    // The best flush of a 13-bit rank mask of one suit; 0 under five or over seven bits.
    const std::array<std::uint16_t, flushTableSize>& flush() const { return flush_; }
    // Every multiset of 5 to 7 ranks with its best non-flush strength.
    const std::vector<RankKeySlot>& rankKeySlots() const { return rankKeySlots_; }

    static std::size_t slotFor(std::uint32_t rankKey) {
        return static_cast<std::size_t>((std::uint64_t{rankKey} * 0x9E3779B97F4A7C15ull) >> 46);
    }

  private:
    std::uint16_t strengthOfRankKey(std::uint32_t rankKey) const {
        std::size_t slot = slotFor(rankKey);
        while (rankKeySlots_[slot].key != rankKey) {
            CW_PRECONDITION(rankKeySlots_[slot].key != 0);
            slot = (slot + 1) & (hashTableSize - 1);
        }
        return rankKeySlots_[slot].strength;
    }

    std::vector<HandClass> classes_;
    // The two tables evaluation reads are held inline, so the shared instance's are at a fixed
    // address.
    std::array<std::uint16_t, flushTableSize> flush_{};
    std::vector<RankKeySlot> rankKeySlots_;
    PerfectRankHash rankHash_;
};

} // namespace PokerEngine
