#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandCategory.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace PokerEngine {

struct HandStrengthRange {
    std::uint16_t lowerBound;
    std::uint16_t upperBound;

    constexpr bool contains(std::int64_t strength) const {
        return strength >= lowerBound && strength <= upperBound;
    }
};

// A poker hand's worth: its rank among the 7462 distinct five-card hands, 1 (seven high) to
// 7462 (royal flush). Hands tie exactly when their strengths are equal.
struct HandValue {
    static constexpr HandStrengthRange strengthRange{1, 7462};

    std::uint16_t strength = strengthRange.lowerBound;

    // Absent for a strength outside 1 ... 7462.
    static std::optional<HandValue> fromStrength(std::int64_t strength);

    HandCategory category() const;
    // The ranks that define the hand, most significant first (a straight by its top card).
    const std::vector<Rank>& ranks() const;
    // "Full House, Kings over Sixes", "Royal Flush", "Ace High", ...
    std::string name() const;

    constexpr auto operator<=>(const HandValue&) const = default;
};

// The strengths a category's hands take: 1 ... 1277 for a high card up to 7453 ... 7462 for a
// straight flush; each category starts right above the one below it.
constexpr HandStrengthRange strengthRange(HandCategory category) {
    constexpr std::array<std::uint16_t, 10> firstStrengths = {1,    1278, 4138, 4996, 5854,
                                                              5864, 7141, 7297, 7453, 7463};
    const std::size_t index = rawValue(category);
    return {firstStrengths[index], static_cast<std::uint16_t>(firstStrengths[index + 1] - 1)};
}

void to_json(nlohmann::json& json, const HandValue& value);
void from_json(const nlohmann::json& json, HandValue& value);

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::HandValue> {
    std::size_t operator()(const PokerEngine::HandValue& value) const noexcept {
        return std::hash<std::uint16_t>{}(value.strength);
    }
};
