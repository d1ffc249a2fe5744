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
