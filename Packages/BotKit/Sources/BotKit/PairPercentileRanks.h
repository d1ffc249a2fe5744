#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace BotKit {

// Pairs of card numbers are numbered first × 64 + second: a shift and an or.
constexpr std::size_t pairStride = 64;
constexpr std::size_t pairCount = 52 * pairStride;

inline std::size_t pairOf(int c1, int c2) {
    return static_cast<std::size_t>(c1) * pairStride + static_cast<std::size_t>(c2);
}

// Every ordered pair's chart percentile as its rank among the distinct percentiles: a range holds
// the pairs whose percentile is not above its top, which are the ranks below a count taken once
// per call, so the range test in the trials is one integer comparison.
struct PercentileRanks {
    std::vector<double> distinct;
    std::array<std::uint16_t, pairCount> ranks{};

    // The ranks of the pairs in range: !(percentile > top), as the range is defined, so a NaN top
    // takes every pair.
    std::uint16_t inRangeBelow(double top) const {
        return static_cast<std::uint16_t>(
            std::count_if(distinct.begin(), distinct.end(), [top](double value) { return !(value > top); }));
    }
};

// Built once, on first use.
const PercentileRanks& percentileRanks();

} // namespace BotKit
