#include "PokerEngine/EvaluatorTables.h"

#include "PokerEngine/HandAccumulator.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace PokerEngine {

namespace {

constexpr int rankCount = 13;

// A short list of ranks, as indices (0 for two up to 12 for ace), held inline: a build makes tens
// of thousands of them and should not spend its time allocating.
class RankList {
  public:
    RankList() = default;
    RankList(std::initializer_list<int> ranks) {
        for (const int rank : ranks) {
            push_back(rank);
        }
    }

    void push_back(int rank) {
        CW_PRECONDITION(size_ < rankCount);
        ranks_[size_++] = static_cast<std::uint8_t>(rank);
    }
    void pop_back() { --size_; }
    std::size_t size() const { return size_; }
    int operator[](std::size_t index) const { return ranks_[index]; }
    const std::uint8_t* begin() const { return ranks_.data(); }
    const std::uint8_t* end() const { return ranks_.data() + size_; }

  private:
    std::array<std::uint8_t, rankCount> ranks_{};
    std::uint8_t size_ = 0;
};

const RankList& descendingRanks() {
    static const RankList ranks = {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    return ranks;
}

RankList without(const RankList& list, int rank) {
    RankList rest;
    for (const int other : list) {
        if (other != rank) {
            rest.push_back(other);
        }
    }
    return rest;
}

// The k-element sub-lists of `list` in index-lexicographic order; over descending ranks this is
// descending poker order (A K Q J T, A K Q J 9, ...).
std::vector<RankList> combinations(const RankList& list, std::size_t k) {
    std::vector<RankList> result;
    RankList chosen;
    const auto extend = [&](const auto& self, std::size_t start) -> void {
        if (chosen.size() == k) {
            result.push_back(chosen);
            return;
        }
        for (std::size_t i = start; i + (k - chosen.size()) <= list.size(); ++i) {
            chosen.push_back(list[i]);
            self(self, i + 1);
            chosen.pop_back();
        }
    };
    extend(extend, 0);
    return result;
}

unsigned rankMask(const RankList& ranks) {
    unsigned mask = 0;
    for (const int rank : ranks) {
        mask |= 1u << rank;
    }
    return mask;
}

// The ten straights, ace high first, the wheel (5 4 3 2 A) last.
std::vector<RankList> straights() {
    std::vector<RankList> result;
    for (int top = 12; top >= 4; --top) {
        result.push_back({top, top - 1, top - 2, top - 3, top - 4});
    }
    result.push_back({3, 2, 1, 0, 12});
    return result;
}

// Five distinct ranks that make no straight: the shapes of flushes and high-card hands.
std::vector<RankList> plainFives() {
    std::vector<unsigned> straightMasks;
    for (const RankList& straight : straights()) {
        straightMasks.push_back(rankMask(straight));
    }
    std::vector<RankList> result;
    for (const RankList& five : combinations(descendingRanks(), 5)) {
        if (std::find(straightMasks.begin(), straightMasks.end(), rankMask(five)) == straightMasks.end()) {
            result.push_back(five);
        }
    }
    return result;
}

struct ClassEntry {
    HandCategory category;
    RankList ranks; // what defines the class, most significant first
    RankList cards; // an example five-card hand of the class, as ranks
    bool isFlush;
};

RankList concatenated(RankList head, const RankList& tail) {
    for (const int rank : tail) {
        head.push_back(rank);
    }
    return head;
}

// Every five-card class, best first.
std::vector<ClassEntry> classesBestFirst() {
    const RankList& ranks = descendingRanks();
    const std::vector<RankList> allStraights = straights();
    const std::vector<RankList> fives = plainFives();
    std::vector<ClassEntry> entries;
    entries.reserve(EvaluatorTables::classCount);

    for (const RankList& straight : allStraights) {
        entries.push_back({HandCategory::straightFlush, {straight[0]}, straight, true});
    }
    for (const int quad : ranks) {
        for (const int kicker : without(ranks, quad)) {
            entries.push_back(
                {HandCategory::fourOfAKind, {quad, kicker}, {quad, quad, quad, quad, kicker}, false});
        }
    }
    for (const int trips : ranks) {
        for (const int pair : without(ranks, trips)) {
            entries.push_back(
                {HandCategory::fullHouse, {trips, pair}, {trips, trips, trips, pair, pair}, false});
        }
    }
    for (const RankList& five : fives) {
        entries.push_back({HandCategory::flush, five, five, true});
    }
    for (const RankList& straight : allStraights) {
        entries.push_back({HandCategory::straight, {straight[0]}, straight, false});
    }
    for (const int trips : ranks) {
        for (const RankList& kickers : combinations(without(ranks, trips), 2)) {
            entries.push_back({HandCategory::threeOfAKind, concatenated({trips}, kickers),
                               concatenated({trips, trips, trips}, kickers), false});
        }
    }
    for (const RankList& pairs : combinations(ranks, 2)) {
        const int high = pairs[0];
        const int low = pairs[1];
        for (const int kicker : ranks) {
            if (kicker != high && kicker != low) {
                entries.push_back(
                    {HandCategory::twoPair, {high, low, kicker}, {high, high, low, low, kicker}, false});
            }
        }
    }
    for (const int pair : ranks) {
        for (const RankList& kickers : combinations(without(ranks, pair), 3)) {
            entries.push_back({HandCategory::pair, concatenated({pair}, kickers),
                               concatenated({pair, pair}, kickers), false});
        }
    }
    for (const RankList& five : fives) {
        entries.push_back({HandCategory::highCard, five, five, false});
    }

    CW_PRECONDITION(entries.size() == EvaluatorTables::classCount);
    return entries;
}

std::uint32_t rankKeyOf(const RankList& cards) {
    std::uint32_t key = 0;
    for (const int rank : cards) {
        key += powersOf5[static_cast<std::size_t>(rank)];
    }
    return key;
}

// The key's base-5 digits: the count of each rank, two first. Dividing by the constant 5 keeps
// this cheap, which matters for the tens of thousands of keys of a build.
std::array<int, rankCount> rankCounts(std::uint32_t rankKey) {
    std::array<int, rankCount> counts{};
    for (int& count : counts) {
        count = static_cast<int>(rankKey % 5);
        rankKey /= 5;
    }
    return counts;
}

// Rank key to strength while the tables are built: the same open addressing as the finished
// table, filled in whatever order the keys come, so that once filled it is that table.
class KeyDictionary {
  public:
    KeyDictionary()
        : slots_(EvaluatorTables::hashTableSize) {}

    // Stores the key with the strength, or raises a stored key's strength to it; true if new.
    bool insertOrRaise(std::uint32_t key, std::uint16_t strength) {
        EvaluatorTables::RankKeySlot& slot = slotOf(key);
        if (slot.key == 0) {
            slot = {key, strength};
            return true;
        }
        slot.strength = std::max(slot.strength, strength);
        return false;
    }

    std::uint16_t at(std::uint32_t key) {
        const EvaluatorTables::RankKeySlot& slot = slotOf(key);
        CW_PRECONDITION(slot.key == key);
        return slot.strength;
    }

    std::vector<EvaluatorTables::RankKeySlot> slots() && { return std::move(slots_); }

  private:
    EvaluatorTables::RankKeySlot& slotOf(std::uint32_t key) {
        std::size_t slot = EvaluatorTables::slotFor(key);
        while (slots_[slot].key != 0 && slots_[slot].key != key) {
            slot = (slot + 1) & (EvaluatorTables::hashTableSize - 1);
        }
        return slots_[slot];
    }

    std::vector<EvaluatorTables::RankKeySlot> slots_;
};

// Rank multisets of five, six and seven cards, each with the strength of its best five-card class
// (flushes aside).
KeyDictionary rankKeyStrengths(const std::vector<ClassEntry>& entries) {
    KeyDictionary strengths;
    std::array<std::vector<std::uint32_t>, 3> keysBySize; // five, six, seven cards
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (!entries[index].isFlush) {
            const std::uint32_t key = rankKeyOf(entries[index].cards);
            const auto strength = static_cast<std::uint16_t>(EvaluatorTables::classCount - index);
            const bool isNew = strengths.insertOrRaise(key, strength);
            CW_PRECONDITION(isNew);
            keysBySize[0].push_back(key);
        }
    }
    // A six- or seven-card multiset is worth its best one-card-smaller multiset. Growing every
    // smaller key by one card reaches each larger key from all of those, so it keeps their maximum.
    for (std::size_t size = 1; size < 3; ++size) {
        for (const std::uint32_t smaller : keysBySize[size - 1]) {
            const std::uint16_t strength = strengths.at(smaller);
            const auto counts = rankCounts(smaller);
            for (std::size_t rank = 0; rank < rankCount; ++rank) {
                if (counts[rank] == 4) {
                    continue;
                }
                const std::uint32_t larger = smaller + powersOf5[rank];
                if (strengths.insertOrRaise(larger, strength)) {
                    keysBySize[size].push_back(larger);
                }
            }
        }
    }
    return strengths;
}

} // namespace

