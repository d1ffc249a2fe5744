#pragma once

#include "BotKit/BotPolicy.h"

namespace BotKit {

// The policy the game uses for every bot: the strategy of the profile's tier gives a plan, its
// alternative is taken one time in ten, and the result is made legal.
class TieredBot final : public BotPolicy {
  public:
    PokerEngine::Action decide(const PokerEngine::PlayerView& view, const BotProfile& profile,
                               PokerEngine::SeededRNG& rng) const override;
};

} // namespace BotKit
