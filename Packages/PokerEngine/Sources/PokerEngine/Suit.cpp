#include "PokerEngine/Suit.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <cctype>

namespace PokerEngine {

namespace {
constexpr std::string_view suitLetters = "cdhs";
constexpr std::array<std::string_view, 4> suitSymbols{"\u2663", "\u2666", "\u2665", "\u2660"};
constexpr std::array<std::string_view, 4> suitNames{"clubs", "diamonds", "hearts", "spades"};
} // namespace

std::optional<Suit> suitFromRawValue(std::int64_t raw) {
    if (raw < 0 || raw > 3) {
        return std::nullopt;
    }
    return static_cast<Suit>(raw);
}

std::optional<Suit> suitFromLetter(char letter) {
    const auto lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const auto position = suitLetters.find(lower);
    if (position == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<Suit>(position);
}

char letter(Suit suit) {
    return suitLetters[rawValue(suit)];
}
std::string_view symbol(Suit suit) {
    return suitSymbols[rawValue(suit)];
}
std::string_view name(Suit suit) {
    return suitNames[rawValue(suit)];
}

void to_json(nlohmann::json& json, Suit value) {
    json = rawValue(value);
}

void from_json(const nlohmann::json& json, Suit& value) {
    const auto raw = readInt(json);
    const auto parsed = suitFromRawValue(raw);
    if (!parsed) {
        throw DecodingError::dataCorrupted("Cannot initialize Suit from invalid raw value " +
                                           std::to_string(raw));
    }
    value = *parsed;
}

} // namespace PokerEngine
