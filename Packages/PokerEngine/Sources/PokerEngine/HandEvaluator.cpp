#include "PokerEngine/HandEvaluator.h"

namespace PokerEngine::HandEvaluator {

std::vector<Card> bestFive(std::span<const Card> cards) {
    const HandValue value = evaluate(cards);
    const std::size_t n = cards.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            for (std::size_t k = j + 1; k < n; ++k) {
                for (std::size_t l = k + 1; l < n; ++l) {
                    for (std::size_t m = l + 1; m < n; ++m) {
                        if (evaluate(HandAccumulator{cards[i], cards[j], cards[k], cards[l], cards[m]}) ==
                            value) {
                            return {cards[i], cards[j], cards[k], cards[l], cards[m]};
                        }
                    }
                }
            }
        }
    }
    CW_PRECONDITION(false && "some five cards always make the hand's value");
    return {};
}

} // namespace PokerEngine::HandEvaluator
