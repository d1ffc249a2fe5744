#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandCategory.h"
#include "PokerEngine/SeededRNG.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace HandEvaluatorTesting {

using PokerEngine::Card;
using PokerEngine::HandCategory;
using PokerEngine::Rank;

// "Kh Ks 7c" → the three cards.
inline std::vector<Card> cards(const std::string& codes) {
    std::vector<Card> result;
    std::istringstream words(codes);
    std::string code;
    while (words >> code) {
        const auto card = Card::fromCode(code);
        if (!card) {
            throw std::invalid_argument("bad card code in test: " + code);
        }
        result.push_back(*card);
    }
    return result;
}

// A hand as a poker player ranks it, worked out from the rules with no tables: the category, then
// the ranks that break ties within it, most significant first (unused places stay at two).
struct ReferenceValue {
    HandCategory category = HandCategory::highCard;
    std::array<Rank, 5> ranks{};

    auto operator<=>(const ReferenceValue&) const = default;
};

inline ReferenceValue referenceValue(HandCategory category, const std::vector<Rank>& ranks) {
    ReferenceValue value{category, {}};
    std::copy(ranks.begin(), ranks.end(), value.ranks.begin());
    return value;
}

inline ReferenceValue referenceFive(std::span<const Card> five) {
    std::array<int, 13> countOf{};
    bool sameSuit = true;
    for (const Card& card : five) {
        ++countOf[static_cast<std::size_t>(PokerEngine::rankIndex(card.rank))];
        sameSuit = sameSuit && card.suit == five[0].suit;
    }
    // Groups of equal rank, biggest group first, then higher rank first.
    std::array<int, 5> groupSize{};
    std::array<int, 5> groupRank{};
    std::size_t groups = 0;
    for (int size = 4; size >= 1; --size) {
        for (int rank = 12; rank >= 0; --rank) {
            if (countOf[static_cast<std::size_t>(rank)] == size) {
                groupSize[groups] = size;
                groupRank[groups] = rank;
                ++groups;
            }
        }
    }

    int straightTop = -1;
    if (groups == 5) {
        if (groupRank[0] - groupRank[4] == 4) {
            straightTop = groupRank[0];
        } else if (groupRank[0] == 12 && groupRank[1] == 3) {
            straightTop = 3; // the wheel, five high
        }
    }

    ReferenceValue value;
    if (straightTop >= 0) {
        value.category = sameSuit ? HandCategory::straightFlush : HandCategory::straight;
        value.ranks[0] = static_cast<Rank>(straightTop);
        return value;
    }
    for (std::size_t group = 0; group < groups; ++group) {
        value.ranks[group] = static_cast<Rank>(groupRank[group]);
    }
    if (groupSize[0] == 4) {
        value.category = HandCategory::fourOfAKind;
    } else if (groupSize[0] == 3 && groupSize[1] == 2) {
        value.category = HandCategory::fullHouse;
    } else if (sameSuit) {
        value.category = HandCategory::flush;
    } else if (groupSize[0] == 3) {
        value.category = HandCategory::threeOfAKind;
    } else if (groupSize[0] == 2 && groupSize[1] == 2) {
        value.category = HandCategory::twoPair;
    } else if (groupSize[0] == 2) {
        value.category = HandCategory::pair;
    } else {
        value.category = HandCategory::highCard;
    }
    return value;
}

// The best of every five-card choice among 5 to 7 cards.
inline ReferenceValue referenceBest(std::span<const Card> hand) {
    const std::size_t n = hand.size();
    ReferenceValue best = referenceFive(hand.first(5));
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            for (std::size_t c = b + 1; c < n; ++c) {
                for (std::size_t d = c + 1; d < n; ++d) {
                    for (std::size_t e = d + 1; e < n; ++e) {
                        const std::array<Card, 5> five{hand[a], hand[b], hand[c], hand[d], hand[e]};
                        best = std::max(best, referenceFive(five));
                    }
                }
            }
        }
    }
    return best;
}

// n distinct cards, uniformly chosen (a partial shuffle).
inline std::vector<Card> distinctCards(PokerEngine::SeededRNG& rng, std::size_t n) {
    std::array<Card, 52> deck = Card::all();
    for (std::size_t i = 0; i < n; ++i) {
        const auto j = i + static_cast<std::size_t>(rng.next(static_cast<std::int64_t>(52 - i)));
        std::swap(deck[i], deck[j]);
    }
    return {deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(n)};
}

} // namespace HandEvaluatorTesting
