#pragma once

#include "Game/TableText.h"

#include "PokerEngine/HandEvent.h"
#include "PokerEngine/LegalActions.h"
#include "PokerEngine/PlayerView.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>

// What the table screen tells a screen reader: each change of the game as it comes, and the table as it
// stands when the screen appears. The turn's prompt is said apart from them, when the turn opens (see
// Table/TurnGate.h), once for every moment the game waits for the player.
namespace TableSpeech {

// The line an event is heard by, or none. Each shown hand is heard as the log's row reads it to a reader
// (TableText::spokenSentence): "Goldie shows King of diamonds and King of hearts, Pair of Kings."
std::optional<QString> line(const PokerEngine::HandEvent& event, std::optional<std::int64_t> heroSeat,
                            const TableText& text);
// The new events of a change from `from` (none: nothing told yet) to `to`, one line each.
QStringList events(const std::optional<PokerEngine::PlayerView>& from, const PokerEngine::PlayerView& to,
                   const TableText& text);

// A moment the game waits for the player: a new table, a new hand, or the game moved on in the hand
// (a bot's action handing the turn over, the player's own action closing a street they open).
struct Decision {
    std::uint64_t table = 0;
    std::int64_t hand = 0;
    std::size_t events = 0;
    bool operator==(const Decision&) const = default;
};
Decision decision(std::uint64_t table, const PokerEngine::PlayerView& view);
// The open turn's prompt is due: once for every decision, and again when the turn opens after something
// hid its controls (a question, the pause, the screen away; `wasOpen` false).
bool promptDue(bool wasOpen, const std::optional<Decision>& prompted, const Decision& now);

// The turn's prompt for `view`, which asks the player to act; a call that takes every chip says so, as
// its button does; in the practice hand (`namingKeys`) followed by the keys that act.
QString prompt(const PokerEngine::PlayerView& view, bool namingKeys);
// "Press C to call, R to raise, F to fold.", or to check and bet, without R when no raise is possible.
QString actionKeys(const PokerEngine::LegalActions& legal);

// The player's own two cards, said once they rest in front of the player and before the hand's first
// prompt: "Your cards: Eight of spades, Two of hearts.", followed in learning mode by what the hand's
// tag says of them (`tag`). None while the player holds no two cards.
std::optional<QString> holeCards(const PokerEngine::PlayerView& view, const std::optional<QString>& tag);

// What the table says of itself when a reader comes to it or asks where it is: the player's cards (once
// `withCards`: they have been heard, or come with the table as it takes the keys) as holeCards() says
// them, and chips, then the board and the pot once there are any. Never the whole table: each seat
// speaks for itself.
QString standing(const PokerEngine::PlayerView& view, bool withCards = true,
                 const std::optional<QString>& tag = std::nullopt);

// A hand's result stays up until the player deals the next one: the key that does it. `over`: the game
// ended with the hand, and the key goes on to its summing-up.
QString nextHandWaits(bool over);

} // namespace TableSpeech
