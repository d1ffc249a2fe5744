#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/SeededRNG.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Seven distinct cards each, dealt by a partial shuffle from a fixed seed: the same hands on every
// build, so that two builds' figures compare.
inline std::vector<std::array<PokerEngine::Card, 7>> randomHands(std::size_t count) {
    PokerEngine::SeededRNG rng(42);
    std::vector<std::array<PokerEngine::Card, 7>> hands(count);
    for (auto& hand : hands) {
        std::array<PokerEngine::Card, 52> deck = PokerEngine::Card::all();
        for (std::size_t i = 0; i < hand.size(); ++i) {
            std::swap(deck[i],
                      deck[i + static_cast<std::size_t>(rng.next(static_cast<std::int64_t>(52 - i)))]);
            hand[i] = deck[i];
        }
    }
    return hands;
}
