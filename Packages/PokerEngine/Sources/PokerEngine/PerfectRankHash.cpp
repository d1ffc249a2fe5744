#include "PokerEngine/PerfectRankHash.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <vector>

namespace PokerEngine {

namespace {

struct HomedStrength {
    std::size_t home;
    std::uint16_t strength;
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
    const auto slotOf = [](std::size_t home, std::size_t displacement) {
        return (home + displacement) & (slotCount - 1);
    };
    for (std::size_t size = largestBucket; size > 0; --size) {
        for (const std::size_t b : bucketsBySize[size]) {
            const auto first = keys.begin() + static_cast<std::ptrdiff_t>(bucketStart[b]);
            const auto last = first + static_cast<std::ptrdiff_t>(size);
            std::size_t displacement = 0;
            // Strength 0 marks a free slot.
            while (displacement < slotCount && std::any_of(first, last, [&](const HomedStrength& key) {
                       return strengths_[slotOf(key.home, displacement)] != 0;
                   })) {
                ++displacement;
            }
            CW_PRECONDITION(displacement < slotCount);
            displacements_[b] = static_cast<std::uint32_t>(displacement << homeShift);
            for (auto key = first; key != last; ++key) {
                std::uint16_t& slot = strengths_[slotOf(key->home, displacement)];
                // Two keys of one bucket sharing a home slot could never be separated.
                CW_PRECONDITION(slot == 0);
                slot = key->strength;
            }
        }
    }
}

} // namespace PokerEngine
