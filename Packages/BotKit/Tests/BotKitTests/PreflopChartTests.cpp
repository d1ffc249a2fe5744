#include "BotKit/PreflopChart.h"

#include "TestCards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace BotKit;
using BotKitTesting::card;
using PokerEngine::Rank;

namespace {

StartingHand hand(const char* text) {
    const auto parsed = StartingHand::fromText(text);
    CW_PRECONDITION(parsed.has_value());
    return *parsed;
}

std::vector<StartingHand> chartOrder() {
    auto order = StartingHand::all();
    std::sort(order.begin(), order.end(), [](const StartingHand& a, const StartingHand& b) {
        return PreflopChart::percentile(a) < PreflopChart::percentile(b);
    });
    return order;
}

} // namespace

TEST(StartingHand, ClassOfTwoCardsInEitherOrder) {
    EXPECT_EQ(StartingHand(card("As"), card("Ks")).description(), "AKs");
    EXPECT_EQ(StartingHand(card("Ks"), card("As")), StartingHand(card("As"), card("Ks")));
    const StartingHand aces(card("Ah"), card("Ad"));
    EXPECT_EQ(aces.description(), "AA");
    EXPECT_FALSE(aces.suited);
    EXPECT_TRUE(aces.isPair());
    EXPECT_EQ(aces.combos(), 6);
    EXPECT_EQ(StartingHand(card("7c"), card("Td")).description(), "T7o");
}

TEST(StartingHand, ReadsItsTextForm) {
    EXPECT_EQ(hand("KAs").description(), "AKs");
    EXPECT_EQ(hand("aks").description(), "AKs");
    EXPECT_EQ(hand("ako").description(), "AKo");
    EXPECT_EQ(hand("QQ").description(), "QQ");
    EXPECT_EQ(hand("t9o"), StartingHand(Rank::ten, Rank::nine, false));
    for (const char* text : {"QQs", "AK", "A", "", "AKS", "AKx", "AKso", "1Ks", "QQo"}) {
        EXPECT_FALSE(StartingHand::fromText(text).has_value()) << text;
    }
}

TEST(StartingHand, ListsAll169ClassesCoveringEveryCombination) {
    const auto& all = StartingHand::all();
    ASSERT_EQ(all.size(), 169u);
    std::set<int> cells;
    int combos = 0;
    for (const auto& hand : all) {
        cells.insert(hand.gridIndex());
        combos += hand.combos();
    }
    EXPECT_EQ(cells.size(), 169u);
    EXPECT_EQ(*cells.begin(), 0);
    EXPECT_EQ(*cells.rbegin(), 168);
    EXPECT_EQ(combos, 1326);

    std::vector<std::string> head, tail;
    for (std::size_t i = 0; i < 10; ++i) {
        head.push_back(all[i].description());
    }
    for (std::size_t i = all.size() - 5; i < all.size(); ++i) {
        tail.push_back(all[i].description());
    }
    EXPECT_EQ(head,
              (std::vector<std::string>{"22", "32s", "32o", "33", "42s", "42o", "43s", "43o", "44", "52s"}));
    EXPECT_EQ(tail, (std::vector<std::string>{"AQs", "AQo", "AKs", "AKo", "AA"}));
    EXPECT_EQ(&PreflopChart::allHands(), &StartingHand::all());
}

TEST(StartingHandDeathTest, RefusesImpossibleClasses) {
    EXPECT_DEATH(StartingHand(Rank::two, Rank::ace, false), "Precondition failed");
    EXPECT_DEATH(StartingHand(Rank::nine, Rank::nine, true), "Precondition failed");
}

TEST(PreflopChart, ChenFormulaWorkedValues) {
    const std::vector<std::pair<const char*, double>> cases{
        {"AKs", 12},  {"AKo", 10}, {"JTs", 9},    {"T9s", 8}, {"98s", 7.5}, {"54s", 5.5}, {"32s", 4.5},
        {"32o", 2.5}, {"Q8o", 3},  {"72o", -1.5}, {"AA", 20}, {"KK", 16},   {"QQ", 14},   {"JJ", 12},
        {"TT", 10},   {"66", 6},   {"55", 5},     {"22", 5},  {"K9s", 6},   {"J7o", 2},
    };
    for (const auto& [text, score] : cases) {
        EXPECT_EQ(PreflopChart::unroundedChen(hand(text)), score) << text;
    }
    EXPECT_EQ(PreflopChart::chenScore(hand("98s")), 8);
    EXPECT_EQ(PreflopChart::chenScore(hand("72o")), -1);
    EXPECT_EQ(PreflopChart::chenScore(hand("AKs")), 12);
}

TEST(PreflopChart, TiersAndGroups) {
    EXPECT_EQ(PreflopChart::tier(hand("AA")), 1);
    EXPECT_EQ(PreflopChart::tier(hand("AKo")), 2);
    EXPECT_EQ(PreflopChart::tier(hand("A5s")), 5);
    EXPECT_EQ(PreflopChart::tier(hand("72o")), 8);
    EXPECT_FALSE(PreflopChart::group(hand("72o")).has_value());
    EXPECT_EQ(PreflopChart::tier(hand("T8o")), 8);
    EXPECT_EQ(PreflopChart::group(hand("T8o")), 8);
    int listed = 0;
    for (const auto& hand : StartingHand::all()) {
        listed += PreflopChart::group(hand).has_value() ? 1 : 0;
    }
    EXPECT_EQ(listed, 85);
}

TEST(PreflopChart, PercentilesFollowTheChartOrder) {
    EXPECT_EQ(PreflopChart::percentile(hand("AA")), 6 / 1326.0);
    EXPECT_EQ(PreflopChart::percentile(card("Ah"), card("Ac")), 6 / 1326.0);
    EXPECT_EQ(PreflopChart::percentile(hand("72o")), 1.0);

    const auto order = chartOrder();
    std::vector<std::string> head;
    for (std::size_t i = 0; i < 10; ++i) {
        head.push_back(order[i].description());
    }
    EXPECT_EQ(head,
              (std::vector<std::string>{"AA", "KK", "QQ", "AKs", "JJ", "AQs", "AJs", "AKo", "KQs", "TT"}));
    EXPECT_EQ(PreflopChart::percentile(hand("AKs")), 22 / 1326.0);
    EXPECT_EQ(PreflopChart::percentile(hand("TT")), 58 / 1326.0);

    // The running total at the end of each group, and the first unlisted hands.
    const std::vector<std::pair<int, int>> groupEnds{{3, 92},  {4, 142}, {5, 240},
                                                     {6, 308}, {7, 410}, {8, 542}};
    for (const auto& [group, total] : groupEnds) {
        double last = 0;
        for (const auto& hand : order) {
            if (PreflopChart::group(hand) == group) {
                last = std::max(last, PreflopChart::percentile(hand));
            }
        }
        EXPECT_EQ(last, total / 1326.0) << group;
    }
    EXPECT_EQ(order[85].description(), "A2o");
    EXPECT_EQ(order[86].description(), "A3o");
    EXPECT_EQ(order[87].description(), "A4o");
    EXPECT_EQ(order.back().description(), "72o");

    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(PreflopChart::percentile(order[i - 1]), PreflopChart::percentile(order[i]));
        EXPECT_LE(PreflopChart::tier(order[i - 1]), PreflopChart::tier(order[i]));
    }
}
