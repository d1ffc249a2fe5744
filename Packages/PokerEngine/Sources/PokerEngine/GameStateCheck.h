#pragma once

#include "PokerEngine/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace PokerEngine {

// More chips than any table can come to hold. Every amount in a sound state, and the table's total,
// stays at or below it, so sums and multiples of amounts (a minimum raise, a pot, the bots' bet
// sizes) stay far inside 64 bits.
inline constexpr std::int64_t maxTableChips = std::int64_t{1} << 40;

// What makes a state one the engine could not have made, or absent when it is sound: seat count and
// indexes, a deck the engine deals from that holds none of the cards already out, distinct cards,
// board size for the street, chips within range and only where the hand can hold them, a hand in
// progress with two players in it and a seat to act that can act, a usable blind schedule, a log
// that names real seats, and chips that add up: each stack from the hand's start through the log,
// the chips committed, and the pots; an uncalled bet returned only to the one seat above the rest and
// no more than nobody matched; each pot of a settled hand awarded once, whole, to seats still in the
// hand that can win it; and no all-in seat with chips behind. A sound state can be played on by the engine
// and the bots to the end of the table without stopping the program, and books what was played.
std::optional<std::string> findInconsistency(const GameState& state);

} // namespace PokerEngine
