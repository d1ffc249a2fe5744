#include "BotKit/StartingHand.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>

namespace BotKit {

using PokerEngine::Rank;

StartingHand::StartingHand(Rank high, Rank low, bool suited)
    : high(high)
    , low(low)
    , suited(suited) {
    CW_PRECONDITION(high >= low);
    CW_PRECONDITION(!(suited && high == low));
}

StartingHand::StartingHand(PokerEngine::Card a, PokerEngine::Card b)
    : high(std::max(a.rank, b.rank))
    , low(std::min(a.rank, b.rank))
    , suited(a.rank != b.rank && a.suit == b.suit) {}

std::optional<StartingHand> StartingHand::fromText(std::string_view text) {
    if (text.size() != 2 && text.size() != 3) {
        return std::nullopt;
    }
    const auto first = PokerEngine::rankFromLetter(text[0]);
    const auto second = PokerEngine::rankFromLetter(text[1]);
    if (!first || !second) {
        return std::nullopt;
    }
    const Rank high = std::max(*first, *second);
    const Rank low = std::min(*first, *second);
    if (text.size() == 2) {
        if (high != low) {
            return std::nullopt;
        }
        return StartingHand(high, low, false);
    }
    if (high == low || (text[2] != 's' && text[2] != 'o')) {
        return std::nullopt;
    }
    return StartingHand(high, low, text[2] == 's');
}

int StartingHand::combos() const {
    if (isPair()) {
        return 6;
    }
    return suited ? 4 : 12;
}

std::string StartingHand::description() const {
    std::string text{PokerEngine::letter(high), PokerEngine::letter(low)};
    if (!isPair()) {
        text += suited ? 's' : 'o';
    }
    return text;
}

int StartingHand::gridIndex() const {
    const int h = PokerEngine::rankIndex(high);
    const int l = PokerEngine::rankIndex(low);
    if (suited) {
        return h * 13 + l;
    }
    return l * 13 + h;
}

const std::vector<StartingHand>& StartingHand::all() {
    static const std::vector<StartingHand> hands = [] {
        std::vector<StartingHand> list;
        list.reserve(169);
        for (Rank high : PokerEngine::allRanks) {
            for (Rank low : PokerEngine::allRanks) {
                if (low > high) {
                    break;
                }
                if (low == high) {
                    list.emplace_back(high, low, false);
                } else {
                    list.emplace_back(high, low, true);
                    list.emplace_back(high, low, false);
                }
            }
        }
        return list;
    }();
    return hands;
}

} // namespace BotKit

std::size_t std::hash<BotKit::StartingHand>::operator()(const BotKit::StartingHand& hand) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, PokerEngine::rawValue(hand.high));
    PokerEngine::hashCombine(seed, PokerEngine::rawValue(hand.low));
    PokerEngine::hashCombine(seed, hand.suited);
    return seed;
}
