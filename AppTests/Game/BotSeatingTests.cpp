#include "Game/BotSeating.h"

#include "BotKit/BotCast.h"

#include <gtest/gtest.h>

#include <set>

using BotKit::BotProfile;
using BotKit::BotTier;

namespace {

std::set<std::string> avatars(const std::vector<BotProfile>& profiles) {
    std::set<std::string> slugs;
    for (const auto& profile : profiles) {
        slugs.insert(profile.avatar);
    }
    return slugs;
}

BotTier characterTier(const BotProfile& profile) {
    return BotKit::BotCast::character(profile.avatar)->tier;
}

} // namespace

TEST(BotSeating, TheSeedDecidesWhoSitsWhere) {
    EXPECT_EQ(BotSeating::opponents(5, TableDifficulty::mixed, 42),
              BotSeating::opponents(5, TableDifficulty::mixed, 42));
    bool differs = false;
    for (std::uint64_t seed = 1; seed < 6; ++seed) {
        differs = differs || BotSeating::opponents(5, TableDifficulty::hard, seed) !=
                                 BotSeating::opponents(5, TableDifficulty::hard, seed + 100);
    }
    EXPECT_TRUE(differs);
    EXPECT_TRUE(BotSeating::opponents(0, TableDifficulty::easy, 1).empty());
}

TEST(BotSeating, ASingleTierSeatsItsOwnCharactersFirst) {
    for (std::uint64_t seed : {1u, 2u, 99u}) {
        const auto seated = BotSeating::opponents(5, TableDifficulty::easy, seed);
        ASSERT_EQ(seated.size(), 5u);
        EXPECT_EQ(avatars(seated).size(), 5u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(characterTier(seated[i]), BotTier::easy);
        }
        EXPECT_NE(characterTier(seated[4]), BotTier::easy);
        for (const auto& profile : seated) {
            EXPECT_EQ(profile.tier, BotTier::easy);
            EXPECT_EQ(profile.looseness, 0.5);
            EXPECT_EQ(profile.aggression, 0.2);
            EXPECT_EQ(profile.bluffFrequency, 0.02);
            EXPECT_EQ(profile.name, BotKit::BotCast::character(profile.avatar)->name);
        }
    }
}

TEST(BotSeating, MixedRotatesTheTiers) {
    const auto seated = BotSeating::opponents(5, TableDifficulty::mixed, 7);
    const std::vector<BotTier> expected{BotTier::easy, BotTier::medium, BotTier::hard, BotTier::easy,
                                        BotTier::medium};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(seated[i].tier, expected[i]);
        EXPECT_EQ(characterTier(seated[i]), expected[i]);
        EXPECT_EQ(seated[i], BotProfile::standard(expected[i], seated[i].name, seated[i].avatar));
    }
    EXPECT_NE(seated[0].avatar, seated[3].avatar);
}

TEST(BotSeating, QuickHandSetups) {
    EXPECT_EQ(makeQuickHandSetup(TableDifficulty::mixed, 7, 3).opponent.tier, BotTier::medium);
    EXPECT_EQ(makeQuickHandSetup(TableDifficulty::mixed, 9, 3).opponent.tier, BotTier::easy);
    EXPECT_EQ(makeQuickHandSetup(TableDifficulty::mixed, 5, 3).opponent.tier, BotTier::hard);
    EXPECT_EQ(makeQuickHandSetup(TableDifficulty::easy, 5, 0).hands, 1);
    EXPECT_EQ(makeQuickHandSetup(TableDifficulty::easy, 5, 99).hands, 50);
    const auto setup = makeQuickHandSetup(TableDifficulty::hard, 12, 10);
    EXPECT_EQ(setup.seed, 12u);
    EXPECT_EQ(setup.opponent, BotSeating::opponents(1, TableDifficulty::hard, 12).front());
}

TEST(BotSeating, ReplacementsNeverRepeatASeatedCharacter) {
    // Every easy character seated: the newcomer comes from the others but plays easy.
    const auto easyFour = BotSeating::opponents(4, TableDifficulty::easy, 3);
    for (std::uint64_t stream = 0; stream < 20; ++stream) {
        PokerEngine::SeededRNG rng(3, stream);
        const auto newcomer = BotSeating::replacement(BotTier::easy, easyFour, rng);
        EXPECT_FALSE(avatars(easyFour).contains(newcomer.avatar));
        EXPECT_NE(characterTier(newcomer), BotTier::easy);
        EXPECT_EQ(newcomer.tier, BotTier::easy);
    }
    // A hard table takes a free hard character while one is left; mixed keeps the character's tier.
    const auto seated = BotSeating::opponents(3, TableDifficulty::hard, 8);
    for (std::uint64_t stream = 0; stream < 20; ++stream) {
        PokerEngine::SeededRNG hard(8, stream);
        const auto newcomer = BotSeating::replacement(BotTier::hard, seated, hard);
        EXPECT_EQ(characterTier(newcomer), BotTier::hard);
        EXPECT_FALSE(avatars(seated).contains(newcomer.avatar));
        PokerEngine::SeededRNG any(8, stream);
        const auto mixed = BotSeating::replacement(std::nullopt, seated, any);
        EXPECT_EQ(mixed.tier, characterTier(mixed));
    }
    // One draw from the caller's generator; a stranger's avatar excludes nothing.
    PokerEngine::SeededRNG rng(1, 1);
    PokerEngine::SeededRNG copy = rng;
    BotProfile stranger = BotProfile::standard(BotTier::easy, "Nobody", "nobody");
    BotSeating::replacement(std::nullopt, {stranger}, rng);
    copy.next(12);
    EXPECT_EQ(rng, copy);
}
