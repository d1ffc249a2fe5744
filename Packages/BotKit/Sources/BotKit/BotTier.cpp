#include "BotKit/BotTier.h"

#include "PokerEngine/EnumText.h"

namespace BotKit {

namespace {
constexpr PokerEngine::EnumNames<BotTier, 3> tierNames{"BotTier", {"easy", "medium", "hard"}};
} // namespace

std::string toString(BotTier tier) {
    return std::string(tierNames.toString(tier));
}

std::optional<BotTier> botTierFromString(std::string_view text) {
    return tierNames.fromString(text);
}

void to_json(nlohmann::json& json, BotTier tier) {
    json = tierNames.toString(tier);
}

void from_json(const nlohmann::json& json, BotTier& tier) {
    tier = tierNames.fromJson(json);
}

} // namespace BotKit
