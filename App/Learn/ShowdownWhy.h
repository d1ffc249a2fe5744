#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/HandValue.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_set>
#include <vector>

namespace PokerEngine {
struct PlayerView;
}

// Why the winner of a hand won, read from the hand's log.
namespace ShowdownWhy {

// The one seat that won every pot, if there is one.
std::optional<std::int64_t> soleWinner(const std::vector<PokerEngine::HandEvent>& log);
// The hand shown down for the main pot.
std::optional<PokerEngine::HandValue> winningHand(const std::vector<PokerEngine::HandEvent>& log);
// What a winner who did not show had: "They had a Pair of Aces.", "It was a bluff: they had King High."
QString held(const std::vector<PokerEngine::Card>& hole, const std::vector<PokerEngine::Card>& board);

// One sentence on why the sole winner won, or none (a split pot, no winner yet).
std::optional<QString> line(const std::vector<PokerEngine::HandEvent>& log,
                            std::optional<std::int64_t> heroSeat,
                            const std::function<QString(std::int64_t)>& name,
                            const std::vector<PokerEngine::Card>& board,
                            const std::map<std::int64_t, std::vector<PokerEngine::Card>>& unshown);

// The sole winner's seat when the player folded to that winner's earlier bet or raise and no hand was
// shown; none otherwise.
std::optional<std::int64_t> betYouOff(const std::vector<PokerEngine::HandEvent>& log,
                                      std::optional<std::int64_t> heroSeat);

// The five cards that won a shown-down hand on a full board, for the table to light; none for a split
// pot, an uncontested pot or a winner whose cards this viewer cannot see.
std::optional<std::unordered_set<PokerEngine::Card>> winningFive(const PokerEngine::PlayerView& view);

} // namespace ShowdownWhy
