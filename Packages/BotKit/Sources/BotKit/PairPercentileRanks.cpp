#include "BotKit/PairPercentileRanks.h"

#include "BotKit/PreflopChart.h"

#include "PokerEngine/Card.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>

namespace BotKit {

using PokerEngine::Card;

const PercentileRanks& percentileRanks() {
    static const PercentileRanks table = [] {
        PercentileRanks built;
        const auto& all = Card::all();
        std::array<double, pairCount> values{};
        for (int a = 0; a < 52; ++a) {
            for (int b = 0; b < 52; ++b) {
                if (a != b) {
                    values[pairOf(a, b)] = PreflopChart::percentile(all[a], all[b]);
                    built.distinct.push_back(values[pairOf(a, b)]);
                }
            }
        }
        std::sort(built.distinct.begin(), built.distinct.end());
        built.distinct.erase(std::unique(built.distinct.begin(), built.distinct.end()), built.distinct.end());
        CW_PRECONDITION(built.distinct.size() < 0xFFFF);
        for (int a = 0; a < 52; ++a) {
            for (int b = 0; b < 52; ++b) {
                if (a != b) {
                    const auto rank =
                        std::lower_bound(built.distinct.begin(), built.distinct.end(), values[pairOf(a, b)]) -
                        built.distinct.begin();
                    built.ranks[pairOf(a, b)] = static_cast<std::uint16_t>(rank);
                }
            }
        }
        return built;
    }();
    return table;
}

} // namespace BotKit
