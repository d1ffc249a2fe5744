#pragma once

#include "Game/GameSetup.h"

#include "BotKit/BotProfile.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/TableConfig.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

// What each game mode means at the table: its engine configuration, its bots, its prizes and the
// pace of play.
namespace GameModeRules {

inline constexpr std::int64_t quickHandStack = 2000;
inline constexpr std::int64_t practiceStack = 1000;
inline constexpr std::int64_t sitAndGoStack = 1500;
inline constexpr std::int64_t sitAndGoSeats = 6;
inline constexpr std::int64_t sitAndGoBuyIn = 500;
inline constexpr std::int64_t sitAndGoPrizePool = 3000;

// The chips won for finishing a Sit & Go in `place` (1 to 6).
std::int64_t sitAndGoPrize(int place);

// The chips a player must be able to spend to start a game of `mode`: a cash table's is its smallest
// buy-in, 40 big blinds at the low stakes.
std::int64_t entryCost(GameMode mode);
// What starting `setup` takes from the bankroll: a cash table's buy-in, otherwise its mode's cost.
std::int64_t setupCost(const GameSetup& setup);

// A cash table's buy-in is 40 to 100 big blinds.
inline constexpr std::int64_t cashMinimumBuyInBB = 40;
inline constexpr std::int64_t cashMaximumBuyInBB = 100;

// The bots in seat order after the player's seat.
std::vector<BotKit::BotProfile> botsOf(const GameSetup& setup);
// The chips each player (and each replacement bot) sits down with.
std::int64_t startingStack(const GameSetup& setup);
PokerEngine::TableConfig tableConfig(const GameSetup& setup);

// How long a completed hand's result stays on screen before the automatic deal: longer when hands
// were shown, and longer again for every side pot to read.
std::chrono::milliseconds resultDuration(const std::vector<PokerEngine::HandEvent>& log);

} // namespace GameModeRules
