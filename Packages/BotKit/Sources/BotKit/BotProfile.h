#pragma once

#include "BotKit/BotCharacter.h"
#include "BotKit/BotTier.h"

#include <nlohmann/json_fwd.hpp>

#include <functional>
#include <optional>
#include <string>

namespace BotKit {

// Who a bot is at the table: the name and avatar shown, the strategy tier, and three style numbers.
struct BotProfile {
    std::string name;
    std::string avatar;
    BotTier tier = BotTier::easy;
    // How many starting hands the bot plays; 0.5 is neutral.
    double looseness = 0.5;
    // How often it bets and raises; medium and hard take 0.6 as neutral.
    double aggression = 0.2;
    // The chance of a pure bluff where a strategy offers one.
    double bluffFrequency = 0.02;

    bool operator==(const BotProfile&) const = default;

    // Whether the three style numbers lie within 0 to 1, the range every strategy reads them in as
    // shares and chances; a profile outside it comes only from a damaged file.
    bool hasStyleInRange() const;

    // The tier's standard numbers; name and avatar default to the tier's first character.
    static BotProfile standard(BotTier tier, std::optional<std::string> name = std::nullopt,
                               std::optional<std::string> avatar = std::nullopt);
    static BotProfile standard(const BotCharacter& character);
};

void to_json(nlohmann::json& json, const BotProfile& profile);
void from_json(const nlohmann::json& json, BotProfile& profile);

} // namespace BotKit

template <> struct std::hash<BotKit::BotProfile> {
    std::size_t operator()(const BotKit::BotProfile& profile) const noexcept;
};
