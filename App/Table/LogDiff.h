#pragma once

#include "PokerEngine/HandEvent.h"
#include "PokerEngine/PlayerView.h"

#include <optional>
#include <vector>

namespace LogDiff {

// The events of `to` that are new since `from` and should be animated (and announced). A table first
// seen in the middle of play shows without replaying its past; a new hand is new as a whole.
std::vector<PokerEngine::HandEvent> newEvents(const std::optional<PokerEngine::PlayerView>& from,
                                              const PokerEngine::PlayerView& to);

} // namespace LogDiff
