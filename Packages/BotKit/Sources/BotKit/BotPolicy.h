#pragma once

#include "BotKit/BotProfile.h"

#include "PokerEngine/Action.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/SeededRNG.h"

namespace BotKit {

// The one way a computer opponent decides. Called only for the seat to act, with that seat's own
// view, profile and generator; the answer is an action the engine accepts in that state. A
// decision is a pure function of its arguments (the generator advancing by the draws it makes),
// so it may run on any thread and replays exactly from a seed.
class BotPolicy {
  public:
    virtual ~BotPolicy() = default;
    virtual PokerEngine::Action decide(const PokerEngine::PlayerView& view, const BotProfile& profile,
                                       PokerEngine::SeededRNG& rng) const = 0;
};

} // namespace BotKit
