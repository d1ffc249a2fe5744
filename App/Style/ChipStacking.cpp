#include "Style/ChipStacking.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>

namespace ChipStacking {

std::vector<ChipColumn> columns(std::int64_t amount, int perColumn, int maxColumns) {
    CW_PRECONDITION(perColumn >= 1);
    CW_PRECONDITION(maxColumns >= 1);
    std::vector<ChipColumn> result;
    std::int64_t remaining = amount;
    // Columns past the limit would be thrown away, so a huge amount stops as soon as the limit is met.
    for (auto denomination : ChipDenominations::largestFirst) {
        if (remaining < 1 || static_cast<int>(result.size()) == maxColumns) {
            break;
        }
        const std::int64_t value = ChipDenominations::value(denomination);
        std::int64_t count = remaining / value;
        remaining -= count * value;
        while (count > 0 && static_cast<int>(result.size()) < maxColumns) {
            const auto height = static_cast<int>(std::min<std::int64_t>(perColumn, count));
            result.push_back(ChipColumn{denomination, height});
            count -= height;
        }
    }
    return result;
}

} // namespace ChipStacking
