#pragma once

#include "BotKit/BotProfile.h"
#include "BotKit/BotTier.h"

#include <cstdint>
#include <vector>

namespace BotKit {

class BotPolicy;

// What a bot simulation produced: each profile's net chips over the hands played.
class SimulationResult {
  public:
    std::int64_t hands() const { return hands_; }
    std::int64_t bigBlind() const { return bigBlind_; }
    const std::vector<BotProfile>& profiles() const { return profiles_; }
    // By position in profiles(): chips won (positive) or lost (negative).
    const std::vector<std::int64_t>& netChips() const { return netChips_; }

    // Big blinds won per hundred hands by the profile at `position`; 0 when no hand was played.
    double bbPer100(std::int64_t position) const;
    // The mean over the profiles of that tier; 0 when none has it.
    double bbPer100(BotTier tier) const;

    bool operator==(const SimulationResult&) const = default;

  private:
    friend class BotSimulator;
    SimulationResult(std::int64_t hands, std::int64_t bigBlind, std::vector<BotProfile> profiles,
                     std::vector<std::int64_t> netChips);

    std::int64_t hands_;
    std::int64_t bigBlind_;
    std::vector<BotProfile> profiles_;
    std::vector<std::int64_t> netChips_;
};

} // namespace BotKit
