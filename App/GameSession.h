#pragma once

#include "Persistence/SavedGame.h"
#include "Persistence/SessionEvent.h"

#include <optional>

// How the game controller reaches the player's data: it books results and checkpoints the table,
// and never touches a file itself. Neither operation fails towards the controller.
class GameSession {
  public:
    virtual ~GameSession() = default;

    // Books the entry into the profile through the ledger; the profile is saved when it changed.
    virtual void record(const SessionEvent& event) = 0;
    // Stores the table in progress, or, given none, deletes the saved game.
    virtual void checkpoint(const std::optional<SavedGame>& game) = 0;
};
