#pragma once

#include "PokerEngine/GameState.h"

#include <optional>
#include <string>

namespace PokerEngine {

// What makes a state one the engine could not have made, or absent when it is sound: seat
// count and indexes, a deck the engine deals from, distinct cards, board size for the street,
// non-negative chips, a usable blind schedule. Every engine operation can run on a sound state
// without stopping the program.
std::optional<std::string> findInconsistency(const GameState& state);

} // namespace PokerEngine
