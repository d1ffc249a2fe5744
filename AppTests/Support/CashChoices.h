#pragma once

#include "Game/CashStakes.h"
#include "Persistence/NewGameChoices.h"

#include <cstdint>

// Remembered new-game choices for a cash table, as the lobby's sheet and "Play Again" read them.
inline NewGameChoices cashChoices(CashStakes stakes, std::int64_t buyInBB, std::int64_t opponents = 5) {
    NewGameChoices choices;
    choices.cashStakes = stakes;
    choices.cashBuyInBB = buyInBB;
    choices.cashOpponents = opponents;
    return choices;
}
