#include "BotKit/SimulationResult.h"

#include "PokerEngine/Precondition.h"

namespace BotKit {

SimulationResult::SimulationResult(std::int64_t hands, std::int64_t bigBlind,
                                   std::vector<BotProfile> profiles, std::vector<std::int64_t> netChips)
    : hands_(hands)
    , bigBlind_(bigBlind)
    , profiles_(std::move(profiles))
    , netChips_(std::move(netChips)) {}

double SimulationResult::bbPer100(std::int64_t position) const {
    CW_PRECONDITION(position >= 0 && position < static_cast<std::int64_t>(netChips_.size()));
    // With no hand played there is no rate to report; zero reads better than NaN in any summary.
    if (hands_ == 0) {
        return 0.0;
    }
    const auto net = static_cast<double>(netChips_[static_cast<std::size_t>(position)]);
    return net / static_cast<double>(bigBlind_) / static_cast<double>(hands_) * 100.0;
}

double SimulationResult::bbPer100(BotTier tier) const {
    double sum = 0.0;
    std::int64_t count = 0;
    for (std::size_t position = 0; position < profiles_.size(); ++position) {
        if (profiles_[position].tier == tier) {
            sum += bbPer100(static_cast<std::int64_t>(position));
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

} // namespace BotKit
