#include "PokerEngine/PerfectRankHash.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace PokerEngine {

namespace {

struct HomedStrength {
    std::size_t home;
    std::uint16_t strength;
};

// One bit per slot of a table of `slotCount` slots, set while the slot is free, so a bucket's keys
// try 64 displacements at once: the AND of their 64-slot windows has a bit set for each
// displacement that puts every key on a free slot. Past the end every slot counts as taken.
class FreeSlots {
  public:
    explicit FreeSlots(std::size_t slotCount)
        : words_(slotCount / 64, ~std::uint64_t{0}) {
        words_.push_back(0);
    }

    // Bit i is set when slot (start + i) is free; start is a slot of the table.
    std::uint64_t window(std::size_t start) const {
        const std::size_t word = start / 64;
        const std::size_t shift = start % 64;
        const std::uint64_t low = words_[word] >> shift;
        return shift == 0 ? low : low | (words_[word + 1] << (64 - shift));
    }

    void take(std::size_t slot) { words_[slot / 64] &= ~(std::uint64_t{1} << (slot % 64)); }

  private:
    std::vector<std::uint64_t> words_;
};

} // namespace

void PerfectRankHash::place(std::span<const RankKeyStrength> entries) {
    // The keys grouped by bucket: bucketStart[b] ... bucketStart[b + 1] are bucket b's.
    std::vector<std::size_t> bucketStart(bucketCount + 1, 0);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            ++bucketStart[bucket(entry.key * multiplier) + 1];
        }
    }
    std::size_t largestBucket = 0;
    for (std::size_t b = 0; b < bucketCount; ++b) {
        largestBucket = std::max(largestBucket, bucketStart[b + 1]);
        bucketStart[b + 1] += bucketStart[b];
    }
    std::vector<HomedStrength> keys(bucketStart[bucketCount]);
    std::vector<std::size_t> cursor(bucketStart.begin(), bucketStart.end() - 1);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            const std::uint32_t hash = entry.key * multiplier;
            keys[cursor[bucket(hash)]++] = {home(hash), entry.strength};
        }
    }

    // The fullest buckets first, while the table is still empty enough to take them whole; among
    // equals, in bucket order, so every build gives the same table.
    std::vector<std::vector<std::size_t>> bucketsBySize(largestBucket + 1);
    for (std::size_t b = 0; b < bucketCount; ++b) {
        bucketsBySize[bucketStart[b + 1] - bucketStart[b]].push_back(b);
    }
    static_assert(slotCount % 64 == 0 && displacementLimit % 64 == 0);
    FreeSlots free(slotCount);
    const auto slotOf = [](std::size_t home, std::size_t displacement) { return home + displacement; };
    for (std::size_t size = largestBucket; size > 0; --size) {
        for (const std::size_t b : bucketsBySize[size]) {
            const auto first = keys.begin() + static_cast<std::ptrdiff_t>(bucketStart[b]);
            const auto last = first + static_cast<std::ptrdiff_t>(size);
            // The smallest displacement that fits, found 64 at a time.
            std::size_t displacement = displacementLimit;
            for (std::size_t base = 0; base < displacementLimit; base += 64) {
                std::uint64_t fits = ~std::uint64_t{0};
                for (auto key = first; key != last && fits != 0; ++key) {
                    fits &= free.window(slotOf(key->home, base));
                }
                if (fits != 0) {
                    displacement = base + static_cast<std::size_t>(std::countr_zero(fits));
                    break;
                }
            }
            CW_PRECONDITION(displacement < displacementLimit);
            displacements_[b] = static_cast<std::uint16_t>(displacement);
            for (auto key = first; key != last; ++key) {
                std::uint16_t& slot = strengths_[slotOf(key->home, displacement)];
                // Two keys of one bucket sharing a home slot could never be separated.
                CW_PRECONDITION(slot == 0);
                slot = key->strength;
                free.take(slotOf(key->home, displacement));
            }
        }
    }
}

} // namespace PokerEngine
