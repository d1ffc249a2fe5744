#pragma once

#include "PokerEngine/Precondition.h"

#include <cstdint>

// Chip counts never wrap: an overflow is a programming error, not a quiet negative stack.
namespace PokerEngine {

inline std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    CW_PRECONDITION(!__builtin_add_overflow(a, b, &result));
    return result;
}

inline std::int64_t checkedSub(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    CW_PRECONDITION(!__builtin_sub_overflow(a, b, &result));
    return result;
}

inline std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    CW_PRECONDITION(!__builtin_mul_overflow(a, b, &result));
    return result;
}

} // namespace PokerEngine
