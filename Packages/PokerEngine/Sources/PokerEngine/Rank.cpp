#include "PokerEngine/Rank.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <cctype>

namespace PokerEngine {

namespace {
constexpr std::string_view rankLetters = "23456789TJQKA";
constexpr std::array<std::string_view, 13> rankNames{
    "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
} // namespace

std::optional<Rank> rankFromRawValue(std::int64_t raw) {
    if (raw < 2 || raw > 14) {
        return std::nullopt;
    }
    return static_cast<Rank>(raw - 2);
}

std::optional<Rank> rankFromLetter(char letter) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const auto position = rankLetters.find(upper);
    if (position == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<Rank>(position);
}

char letter(Rank rank) {
    return rankLetters[rankIndex(rank)];
}
std::string_view name(Rank rank) {
    return rankNames[rankIndex(rank)];
}

std::string pluralName(Rank rank) {
    if (rank == Rank::six) {
        return "Sixes";
    }
    return std::string(name(rank)) + "s";
}

void to_json(nlohmann::json& json, Rank value) {
    json = rawValue(value);
}

void from_json(const nlohmann::json& json, Rank& value) {
    const auto raw = readInt(json);
    const auto parsed = rankFromRawValue(raw);
    if (!parsed) {
        throw DecodingError::dataCorrupted("Cannot initialize Rank from invalid raw value " +
                                           std::to_string(raw));
    }
    value = *parsed;
}

} // namespace PokerEngine
