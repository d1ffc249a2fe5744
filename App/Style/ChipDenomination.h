#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The chip values every drawn stack is made of, largest first.
enum class ChipDenomination : std::int64_t {
    d25000 = 25000,
    d5000 = 5000,
    d1000 = 1000,
    d500 = 500,
    d100 = 100,
    d25 = 25,
    d5 = 5,
    d1 = 1,
};

namespace ChipDenominations {

inline constexpr std::array<ChipDenomination, 8> largestFirst{
    ChipDenomination::d25000, ChipDenomination::d5000, ChipDenomination::d1000, ChipDenomination::d500,
    ChipDenomination::d100,   ChipDenomination::d25,   ChipDenomination::d5,    ChipDenomination::d1};

inline constexpr std::int64_t value(ChipDenomination denomination) {
    return static_cast<std::int64_t>(denomination);
}

inline constexpr std::optional<ChipDenomination> fromValue(std::int64_t value) {
    for (auto denomination : largestFirst) {
        if (ChipDenominations::value(denomination) == value) {
            return denomination;
        }
    }
    return std::nullopt;
}

} // namespace ChipDenominations
