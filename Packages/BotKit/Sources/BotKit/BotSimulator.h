#pragma once

#include "BotKit/BotPolicy.h"
#include "BotKit/SimulationResult.h"

#include <cstdint>
#include <vector>

namespace BotKit {

// Plays bots against each other with the engine's own rules. Each deal is played once per seat
// with the profiles moved one seat further each time, and every hand starts from a fresh table
// with equal stacks, so luck of the cards and of the seats evens out.
class BotSimulator {
  public:
    BotSimulator() = delete;

    // Two to six profiles, a big blind of at least 1 and a stack of at least one big blind. Passes on an
    // EngineError thrown while starting a hand or applying an action; no partial result is returned then.
    static SimulationResult run(const std::vector<BotProfile>& profiles, std::int64_t hands,
                                std::int64_t bigBlind, std::int64_t stackInBB, std::uint64_t seed,
                                const BotPolicy& policy);
};

} // namespace BotKit
