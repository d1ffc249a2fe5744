#pragma once

#include "PokerEngine/Pot.h"
#include "PokerEngine/Seat.h"

#include <vector>

namespace PokerEngine {

// The pots that the chips each seat put in before the current street make (its total committed
// less its street bet): a pot for each level of commitment a seat still in the hand reached, open to
// every seat in the hand that reached it, the main pot first. Chips folded seats put in above every
// level go to the last pot. The engine builds its pots with this, and the check of a saved state
// rebuilds a finished hand's pots with it to hold the awards against.
std::vector<Pot> potsFromCommitments(const std::vector<Seat>& seats);

} // namespace PokerEngine
