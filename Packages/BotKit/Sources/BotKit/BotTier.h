#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace BotKit {

// Which strategy a bot plays.
enum class BotTier { easy, medium, hard };

inline constexpr std::array<BotTier, 3> allBotTiers{BotTier::easy, BotTier::medium, BotTier::hard};

std::string toString(BotTier tier);
std::optional<BotTier> botTierFromString(std::string_view text);

void to_json(nlohmann::json& json, BotTier tier);
void from_json(const nlohmann::json& json, BotTier& tier);

} // namespace BotKit
