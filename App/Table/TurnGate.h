#pragma once

#include "Learn/PracticeCaption.h"
#include "Table/Screen/BottomRow.h"

#include "PokerEngine/PlayerView.h"

#include <QString>

#include <optional>

// When the player's turn is open: the one moment the betting controls, the "YOUR TURN" tag and ring,
// the action keys and the spoken prompt all come to, so the player never hears of a decision the keys
// cannot take, nor acts on one not yet shown. Pure.
namespace TurnGate {

// The table shows the game's own decision and everything it dealt has been seen: the game's `current`
// view is the `shown` one (the stage has caught up, its bets have slid away), it asks the player to act,
// and no card the player must see (their own, the board's) is still on its way (`cardsComing`).
bool ready(const PokerEngine::PlayerView* current, const PokerEngine::PlayerView* shown, bool cardsComing);

// Ready, and nothing holds the table: the row under it is the betting controls (no question, practice
// caption, pause, result or end over them) and the guide panel is closed.
bool open(bool ready, BottomRow row, bool guideOpen);

// Where the game stands when an action key cannot act.
struct Standing {
    // The practice caption showing, which only its own keys answer.
    std::optional<PracticeCaption> caption;
    // Stopped for a reason the player sees.
    bool paused = false;
    // The game waits for the player, though their turn is not open yet.
    bool playersTurn = false;
    bool cardsComing = false;
    // The seat the game waits for, by name.
    std::optional<QString> awaited;
    // The guide covers the table.
    bool guideOpen = false;
};
// The short sentence the reader hears instead: "Not yet: the cards are still being dealt.",
// "Not your turn. Waiting for Rascal.", the caption's own keys.
QString notNow(const Standing& standing);

// What "r" says when the player's turn allows no raise (`view` asks the player to act): why, and the keys
// that do act. "No raise: every opponent is all in. Press C to call, F to fold."
QString noRaise(const PokerEngine::PlayerView& view);

} // namespace TurnGate
