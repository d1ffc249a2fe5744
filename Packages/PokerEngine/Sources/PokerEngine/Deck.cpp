#include "PokerEngine/Deck.h"

#include <algorithm>

#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Precondition.h"
#include "PokerEngine/SeededRNG.h"

#include <nlohmann/json.hpp>

#include <bitset>
#include <utility>

namespace PokerEngine {

namespace {

bool allDistinct(const std::vector<Card>& cards) {
    std::bitset<52> seen;
    for (const auto& card : cards) {
        const auto index = static_cast<std::size_t>(card.index());
        if (seen.test(index)) {
            return false;
        }
        seen.set(index);
    }
    return true;
}

} // namespace

Deck::Deck(std::vector<Card> cards, std::int64_t position)
    : cards_(std::move(cards))
    , position_(position) {}

Deck Deck::shuffled(SeededRNG& rng) {
    std::vector<Card> cards(Card::all().begin(), Card::all().end());
    for (std::int64_t i = 51; i >= 1; --i) {
        const auto j = rng.next(i + 1);
        if (j != i) {
            std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(j)]);
        }
    }
    return Deck(std::move(cards), 0);
}

Deck Deck::stacked(std::vector<Card> cards) {
    CW_PRECONDITION(allDistinct(cards));
    return Deck(std::move(cards), 0);
}

Card Deck::draw() {
    CW_PRECONDITION(position_ >= 0 && remaining() > 0);
    return cards_[static_cast<std::size_t>(position_++)];
}

std::int64_t Deck::remaining() const {
    return static_cast<std::int64_t>(cards_.size()) - position_;
}

bool Deck::holdsUndealt(const Card& card) const {
    const auto from =
        cards_.begin() + std::clamp<std::int64_t>(position_, 0, static_cast<std::int64_t>(cards_.size()));
    return std::find(from, cards_.end(), card) != cards_.end();
}

bool Deck::isWellFormed() const {
    if (cards_.empty()) {
        return position_ == 0;
    }
    return cards_.size() == 52 && position_ >= 0 && position_ <= 52 && allDistinct(cards_);
}

void to_json(nlohmann::json& json, const Deck& deck) {
    json = nlohmann::json{{"cards", deck.cards_}, {"position", deck.position_}};
}

void from_json(const nlohmann::json& json, Deck& deck) {
    auto cards = expectArray(jsonField(json, "cards")).get<std::vector<Card>>();
    const auto position = readInt(json, "position");
    deck = Deck(std::move(cards), position);
}

} // namespace PokerEngine
