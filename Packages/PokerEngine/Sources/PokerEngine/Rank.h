#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PokerEngine {

// Stored as the rank index (two = 0 ... ace = 12); the raw value saved games hold is index + 2.
// Declaration order is strength order, so the built-in comparisons compare raw values.
enum class Rank : std::uint8_t {
    two,
    three,
    four,
    five,
    six,
    seven,
    eight,
    nine,
    ten,
    jack,
    queen,
    king,
    ace
};

inline constexpr std::array<Rank, 13> allRanks{Rank::two,   Rank::three, Rank::four, Rank::five, Rank::six,
                                               Rank::seven, Rank::eight, Rank::nine, Rank::ten,  Rank::jack,
                                               Rank::queen, Rank::king,  Rank::ace};

constexpr int rankIndex(Rank rank) {
    return static_cast<int>(rank);
}
constexpr std::uint8_t rawValue(Rank rank) {
    return static_cast<std::uint8_t>(rankIndex(rank) + 2);
}
std::optional<Rank> rankFromRawValue(std::int64_t raw);
// Case-insensitive, among "23456789TJQKA": t gives ten, 1 gives absent.
std::optional<Rank> rankFromLetter(char letter);

char letter(Rank rank);
// Capitalised English name, e.g. "Queen".
std::string_view name(Rank rank);
// "Queens", "Sixes".
std::string pluralName(Rank rank);

// Written as the raw value; any other number fails as corrupted data.
void to_json(nlohmann::json& json, Rank value);
void from_json(const nlohmann::json& json, Rank& value);

} // namespace PokerEngine
