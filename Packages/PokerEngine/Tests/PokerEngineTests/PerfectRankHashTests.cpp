#include "PokerEngine/HandEvaluatorCardTable.h"
#include "PokerEngine/PerfectRankHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace PokerEngine;

namespace {

struct Multiset {
    std::uint32_t rankKey;
    std::uint32_t weightSum;
    int size;
};

// Every multiset of up to seven ranks with at most four of each, with its rank key and its sum of
// the hash's rank weights.
std::vector<Multiset> multisetsUpToSeven() {
    std::vector<Multiset> all;
    const auto extend = [&](const auto& self, std::size_t rank, Multiset so) -> void {
        if (rank == PerfectRankHash::rankWeights.size()) {
            all.push_back(so);
            return;
        }
        for (int count = 0; count <= 4 && so.size + count <= 7; ++count) {
            const auto times = static_cast<std::uint32_t>(count);
            self(self, rank + 1,
                 {so.rankKey + times * powersOf5[rank],
                  so.weightSum + times * PerfectRankHash::rankWeights[rank], so.size + count});
        }
    };
    extend(extend, 0, {0, 0, 0});
    return all;
}

} // namespace

TEST(PerfectRankHash, RankWeightsGiveEveryMultisetItsOwnSum) {
    const std::vector<Multiset> all = multisetsUpToSeven();
    std::vector<std::uint32_t> sums;
    std::vector<std::uint32_t> words;
    for (const Multiset& multiset : all) {
        ASSERT_LE(multiset.weightSum, PerfectRankHash::hashMask);
        sums.push_back(multiset.weightSum);
        words.push_back(PerfectRankHash::wordOfKey(multiset.rankKey));
    }
    std::sort(sums.begin(), sums.end());
    EXPECT_EQ(std::adjacent_find(sums.begin(), sums.end()), sums.end());
    // The words scatter the sums without merging any two.
    std::sort(words.begin(), words.end());
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end()), words.end());
}

TEST(PerfectRankHash, FindsEveryStoredMultisetOfFiveToSevenCards) {
    std::vector<RankKeyStrength> entries;
    for (const Multiset& multiset : multisetsUpToSeven()) {
        if (multiset.size >= 5) {
            // Neighbouring multisets get unrelated strengths, so a lookup one slot off shows.
            const auto strength = static_cast<std::uint16_t>((entries.size() * 7919) % 7462 + 1);
            entries.push_back({multiset.rankKey, strength});
            entries.push_back({});
        }
    }
    ASSERT_EQ(entries.size(), 2u * 73'775u);
    const PerfectRankHash hash(entries);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            ASSERT_EQ(hash.strength(entry.key), entry.strength) << entry.key;
        }
    }
}

TEST(PerfectRankHash, SumsTheWordsOfCardsAsTheirKeysAdd) {
    // Seven cards summed one word at a time, carries out of the top included, give the word of
    // their whole key: four aces and three kings, the largest key.
    std::uint64_t sum = 0;
    for (const std::size_t rank : {12, 12, 12, 12, 11, 11, 11}) {
        sum += PerfectRankHash::wordOfRank(rank);
    }
    EXPECT_EQ(HandEvaluatorCardTable::rankWordOf(sum), PerfectRankHash::wordOfKey(1'123'046'875u));
}

TEST(PerfectRankHashDeathTest, StopsOnTwoStrengthsForOneKey) {
    const std::vector<RankKeyStrength> entries = {{9, 1}, {9, 2}};
    EXPECT_DEATH(PerfectRankHash{entries}, "Precondition failed");
}
