#include "PokerEngine/HandEvaluatorCardTable.h"
#include "PokerEngine/PerfectRankHash.h"

#include <gtest/gtest.h>

#include <vector>

using namespace PokerEngine;

TEST(PerfectRankHash, FindsEveryStoredKeyAndSkipsEmptySlots) {
    // Keys spread as the evaluator's are, including neighbours that share most of their hash,
    // between the empty slots of an open-addressing table.
    std::vector<RankKeyStrength> entries;
    for (std::uint32_t key = 9; key < 1'123'046'875u; key = key * 7 + 3) {
        entries.push_back({key, static_cast<std::uint16_t>(entries.size() % 7462 + 1)});
        entries.push_back({key + 1, static_cast<std::uint16_t>((entries.size() * 31) % 7462 + 1)});
        entries.push_back({});
    }
    const PerfectRankHash hash(entries);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            EXPECT_EQ(hash.strength(entry.key), entry.strength) << entry.key;
        }
    }
}

// The key whose hash is the given one: the multiplier is odd, so its inverse modulo 2^32 undoes it.
std::uint32_t keyWithHash(std::uint32_t hash) {
    return hash * HandEvaluatorCardTable::rankHashInverse;
}

TEST(PerfectRankHash, PlacesKeysCrowdedAtTheLastHomesPastTheEnd) {
    // Hundreds of buckets whose keys all want the same last few home slots: most must be displaced
    // beyond the last home, and every one must still be found.
    constexpr unsigned homeShift = 32 - PerfectRankHash::slotBits;
    std::vector<RankKeyStrength> entries;
    for (std::uint32_t bucket = 1; bucket <= 300; ++bucket) {
        for (std::uint32_t fromTop = 0; fromTop < 20; ++fromTop) {
            const auto home = static_cast<std::uint32_t>(PerfectRankHash::homeCount - 1 - fromTop);
            const std::uint32_t key = keyWithHash((home << homeShift) | bucket);
            entries.push_back({key, static_cast<std::uint16_t>(bucket * 20 + fromTop)});
        }
    }
    const PerfectRankHash hash(entries);
    for (const RankKeyStrength& entry : entries) {
        ASSERT_EQ(hash.strength(entry.key), entry.strength) << entry.key;
    }
}