EvaluatorTables::EvaluatorTables()
    : classes_(classCount + 1) {
    const std::vector<ClassEntry> entries = classesBestFirst();

    for (std::size_t index = 0; index < entries.size(); ++index) {
        const ClassEntry& entry = entries[index];
        const auto strength = static_cast<std::uint16_t>(classCount - index);
        HandClass& handClass = classes_[strength];
        handClass.category = entry.category;
        for (const int rank : entry.ranks) {
            handClass.ranks.push_back(allRanks[static_cast<std::size_t>(rank)]);
        }
        if (entry.isFlush) {
            flush_[rankMask(entry.cards)] = strength;
        }
    }

    // Six or seven cards of one suit: the best five-card flush among them, which is the best of
    // the flushes left after taking away any one card. Every such smaller mask is a smaller
    // number, so counting upward finds it already filled.
    std::array<std::uint8_t, flushTableSize> bitCounts{};
    for (unsigned mask = 1; mask < flushTableSize; ++mask) {
        bitCounts[mask] = static_cast<std::uint8_t>(bitCounts[mask >> 1] + (mask & 1));
        if (bitCounts[mask] != 6 && bitCounts[mask] != 7) {
            continue;
        }
        std::uint16_t best = 0;
        for (unsigned rest = mask; rest != 0; rest &= rest - 1) {
            best = std::max(best, flush_[mask & ~(rest & (0 - rest))]);
        }
        flush_[mask] = best;
    }

    rankKeySlots_ = rankKeyStrengths(entries).slots();
    rankHash_.place(rankKeySlots_);
}

} // namespace PokerEngine
