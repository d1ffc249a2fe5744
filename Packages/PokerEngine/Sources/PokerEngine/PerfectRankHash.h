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

// Every rank key of five to seven cards mapped to its strength without probing or comparing keys:
// the key's 32-bit multiplicative hash names a bucket (its low bits) and a home slot (its top
// bits); each bucket has a displacement, chosen when the table is built, that moves all of its
// keys to slots no other key uses. A lookup is one multiplication, a mask and a shift, one addition
// and two reads. The displacements are 16 KiB, half a core's first-level data cache, so they stay
// there beside the cards and the flush table while the strengths come from the second level. The
// tables are held inline, so an owner with a fixed address (the evaluator's shared tables) is read
// without loading a pointer first.
class PerfectRankHash {
  public:
    static constexpr unsigned bucketBits = 13;
    static constexpr unsigned slotBits = 17;
    static constexpr std::size_t bucketCount = std::size_t{1} << bucketBits;
    static constexpr std::size_t homeCount = std::size_t{1} << slotBits;
    // Displacements stay below this, and the strengths run this far past the last home so that a
    // displaced key needs no wrapping round. The evaluator's keys need up to 16,422.
    static constexpr std::size_t displacementLimit = 20 * 1024;
    static constexpr std::size_t slotCount = homeCount + displacementLimit;

    // Holds nothing until place() is called: for an owner that has the entries only later.
    PerfectRankHash() = default;
    explicit PerfectRankHash(std::span<const RankKeyStrength> entries) { place(entries); }

    // Places every entry with a non-zero key into the empty table; stops the program if they cannot
    // all be placed.
    void place(std::span<const RankKeyStrength> entries);

    // A key's hash is the key times this, modulo 2^32. Odd, so the key follows back from its hash.
    static constexpr std::uint32_t multiplier = 0x9E3779B1u;

    // The strength stored for a key; a key that was never stored gives an arbitrary value.
    std::uint16_t strength(std::uint32_t rankKey) const { return strengthOfHash(rankKey * multiplier); }
    // The same for a key's hash, for a caller that has summed it already.
    std::uint16_t strengthOfHash(std::uint32_t hash) const {
        return strengths_[home(hash) + displacements_[bucket(hash)]];
    }

  private:
    static constexpr unsigned homeShift = 32 - slotBits;

    // The low bits of the product depend only on the key's low bits, which is good enough to group
    // keys; the top bits, which depend on all of them, place the keys within their group.
    static std::size_t bucket(std::uint32_t hash) { return hash & (bucketCount - 1); }
    static std::size_t home(std::uint32_t hash) { return hash >> homeShift; }

    std::array<std::uint16_t, bucketCount> displacements_{};
    std::array<std::uint16_t, slotCount> strengths_{};
};

} // namespace PokerEngine
