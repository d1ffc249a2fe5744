#pragma once

#include "PokerEngine/Action.h"
#include "PokerEngine/GameState.h"
#include "PokerEngine/LegalActions.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/RiggedDeal.h"
#include "PokerEngine/TableConfig.h"

#include <cstdint>
#include <optional>
#include <vector>

// The rules of No-Limit Texas Hold'em for two to six seats as pure operations: each takes a
// state and returns the next one, or throws EngineError and leaves the caller's state as it was.
// A returned state is never at the showdown street: the showdown and the end of a hand happen
// inside the operation that ends the last betting round. Calls that only a programming error
// can make (a bad seat count, a player seated twice, an index outside the table) stop the program.
namespace PokerEngine {

// The layout version of GameState that new tables carry.
inline constexpr std::int64_t schemaVersion = 1;

// A table of 2 to 6 seats with the players in the first seats, each with the starting stack,
// and the first button drawn from a generator seeded with `seed`.
GameState newTable(const TableConfig& config, const std::vector<PlayerID>& players, std::uint64_t seed);

// Seats `player` with `stack` chips at seat `index` between hands; the seat must be empty or
// hold a player with no chips left. Refuses handInProgress or seatOccupied.
GameState seat(const PlayerID& player, std::int64_t index, std::int64_t stack, const GameState& state);

// Moves the button, posts antes and blinds, shuffles (or builds the rigged deck) and deals, then
// waits for the first player to act, or settles the hand at once when nobody can act.
// Refuses handInProgress or notEnoughPlayers.
GameState startHand(const GameState& state, const std::optional<RiggedDeal>& rigged = std::nullopt);

// Applies the action of the player to act and everything it sets off: the next player, the next
// streets, an all-in run-out, the showdown and the end of the hand. Refuses handNotInProgress,
// notYourTurn, illegalAction, amountAboveStack or amountBelowMinimum.
GameState apply(const Action& action, const PlayerID& player, const GameState& state);

// What the seat to act may do; LegalActions::none() when nobody is to act.
LegalActions legalActions(const GameState& state);

// What `viewer` may know of the table: others' hole cards hidden until shown, legal actions
// only on the viewer's turn.
PlayerView view(const GameState& state, const PlayerID& viewer);

} // namespace PokerEngine
