#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace PokerEngine {

// A rank key (the base-5 count of each rank) and the strength stored for it.
struct RankKeyStrength {
    std::uint32_t key = 0;
    std::uint16_t strength = 0;

    bool operator==(const RankKeyStrength&) const = default;
};

// Every rank multiset of five to seven cards mapped to its strength with two reads and no probing
// or comparing of keys. A multiset is summed with small per-rank weights under which no two
// multisets of up to seven cards share a sum, and every sum stays below 2^25; times an odd number
// modulo 2^25 that sum is still unique, but scattered. Its top bits name a row, the rest a column
// within the row, and each row has a displacement, chosen when the table is built, that moves all
// of its columns to slots no other row uses. Because the rows are narrow and hold unique columns,
// they interleave almost without gaps: 73,775 keys take about 84,000 slots (164 KiB), which leaves
// most of a core's second-level cache for everything else and touches few enough pages for the
// first-level TLB, while the displacements (16 KiB) stay in the first-level cache. The tables are
// held inline, so an owner with a fixed address (the evaluator's shared tables) is read without
// loading a pointer first.
//
// Cards carry their rank's hash already shifted into a word (see wordOfRank): summing the words of
// a hand modulo 2^32 sums the hashes modulo 2^25, so a lookup is two shifts, a mask, an addition and
// the two reads.
class PerfectRankHash {
  public:
    // Two to ace. Found by giving each rank in turn the smallest weight that keeps the sums of all
    // multisets of up to seven cards, at most four of a rank, distinct; the tests check it.
    static constexpr std::array<std::uint32_t, 13> rankWeights = {
        1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359, 3453520,
    };
    static constexpr unsigned hashBits = 25;
    static constexpr std::uint32_t hashMask = (std::uint32_t{1} << hashBits) - 1;
    // Odd, so multiplying by it modulo 2^25 loses nothing.
    static constexpr std::uint32_t multiplier = 0x9E3779B1u & hashMask;
    static constexpr unsigned rowBits = 13;
    static constexpr unsigned columnBits = hashBits - rowBits;
    static constexpr std::size_t rowCount = std::size_t{1} << rowBits;
    // Displacements count pairs of slots, so that 16 bits reach past the end of the table.
    static constexpr std::size_t displacementStep = 2;
    static constexpr std::size_t slotCount = 88 * 1024;
    static_assert(slotCount <= displacementStep * 65536);

    // Holds nothing until place() is called: for an owner that has the entries only later.
    PerfectRankHash() = default;
    explicit PerfectRankHash(std::span<const RankKeyStrength> entries) { place(entries); }

    // Places every entry with a non-zero key into the empty table; stops the program if they cannot
    // all be placed. The keys must be multisets of at most seven cards.
    void place(std::span<const RankKeyStrength> entries);

    // What one card of a rank (index 0 for two ... 12 for ace) adds to a hand's word: its hash in
    // the word's top 25 bits, so that what a sum carries out of the top leaves the hash intact.
    static constexpr std::uint32_t wordOfRank(std::size_t rank) {
        return ((rankWeights[rank] * multiplier) & hashMask) << (32 - hashBits);
    }
    // The word of a whole multiset, given as a rank key.
    static constexpr std::uint32_t wordOfKey(std::uint32_t rankKey) {
        std::uint32_t word = 0;
        for (std::size_t rank = 0; rankKey != 0; ++rank, rankKey /= 5) {
            word += (rankKey % 5) * wordOfRank(rank);
        }
        return word;
    }

    // The strength stored for a key; a key that was never stored gives an arbitrary value.
    std::uint16_t strength(std::uint32_t rankKey) const { return strengthOfWord(wordOfKey(rankKey)); }
    // The same for the sum of the cards' words, for a caller that has summed them already.
    std::uint16_t strengthOfWord(std::uint32_t word) const {
        const std::size_t column = (word >> (32 - hashBits)) & ((std::uint32_t{1} << columnBits) - 1);
        return strengths_[column + displacementStep * displacements_[word >> (32 - rowBits)]];
    }

  private:
    std::array<std::uint16_t, rowCount> displacements_{};
    std::array<std::uint16_t, slotCount> strengths_{};
};

} // namespace PokerEngine
