#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace PokerEngine {

// The nine kinds of poker hand, weakest first; the raw value orders them.
enum class HandCategory : std::uint8_t {
    highCard = 0,
    pair = 1,
    twoPair = 2,
    threeOfAKind = 3,
    straight = 4,
    flush = 5,
    fullHouse = 6,
    fourOfAKind = 7,
    straightFlush = 8,
};

inline constexpr std::array<HandCategory, 9> allHandCategories = {
    HandCategory::highCard,     HandCategory::pair,        HandCategory::twoPair,
    HandCategory::threeOfAKind, HandCategory::straight,    HandCategory::flush,
    HandCategory::fullHouse,    HandCategory::fourOfAKind, HandCategory::straightFlush,
};

constexpr std::uint8_t rawValue(HandCategory category) {
    return static_cast<std::uint8_t>(category);
}
std::optional<HandCategory> handCategoryFromRawValue(std::int64_t raw);

// "High Card", "Two Pair", "Straight Flush", ...
std::string_view name(HandCategory category);

void to_json(nlohmann::json& json, HandCategory category);
void from_json(const nlohmann::json& json, HandCategory& category);

} // namespace PokerEngine
