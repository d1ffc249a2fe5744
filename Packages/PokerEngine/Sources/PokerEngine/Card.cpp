#include "PokerEngine/Card.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

std::string Card::code() const {
    return {letter(rank), letter(suit)};
}

std::string Card::name() const {
    return std::string(PokerEngine::name(rank)) + " of " + std::string(PokerEngine::name(suit));
}

std::optional<Card> Card::fromCode(std::string_view text) {
    // Any non-ASCII character takes more than one byte and is never a rank or suit letter,
    // so counting bytes gives the same answer as counting characters.
    if (text.size() != 2) {
        return std::nullopt;
    }
    const auto rank = rankFromLetter(text[0]);
    const auto suit = suitFromLetter(text[1]);
    if (!rank || !suit) {
        return std::nullopt;
    }
    return Card{*rank, *suit};
}

const std::array<Card, 52>& Card::all() {
    static const std::array<Card, 52> cards = [] {
        std::array<Card, 52> result{};
        std::size_t index = 0;
        for (const auto suit : allSuits) {
            for (const auto rank : allRanks) {
                result[index++] = Card{rank, suit};
            }
        }
        return result;
    }();
    return cards;
}

void to_json(nlohmann::json& json, const Card& card) {
    json = card.code();
}

void from_json(const nlohmann::json& json, Card& card) {
    const auto text = readString(json);
    const auto parsed = Card::fromCode(text);
    if (!parsed) {
        throw DecodingError::dataCorrupted("Invalid card code \"" + text + "\"");
    }
    card = *parsed;
}

} // namespace PokerEngine
