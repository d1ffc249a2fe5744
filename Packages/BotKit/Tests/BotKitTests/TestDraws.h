#pragma once

#include "PokerEngine/SeededRNG.h"

#include <cstdint>

namespace BotKitTesting {

// A seed whose generator's first unit draw is below (or not below) the given limit, so a test can
// steer a rule that draws once.
inline std::uint64_t seedWithFirstUnit(bool below, double limit) {
    for (std::uint64_t seed = 0;; ++seed) {
        PokerEngine::SeededRNG rng(seed);
        if ((rng.nextUnit() < limit) == below) {
            return seed;
        }
    }
}

} // namespace BotKitTesting
