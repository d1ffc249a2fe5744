#include "BotKit/BotTier.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace BotKit {

std::string toString(BotTier tier) {
    switch (tier) {
    case BotTier::easy:
        return "easy";
    case BotTier::medium:
        return "medium";
    case BotTier::hard:
        return "hard";
    }
    return "easy";
}

std::optional<BotTier> botTierFromString(std::string_view text) {
    for (BotTier tier : allBotTiers) {
        if (toString(tier) == text) {
            return tier;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, BotTier tier) {
    json = toString(tier);
}

void from_json(const nlohmann::json& json, BotTier& tier) {
    const auto text = PokerEngine::readString(json);
    const auto parsed = botTierFromString(text);
    if (!parsed) {
        throw PokerEngine::DecodingError::dataCorrupted(
            "Cannot initialize BotTier from invalid String value " + text);
    }
    tier = *parsed;
}

} // namespace BotKit
