#pragma once

#include "PokerEngine/SeededRNG.h"

#include <cstddef>
#include <cstdint>

// How equity trials draw cards from the generator: the same outputs in the same order however the
// draws are made, one card at a time or as a run of free cards.
namespace BotKit::EquityDraws {

// One bit per card, numbered by Card::index().
using CardMask = std::uint64_t;

inline CardMask bit(int number) {
    return CardMask{1} << number;
}

inline int randomCard(CardMask taken, PokerEngine::SeededRNG& rng) {
    while (true) {
        const auto number = static_cast<int>(rng.next(52));
        if (((taken >> number) & 1) == 0) {
            return number;
        }
    }
}

// The number next(52) makes of an output, or `rejectedOutput` for an output it rejects and draws
// again for: the low word of the product with 52 below (2^64 - 52) mod 52.
constexpr int rejectedOutput = 63;

inline int cardOfOutput(std::uint64_t output) {
    constexpr std::uint64_t cardCount = 52;
    constexpr std::uint64_t rejectedBelow = (0 - cardCount) % cardCount;
    __extension__ typedef unsigned __int128 UInt128;
    const UInt128 product = static_cast<UInt128>(output) * cardCount;
    return static_cast<std::uint64_t>(product) < rejectedBelow ? rejectedOutput
                                                               : static_cast<int>(product >> 64);
}

// Deals `count` free cards into `dealt` from the same outputs as that many randomCard calls, each
// card used once dealt, but without a branch per card: every output is read, and one that is
// rejected or names a taken card is simply not counted, so the only branch no predictor can guess
// is the loop's end. That wins over a wrong guess per redraw once more than one is expected.
inline void scanFreeCards(std::size_t count, CardMask used, PokerEngine::SeededRNG& rng, int* dealt) {
    used |= bit(rejectedOutput);
    std::size_t held = 0;
    while (held < count) {
        const int number = cardOfOutput(rng.next());
        dealt[held] = number;
        held += static_cast<std::size_t>(((used >> number) & 1) == 0);
        used |= bit(number);
    }
}

// Whether dealing `count` cards with `usedCount` already used is expected to meet more than one
// used card, which makes scanning the cheaper way.
inline bool scanPays(std::size_t usedCount, std::size_t count) {
    double redraws = 0.0;
    for (std::size_t used = usedCount; used < usedCount + count; ++used) {
        redraws += static_cast<double>(used) / static_cast<double>(52 - used);
    }
    return redraws > 1.0;
}

} // namespace BotKit::EquityDraws
