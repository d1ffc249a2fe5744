#pragma once

#include "Game/TableText.h"

#include "PokerEngine/LegalActions.h"
#include "PokerEngine/PlayerView.h"

#include <QStringList>

#include <optional>

// What the table screen tells a screen reader: each change of the game as it comes, and the table as it
// stands when the screen appears. Every moment the game waits for the player is told once, with its
// prompt, whatever led to it.
namespace TableSpeech {

// The player's legal actions when `to` is a new moment the game waits for the player: the turn has just
// come round, or the game has moved on since `from` (the player's own action closed a street, a new hand
// began) and the player is to act again.
std::optional<PokerEngine::LegalActions> newTurn(const std::optional<PokerEngine::PlayerView>& from,
                                                 const PokerEngine::PlayerView& to);

// The lines for a change from `from` to `to`: its new events, then the prompt of a new turn.
QStringList change(const std::optional<PokerEngine::PlayerView>& from, const PokerEngine::PlayerView& to,
                   const TableText& text);

// The lines as the screen appears, the reader having last been told of `told` (none: nothing yet): the
// events it still needs (a table just dealt), then the prompt while the game waits for the player and
// shows the betting controls (`controlsShow`).
QStringList appearing(const std::optional<PokerEngine::PlayerView>& told, const PokerEngine::PlayerView& now,
                      bool controlsShow, const TableText& text);

} // namespace TableSpeech
