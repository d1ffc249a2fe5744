#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace PokerEngine {

// Suits have no order of strength; the raw value is what saved games store.
enum class Suit : std::uint8_t { clubs = 0, diamonds = 1, hearts = 2, spades = 3 };

inline constexpr std::array<Suit, 4> allSuits{Suit::clubs, Suit::diamonds, Suit::hearts, Suit::spades};

constexpr std::uint8_t rawValue(Suit suit) {
    return static_cast<std::uint8_t>(suit);
}
std::optional<Suit> suitFromRawValue(std::int64_t raw);
// Case-insensitive: S and s both give spades.
std::optional<Suit> suitFromLetter(char letter);

char letter(Suit suit);
// The suit's symbol as UTF-8, e.g. "♠".
std::string_view symbol(Suit suit);
// Lower case, e.g. "spades".
std::string_view name(Suit suit);

// Written as the raw value; any other number fails as corrupted data.
void to_json(nlohmann::json& json, Suit value);
void from_json(const nlohmann::json& json, Suit& value);

} // namespace PokerEngine
