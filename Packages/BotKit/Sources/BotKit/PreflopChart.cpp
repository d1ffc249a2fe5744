#include "BotKit/PreflopChart.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace BotKit::PreflopChart {

using PokerEngine::Rank;

namespace {

constexpr int unlistedTier = 9;
constexpr double allCombos = 1326.0;

// The listed hands, strongest group first; the order inside a group carries no meaning.
constexpr std::array<std::string_view, 8> groupHands{
    "AA KK QQ JJ AKs",
    "TT AQs AJs KQs AKo",
    "99 JTs QJs KJs ATs AQo",
    "T9s KQo 88 QTs 98s J9s AJo KTs",
    "77 87s Q9s T8s KJo QJo JTo 76s 97s A9s A8s A7s A6s A5s A4s A3s A2s 65s",
    "66 ATo 55 86s KTo QTo 54s K9s J8s 75s",
    "44 J9o 64s T9o 53s 33 98o 43s 22 K8s K7s K6s K5s K4s K3s K2s T7s Q8s",
    "87o A9o Q9o 76o 42s 32s 96s 85s J8o J7s 65o 54o 74s K9o T8o",
};

struct ChartTable {
    std::array<int, 169> tiers{};
    std::array<double, 169> percentiles{};
};

ChartTable buildTable() {
    ChartTable table;
    table.tiers.fill(unlistedTier);
    table.percentiles.fill(1.0);

    for (std::size_t index = 0; index < groupHands.size(); ++index) {
        std::string_view hands = groupHands[index];
        while (!hands.empty()) {
            const auto space = hands.find(' ');
            const auto text = hands.substr(0, space);
            const auto hand = StartingHand::fromText(text);
            CW_PRECONDITION(hand.has_value());
            table.tiers[static_cast<std::size_t>(hand->gridIndex())] = static_cast<int>(index) + 1;
            hands = space == std::string_view::npos ? std::string_view{} : hands.substr(space + 1);
        }
    }

    std::vector<StartingHand> order = StartingHand::all();
    std::sort(order.begin(), order.end(), [&table](const StartingHand& a, const StartingHand& b) {
        const int tierA = table.tiers[static_cast<std::size_t>(a.gridIndex())];
        const int tierB = table.tiers[static_cast<std::size_t>(b.gridIndex())];
        if (tierA != tierB) {
            return tierA < tierB;
        }
        const double chenA = unroundedChen(a);
        const double chenB = unroundedChen(b);
        if (chenA != chenB) {
            return chenA > chenB;
        }
        return a.description() < b.description();
    });

    int runningCombos = 0;
    for (const auto& hand : order) {
        runningCombos += hand.combos();
        table.percentiles[static_cast<std::size_t>(hand.gridIndex())] = runningCombos / allCombos;
    }
    return table;
}

const ChartTable& chartTable() {
    static const ChartTable table = buildTable();
    return table;
}

double highCardPoints(Rank rank) {
    switch (rank) {
    case Rank::ace:
        return 10;
    case Rank::king:
        return 8;
    case Rank::queen:
        return 7;
    case Rank::jack:
        return 6;
    default:
        return PokerEngine::rawValue(rank) / 2.0;
    }
}

double pairPoints(Rank rank) {
    switch (rank) {
    case Rank::ace:
        return 20;
    case Rank::king:
        return 16;
    case Rank::queen:
        return 14;
    case Rank::jack:
        return 12;
    default:
        return std::max(5, static_cast<int>(PokerEngine::rawValue(rank)));
    }
}

double gapPenalty(int gap) {
    switch (gap) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
        return 4;
    default:
        return 5;
    }
}

} // namespace

int tier(const StartingHand& hand) {
    return std::min(chartTable().tiers[static_cast<std::size_t>(hand.gridIndex())], 8);
}

std::optional<int> group(const StartingHand& hand) {
    const int stored = chartTable().tiers[static_cast<std::size_t>(hand.gridIndex())];
    if (stored == unlistedTier) {
        return std::nullopt;
    }
    return stored;
}

double percentile(const StartingHand& hand) {
    return chartTable().percentiles[static_cast<std::size_t>(hand.gridIndex())];
}

double percentile(PokerEngine::Card a, PokerEngine::Card b) {
    return percentile(StartingHand(a, b));
}

double chenScore(const StartingHand& hand) {
    return std::ceil(unroundedChen(hand));
}

double unroundedChen(const StartingHand& hand) {
    if (hand.isPair()) {
        return pairPoints(hand.high);
    }
    double score = highCardPoints(hand.high);
    if (hand.suited) {
        score += 2;
    }
    const int highRaw = PokerEngine::rawValue(hand.high);
    const int gap = highRaw - PokerEngine::rawValue(hand.low) - 1;
    score -= gapPenalty(gap);
    if (gap <= 1 && highRaw < 12) {
        score += 1;
    }
    return score;
}

const std::vector<StartingHand>& allHands() {
    return StartingHand::all();
}

} // namespace BotKit::PreflopChart
