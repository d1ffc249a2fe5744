#pragma once

#include "Persistence/BookedHand.h"
#include "Persistence/SavedGame.h"
#include "Persistence/SessionEvent.h"

#include <optional>
#include <string>
#include <vector>

// How the game controller reaches the player's data: it books results and checkpoints the table,
// and never touches a file itself. No operation fails towards the controller.
class GameSession {
  public:
    virtual ~GameSession() = default;

    // Books the entry into the profile through the ledger; the profile is saved when it changed.
    virtual void record(const SessionEvent& event) = 0;
    // Stores the table in progress, or, given none, deletes the saved game.
    virtual void checkpoint(const std::optional<SavedGame>& game) = 0;

    // Books a finished hand's entries in one change of the profile, under `mark` (the settlement's).
    // The controller saves the finished hand before booking it, so after a stop between the two the
    // hand is settled again: a session that keeps the last mark booked skips it then, and the hand
    // counts once. This one, for sessions without such a memory, books every time.
    virtual void recordHand(const std::vector<SessionEvent>& entries, const BookedHand& mark) {
        static_cast<void>(mark);
        for (const auto& entry : entries) {
            record(entry);
        }
    }

    // Bracket the first play of a restored table, from before it runs until play on it is under
    // way (its next hand dealt, or the table ended). A session with files keeps a mark on disk in
    // between, so that a saved game whose resume stops the program is set aside at the next start
    // instead of stopping it again.
    virtual void resumeStarted() {}
    virtual void resumeSettled() {}
};
