#include "Game/BotSeating.h"

#include "BotKit/BotCast.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

using BotKit::BotCharacter;
using BotKit::BotProfile;
using BotKit::BotTier;

namespace {

// Draws exactly once per character, the last draw with bound 1: the count is part of the seating's
// contract, because later draws of the same stream depend on it.
std::vector<BotCharacter> shuffled(std::vector<BotCharacter> characters, PokerEngine::SeededRNG& rng) {
    for (auto k = static_cast<std::int64_t>(characters.size()); k >= 1; --k) {
        const std::int64_t j = rng.next(k);
        if (j != k - 1) {
            std::swap(characters[static_cast<std::size_t>(k - 1)], characters[static_cast<std::size_t>(j)]);
        }
    }
    return characters;
}

BotProfile profileOf(const BotCharacter& character, BotTier tier) {
    return BotProfile::standard(tier, character.name, character.slug);
}

} // namespace

namespace BotSeating {

std::optional<BotTier> tier(TableDifficulty difficulty) {
    switch (difficulty) {
    case TableDifficulty::easy:
        return BotTier::easy;
    case TableDifficulty::medium:
        return BotTier::medium;
    case TableDifficulty::hard:
        return BotTier::hard;
    case TableDifficulty::mixed:
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<BotProfile> opponents(int count, TableDifficulty difficulty, std::uint64_t seed) {
    CW_PRECONDITION(count >= 0);
    PokerEngine::SeededRNG rng(seed, seatingStream);
    std::vector<BotProfile> seated;
    if (const auto single = tier(difficulty)) {
        std::vector<BotCharacter> candidates = shuffled(BotKit::BotCast::characters(*single), rng);
        std::vector<BotCharacter> others;
        for (const BotCharacter& character : BotKit::BotCast::all()) {
            if (character.tier != *single) {
                others.push_back(character);
            }
        }
        others = shuffled(std::move(others), rng);
        candidates.insert(candidates.end(), others.begin(), others.end());
        const auto taken = std::min<std::size_t>(static_cast<std::size_t>(count), candidates.size());
        for (std::size_t i = 0; i < taken; ++i) {
            seated.push_back(profileOf(candidates[i], *single));
        }
        return seated;
    }
    std::vector<std::vector<BotCharacter>> byTier;
    for (const BotTier each : BotKit::allBotTiers) {
        byTier.push_back(shuffled(BotKit::BotCast::characters(each), rng));
    }
    for (int i = 0; i < count; ++i) {
        const auto& group = byTier[static_cast<std::size_t>(i % 3)];
        const auto index = static_cast<std::size_t>(i / 3);
        CW_PRECONDITION(index < group.size());
        seated.push_back(profileOf(group[index], group[index].tier));
    }
    return seated;
}

BotProfile replacement(std::optional<BotTier> wanted, const std::vector<BotProfile>& seated,
                       PokerEngine::SeededRNG& rng) {
    std::set<std::string> taken;
    for (const BotProfile& profile : seated) {
        taken.insert(profile.avatar);
    }
    std::vector<BotCharacter> free;
    for (const BotCharacter& character : BotKit::BotCast::all()) {
        if (!taken.contains(character.slug)) {
            free.push_back(character);
        }
    }
    std::vector<BotCharacter> pool;
    if (wanted) {
        std::copy_if(free.begin(), free.end(), std::back_inserter(pool),
                     [&](const BotCharacter& character) { return character.tier == *wanted; });
    }
    if (pool.empty()) {
        pool = free;
    }
    CW_PRECONDITION(!pool.empty());
    const auto index = static_cast<std::size_t>(rng.next(static_cast<std::int64_t>(pool.size())));
    const BotCharacter& chosen = pool[index];
    return profileOf(chosen, wanted.value_or(chosen.tier));
}

} // namespace BotSeating

QuickHandSetup makeQuickHandSetup(TableDifficulty difficulty, std::uint64_t seed, std::int64_t hands) {
    if (difficulty == TableDifficulty::mixed) {
        constexpr std::array<TableDifficulty, 3> rotation{TableDifficulty::easy, TableDifficulty::medium,
                                                          TableDifficulty::hard};
        difficulty = rotation[seed % 3];
    }
    const auto opponent = BotSeating::opponents(1, difficulty, seed);
    CW_PRECONDITION(opponent.size() == 1);
    return QuickHandSetup{opponent.front(), seed, std::clamp<std::int64_t>(hands, 1, 50)};
}
