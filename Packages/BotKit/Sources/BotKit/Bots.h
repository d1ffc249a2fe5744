#pragma once

#include "PokerEngine/SeededRNG.h"

#include <cstdint>

namespace BotKit::Bots {

// The generator of the bot seated at `seat` when a table starts: its own stream of the table's
// seed, so one seat's draws never shift another's. A negative seat stops the program.
PokerEngine::SeededRNG rng(std::uint64_t tableSeed, std::int64_t seat);

} // namespace BotKit::Bots
