#include "BotKit/BoardTexture.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>

namespace BotKit {

BoardTexture::BoardTexture(std::span<const PokerEngine::Card> board) {
    CW_PRECONDITION(!board.empty());

    std::array<int, 4> suits{};
    std::array<bool, 15> ranks{};
    int distinctRanks = 0;
    for (const auto card : board) {
        ++suits[PokerEngine::rawValue(card.suit)];
        const auto raw = PokerEngine::rawValue(card.rank);
        if (!ranks[raw]) {
            ranks[raw] = true;
            ++distinctRanks;
        }
        highCard = std::max(highCard, card.rank);
    }
    ranks[1] = ranks[14];

    const int mostOfOneSuit = *std::max_element(suits.begin(), suits.end());
    flushPossible = mostOfOneSuit >= 3;
    flushDrawPossible = mostOfOneSuit >= 2;
    paired = distinctRanks < static_cast<int>(board.size());
    for (int start = 1; start <= 10 && !straightPossible; ++start) {
        const auto window = std::count(ranks.begin() + start, ranks.begin() + start + 5, true);
        straightPossible = window >= 3;
    }
}

} // namespace BotKit
