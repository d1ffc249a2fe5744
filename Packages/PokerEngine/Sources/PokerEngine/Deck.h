#pragma once

#include "PokerEngine/Card.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <vector>

namespace PokerEngine {

struct SeededRNG;

// The ordered pile of one hand. Cards are drawn from the front; the order and the position are
// reachable only through drawing, comparison and the JSON form.
class Deck {
  public:
    // An empty deck at position 0 (a table before its first hand).
    Deck() = default;

    // Card::all() shuffled by a backward Fisher-Yates walk drawing from `rng`, which advances.
    static Deck shuffled(SeededRNG& rng);
    // The given cards in drawing order; a repeated card stops the program.
    static Deck stacked(std::vector<Card> cards);

    Card draw();
    std::int64_t remaining() const;
    // Whether `card` is still to be drawn.
    bool holdsUndealt(const Card& card) const;

    // Either the empty deck of a table that has dealt no hand, or 52 distinct cards with the
    // position between 0 and 52: the only decks the engine makes.
    bool isWellFormed() const;

    bool operator==(const Deck&) const = default;

    friend void to_json(nlohmann::json& json, const Deck& deck);
    friend void from_json(const nlohmann::json& json, Deck& deck);

  private:
    Deck(std::vector<Card> cards, std::int64_t position);

    std::vector<Card> cards_;
    std::int64_t position_ = 0;
};

} // namespace PokerEngine
