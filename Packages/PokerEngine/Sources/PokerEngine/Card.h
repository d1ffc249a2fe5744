#pragma once

#include "PokerEngine/Rank.h"
#include "PokerEngine/Suit.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace PokerEngine {

struct Card {
    Rank rank;
    Suit suit;

    bool operator==(const Card&) const = default;

    // The rank letter then the suit letter: "As", "Td", "2c".
    std::string code() const;
    // "Ace of spades".
    std::string name() const;

    // Exactly two characters, rank then suit, either case; absent otherwise.
    static std::optional<Card> fromCode(std::string_view text);

    // The card's place in all(): suit raw value × 13 + rank index, 0 to 51.
    constexpr int index() const { return rawValue(suit) * 13 + rankIndex(rank); }

    // The 52 cards suit-major: 2c ... Ac, 2d ... Ad, 2h ... Ah, 2s ... As.
    static const std::array<Card, 52>& all();
};

// A card is written as its code; a code that does not parse fails with "Invalid card code \"<text>\"".
void to_json(nlohmann::json& json, const Card& card);
void from_json(const nlohmann::json& json, Card& card);

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::Card> {
    std::size_t operator()(const PokerEngine::Card& card) const noexcept {
        return static_cast<std::size_t>(PokerEngine::rawValue(card.rank)) * 31u +
               PokerEngine::rawValue(card.suit);
    }
};
