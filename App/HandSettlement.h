#pragma once

#include "Game/GameSetup.h"
#include "Game/TableOver.h"
#include "Persistence/BookedHand.h"
#include "Persistence/SessionEvent.h"

#include "PokerEngine/GameState.h"
#include "PokerEngine/PlayerID.h"

#include <optional>
#include <string>
#include <vector>

// What a finished hand means for the player: the entries the ledger books (the hand, and the table
// when the hand ends it), how the table ended, if it did, and the mark the booking is kept under. A
// pure function of the table, so the same hand settles alike when it is played and when its save is
// read back after a stop.
struct HandSettlement {
    std::vector<SessionEvent> entries;
    std::optional<TableOver> over;
    BookedHand mark;

    bool operator==(const HandSettlement&) const = default;
};

// Absent for a practice table, a hand that is not complete, or a table where the hero was not dealt in.
std::optional<HandSettlement> settleHand(const GameSetup& setup, const PokerEngine::PlayerID& hero,
                                         const PokerEngine::GameState& completed);

// A name of one finished hand of one table, the same whenever that hand's state is met again: a
// digest of its whole state, whose players' identities are drawn at random for every table.
std::string handMark(const PokerEngine::GameState& completed);

// A name of one table, the same in each of its saves: a digest of its setup, whose seed is drawn at
// random for every table, and of the player's identity at it.
std::string tableMark(const GameSetup& setup, const PokerEngine::PlayerID& hero);
