#pragma once

#include <cstdint>
#include <limits>

// Bookings on values read from a hand-edited file may run past the 64-bit range; they stop at its
// ends instead of wrapping or stopping the program.
namespace Saturating {

inline std::int64_t add(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    if (!__builtin_add_overflow(a, b, &result)) {
        return result;
    }
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

inline std::int64_t subtract(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    if (!__builtin_sub_overflow(a, b, &result)) {
        return result;
    }
    return b < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

inline std::int64_t negate(std::int64_t a) {
    return subtract(0, a);
}

} // namespace Saturating
