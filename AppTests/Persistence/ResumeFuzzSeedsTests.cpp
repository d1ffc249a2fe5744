// The resume fuzzer's mutations, run briefly and deterministically on the saves the game itself
// writes, so a save that stops the program on resume cannot come back unnoticed. scripts/fuzz runs
// the same mutations for as long as one likes under libFuzzer.
#include "ResumeProbe.h"
#include "SaveMutator.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string>& seeds() {
    static const std::vector<std::string> saves = ResumeProbe::seedSaves();
    return saves;
}

TEST(ResumeFuzzSeeds, TheGamesOwnSavesResumeAndPlayOn) {
    ASSERT_GE(seeds().size(), 10u);
    for (const auto& seed : seeds()) {
        const auto outcome = ResumeProbe::resumeAndPlay(seed, 30);
        EXPECT_TRUE(outcome.resumed);
        EXPECT_GT(outcome.moves, 0);
    }
}

TEST(ResumeFuzzSeeds, MutatedSavesAreRefusedOrPlayOnWithoutStopping) {
    constexpr int mutationsPerSeed = 40;
    int resumed = 0;
    int refused = 0;
    for (std::size_t index = 0; index < seeds().size(); ++index) {
        std::string text = seeds()[index];
        for (int round = 0; round < mutationsPerSeed; ++round) {
            // Each mutation builds on the last, as a fuzzer's chain of inputs does.
            text = mutateSave(text, index * 1000 + static_cast<std::uint64_t>(round));
            const auto outcome = ResumeProbe::resumeAndPlay(text, 12);
            (outcome.resumed ? resumed : refused) += 1;
            if (!outcome.resumed) {
                text = seeds()[index];
            }
        }
    }
    // Both roads are taken many times: damage the checks refuse, and damage that still plays.
    EXPECT_GT(resumed, 50) << refused << " refused";
    EXPECT_GT(refused, 50) << resumed << " resumed";
}

TEST(ResumeFuzzSeeds, MutationsAreDeterministicAndChangeTheSave) {
    const auto& seed = seeds().front();
    EXPECT_EQ(mutateSave(seed, 42), mutateSave(seed, 42));
    int changed = 0;
    for (std::uint64_t round = 0; round < 50; ++round) {
        changed += mutateSave(seed, round) != seed ? 1 : 0;
    }
    EXPECT_GT(changed, 40);
    EXPECT_NE(mutateSave("not json", 1), "not json");
    // A file worn down to one bare value, or to nothing in a list or object, mutates on.
    for (const char* worn : {"5", "\"As\"", "null", "[]", "{}", "true"})
        for (std::uint64_t round = 0; round < 50; ++round)
            EXPECT_NO_THROW(mutateSave(worn, round)) << worn;
}

} // namespace
