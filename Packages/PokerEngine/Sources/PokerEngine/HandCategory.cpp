#include "PokerEngine/HandCategory.h"

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <string>

namespace PokerEngine {

namespace {
constexpr std::array<std::string_view, 9> categoryNames{
    "High Card", "Pair",       "Two Pair",       "Three of a Kind", "Straight",
    "Flush",     "Full House", "Four of a Kind", "Straight Flush",
};
} // namespace

std::optional<HandCategory> handCategoryFromRawValue(std::int64_t raw) {
    if (raw < 0 || raw >= static_cast<std::int64_t>(allHandCategories.size())) {
        return std::nullopt;
    }
    return static_cast<HandCategory>(raw);
}

std::string_view name(HandCategory category) {
    return categoryNames[rawValue(category)];
}

void to_json(nlohmann::json& json, HandCategory category) {
    json = rawValue(category);
}

void from_json(const nlohmann::json& json, HandCategory& category) {
    const std::int64_t raw = readInt(json);
    const auto parsed = handCategoryFromRawValue(raw);
    if (!parsed) {
        throw DecodingError::dataCorrupted("Cannot initialize HandCategory from invalid raw value " +
                                           std::to_string(raw));
    }
    category = *parsed;
}

} // namespace PokerEngine
