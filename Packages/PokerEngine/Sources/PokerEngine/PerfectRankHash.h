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
// the key's multiplicative hash names a bucket (its top bits) and a home slot (the bits below);
// each bucket has a displacement, chosen when the table is built, that moves all of its keys to
// slots no other key uses. A lookup is one multiplication and two reads from 272 KiB of tables,
// small enough to stay in a core's cache. The tables are held inline, so an owner with a fixed
// address (the evaluator's shared tables) is read without loading a pointer first.
class PerfectRankHash {
  public:
    static constexpr unsigned bucketBits = 14;
    static constexpr unsigned slotBits = 17;
    static constexpr std::size_t bucketCount = std::size_t{1} << bucketBits;
    static constexpr std::size_t slotCount = std::size_t{1} << slotBits;

    // Holds nothing until place() is called: for an owner that has the entries only later.
    PerfectRankHash() = default;
    explicit PerfectRankHash(std::span<const RankKeyStrength> entries) { place(entries); }

    // Places every entry with a non-zero key into the empty table; stops the program if they cannot
    // all be placed.
    void place(std::span<const RankKeyStrength> entries);

    // The strength stored for a key; a key that was never stored gives an arbitrary value.
    std::uint16_t strength(std::uint32_t rankKey) const {
        const std::uint64_t hash = std::uint64_t{rankKey} * multiplier;
        const std::size_t slot = (home(hash) + displacements_[bucket(hash)]) & (slotCount - 1);
        return strengths_[slot];
    }

  private:
    static constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15ull;

    static std::size_t bucket(std::uint64_t hash) {
        return static_cast<std::size_t>(hash >> (64 - bucketBits));
    }
    static std::size_t home(std::uint64_t hash) {
        return static_cast<std::size_t>(hash >> (64 - bucketBits - slotBits));
    }

    std::array<std::uint8_t, bucketCount> displacements_{};
    std::array<std::uint16_t, slotCount> strengths_{};
};

} // namespace PokerEngine
