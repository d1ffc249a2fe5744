#pragma once

#include "Game/GameSetup.h"
#include "Game/TableDifficulty.h"

#include "BotKit/BotProfile.h"
#include "BotKit/BotTier.h"
#include "PokerEngine/SeededRNG.h"

#include <cstdint>
#include <optional>
#include <vector>

// Which characters of the cast sit at a new table, and who takes a busted bot's seat. Every pick
// is drawn from a seeded generator, so a setup's seed always seats the same opponents.
namespace BotSeating {

// The seating stream of a table's seed.
inline constexpr std::uint64_t seatingStream = 51799;

// `count` opponents in seat order. A single tier seats that tier's characters first (then others,
// all playing at that tier); mixed rotates easy, medium, hard from the first seat.
std::vector<BotKit::BotProfile> opponents(int count, TableDifficulty difficulty, std::uint64_t seed);

// A character not yet seated (recognised by avatar), of `tier` while one is free. One draw.
BotKit::BotProfile replacement(std::optional<BotKit::BotTier> tier,
                               const std::vector<BotKit::BotProfile>& seated, PokerEngine::SeededRNG& rng);

// The tier a difficulty plays at; mixed names none.
std::optional<BotKit::BotTier> tier(TableDifficulty difficulty);

} // namespace BotSeating

// A heads-up quick game: mixed picks a tier by the seed, and the hands are kept within 1 to 50.
QuickHandSetup makeQuickHandSetup(TableDifficulty difficulty, std::uint64_t seed, std::int64_t hands);
