#pragma once

#include <cstddef>
#include <functional>

namespace PokerEngine {

// Folds one more value into a running hash (the boost recipe, widened to 64 bits).
template <class T> void hashCombine(std::size_t& seed, const T& value) {
    seed ^= std::hash<T>{}(value) + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2);
}

} // namespace PokerEngine
