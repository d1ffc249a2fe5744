#pragma once

#include "Game/GameMode.h"
#include "Game/GameSetup.h"
#include "Persistence/NewGameChoices.h"

#include <cstdint>

// What the player's remembered new-game choices seat: the choices belong to the profile, the tables
// they make to the game's rules.
namespace ChoicesSetup {

// The buy-in in big blinds for a remembered choice: within the stakes' 40 to 100, and no more than
// the spendable chips reach. When they reach less than 40 it stays 40: that table costs more than the
// player can spend, and its start is refused rather than seated short.
std::int64_t cashBuyInBB(const NewGameChoices& choices, std::int64_t spendable);
// A fresh game of `mode` from the player's remembered choices, seated from `seed`: a Quick Hand of
// the remembered difficulty and length, a Sit & Go of five, a cash table at the remembered stakes with
// 1 to 5 opponents and the buy-in above, or the practice hand (which always deals the same cards).
// Every place that starts a game from the choices builds it here, so they all seat the same table.
GameSetup setupFromChoices(GameMode mode, const NewGameChoices& choices, std::int64_t spendable,
                           std::uint64_t seed);

} // namespace ChoicesSetup
