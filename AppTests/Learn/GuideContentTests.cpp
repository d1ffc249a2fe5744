#include "Learn/BasicsPaging.h"
#include "Learn/GuideContent.h"
#include "Learn/GuideShell.h"
#include "Learn/HandNames.h"

#include "BotKit/PreflopChart.h"

#include "LearnFixtures.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

using BotKit::StartingHand;
using PokerEngine::Rank;

TEST(BasicsPage, SixPagesInReadingOrder) {
    const char* titles[] = {"The goal", "Your cards and the board", "Blinds and the button", "Your options",
                            "Showdown", "Chips and your bankroll"};
    for (int raw = 0; raw < basicsPageCount; ++raw) {
        const auto page = basicsPageFromRawValue(raw);
        ASSERT_TRUE(page);
        EXPECT_EQ(rawValue(*page), raw);
        EXPECT_EQ(title(*page), titles[raw]);
    }
    EXPECT_EQ(basicsPageFromRawValue(6), std::nullopt);
    EXPECT_EQ(basicsPageFromRawValue(-1), std::nullopt);
    EXPECT_TRUE(body(BasicsPage::cards).contains("your **hole cards**. Then five shared cards"));
    EXPECT_EQ(
        body(BasicsPage::chips),
        "Chips are play money: you can't buy them or cash them out. You start with 10,000. If your bankroll "
        "drops under 2,000, it tops back up to 2,000 the first time you open Chipwhistle each day.");
}

TEST(BasicsPaging, CountsDotsAndButtons) {
    EXPECT_EQ(BasicsPaging::pageCount(0), "1 OF 6");
    EXPECT_EQ(BasicsPaging::dotsLabel(0), "Page 1 of 6");
    EXPECT_EQ(
        BasicsPaging::reading(2),
        "Page 3 of 6. Blinds and the button. The button (D) marks the dealer. The two players after it put "
        "in the small blind and the big blind before any cards, so there's always a pot to play for. The "
        "button moves one seat each hand, so everyone takes a turn.");
    // A move reads the page it lands on, and says so when the button just pressed has become another.
    const char* chipsEnd = "the first time you open Chipwhistle each day.";
    const std::vector<std::tuple<int, int, bool, QString>> moves{
        {0, 1, true,
         "Page 2 of 6. Your cards and the board. You get two cards only you can see, your hole cards."},
        {4, 5, true, QString(chipsEnd) + " Next is now Play a Practice Hand."},
        {4, 5, false, QString(chipsEnd) + " Next is now Rankings."},
        {5, 4, true, "the last player left wins without showing. Play a Practice Hand is now Next."},
        {2, 3, false, "There's a round of betting before the flop and after each new card."},
    };
    for (const auto& [from, to, practise, said] : moves) {
        const auto words = BasicsPaging::announcement(from, to, practise);
        ASSERT_TRUE(words) << from << " to " << to;
        EXPECT_TRUE(words->startsWith(said) || words->endsWith(said)) << words->toStdString();
        EXPECT_FALSE(words->contains("**") || words->contains("..")) << words->toStdString();
    }
    EXPECT_EQ(BasicsPaging::announcement(5, 6, true), std::nullopt);
    EXPECT_EQ(BasicsPaging::announcement(0, -1, false), std::nullopt);
    EXPECT_EQ(BasicsPaging::pageInUse(9), BasicsPage::goal);
    EXPECT_EQ(BasicsPaging::pageInUse(4), BasicsPage::showdown);

    using BasicsPaging::Button;
    using BasicsPaging::Press;
    EXPECT_EQ(BasicsPaging::back(0, false), std::nullopt);
    EXPECT_EQ(BasicsPaging::back(1, false), (Button{"Back", Press::back, 80}));
    EXPECT_EQ(BasicsPaging::back(5, true), (Button{"Back", Press::back, 64}));
    EXPECT_EQ(BasicsPaging::forward(0, true, false), (Button{"Next", Press::next, 100}));
    EXPECT_EQ(BasicsPaging::forward(4, false, true), (Button{"Next", Press::next, 84}));
    EXPECT_EQ(BasicsPaging::forward(5, false, false),
              (Button{QString::fromUtf8("Rankings \u203A"), Press::rankings, 100}));
    EXPECT_EQ(BasicsPaging::forward(5, false, true).spokenTitle(), "Rankings");
    EXPECT_EQ(BasicsPaging::forward(5, true, false), (Button{"Play a Practice Hand", Press::practice, 160}));
    EXPECT_EQ(BasicsPaging::forward(5, true, true).width, 160);
    // As drawn in the window's sidebar, where "Next" measures 61 and "Rankings ›" 90 at their natural size.
    EXPECT_EQ(BasicsPaging::drawnWidth(BasicsPaging::forward(4, false, true), 61), 84);
    EXPECT_EQ(BasicsPaging::drawnWidth(BasicsPaging::forward(5, false, true), 90), 90);
    EXPECT_EQ(BasicsPaging::drawnWidth(BasicsPaging::forward(5, false, false), 90), 100);
}

TEST(HandRank, TenRowsWithFiveCardsEach) {
    const auto& ranks = HandRank::all();
    ASSERT_EQ(ranks.size(), 10u);
    const char* names[] = {"Royal Flush", "Straight Flush",  "Four of a Kind", "Full House", "Flush",
                           "Straight",    "Three of a Kind", "Two Pair",       "Pair",       "High Card"};
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        EXPECT_EQ(ranks[i].name, names[i]);
        EXPECT_EQ(ranks[i].cards.size(), 5u) << names[i];
        // Each example really is the hand it illustrates.
        const auto value = LearnFixtures::valueOf(ranks[i].cards, {});
        EXPECT_EQ(categoryName(value), names[i] == QStringLiteral("Pair") ? "Pair" : names[i]);
    }
    EXPECT_EQ(ranks[4].detail, "Any five of one suit");
    EXPECT_EQ(ranks[0].spoken(1, false),
              "1. Royal Flush: A, K, Q, J and 10, all one suit. For example Ace of "
              "spades, King of spades, Queen of spades, Jack of spades, Ten of spades.");
    EXPECT_TRUE(ranks[4].spoken(5, true).endsWith("Two of diamonds. You have this now."));
    EXPECT_TRUE(ranks[4].isHeld(QStringLiteral("Flush")));
    EXPECT_FALSE(ranks[4].isHeld(QStringLiteral("flush")));
    EXPECT_FALSE(ranks[4].isHeld(QStringLiteral("Flush ")));
    EXPECT_FALSE(ranks[4].isHeld(std::nullopt));
}

TEST(StartingBand, FollowsTheChartGroups) {
    EXPECT_EQ(startingBand(StartingHand(Rank::ace, Rank::ace, false)), StartingBand::great);
    EXPECT_EQ(startingBand(StartingHand(Rank::ace, Rank::king, true)), StartingBand::great);
    EXPECT_EQ(startingBand(StartingHand(Rank::seven, Rank::two, false)), StartingBand::fold);
    // Every group maps to its band, and every band is used.
    std::set<StartingBand> seen;
    for (const StartingHand& hand : StartingHand::all()) {
        const auto group = BotKit::PreflopChart::group(hand);
        const StartingBand band = startingBand(hand);
        seen.insert(band);
        if (!group) {
            EXPECT_EQ(band, StartingBand::fold);
        } else {
            EXPECT_EQ(band, allStartingBands[static_cast<std::size_t>((*group - 1) / 2)])
                << hand.description();
        }
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST(StartingHandNames, SpokenNames) {
    EXPECT_EQ(spokenName(StartingHand(Rank::king, Rank::queen, true)), "King-queen suited");
    EXPECT_EQ(spokenName(StartingHand(Rank::seven, Rank::two, false)), "Seven-two offsuit");
    EXPECT_EQ(spokenName(StartingHand(Rank::six, Rank::six, false)), "Pair of sixes");
    EXPECT_EQ(spokenName(StartingHand(Rank::king, Rank::king, false)), "Pair of kings");
}

TEST(StartingChart, OneCellPerHand) {
    EXPECT_EQ(chartPosition(StartingHand(Rank::seven, Rank::two, false)), (ChartPosition{12, 7}));
    EXPECT_EQ(chartCell(12, 7), StartingHand(Rank::seven, Rank::two, false));
    EXPECT_EQ(chartCell(7, 12), StartingHand(Rank::seven, Rank::two, true));
    EXPECT_EQ(chartCell(0, 1), StartingHand(Rank::ace, Rank::king, true));
    EXPECT_EQ(chartCell(1, 0), StartingHand(Rank::ace, Rank::king, false));
    EXPECT_EQ(chartCell(0, 0), StartingHand(Rank::ace, Rank::ace, false));

    std::set<std::string> labels;
    int pairs = 0;
    for (int row = 0; row < chartSide; ++row) {
        for (int column = 0; column < chartSide; ++column) {
            const StartingHand hand = chartCell(row, column);
            EXPECT_EQ(chartPosition(hand), (ChartPosition{row, column}));
            EXPECT_EQ(hand.isPair(), row == column);
            EXPECT_EQ(hand.suited, row < column);
            pairs += hand.isPair() ? 1 : 0;
            labels.insert(hand.description());
        }
    }
    EXPECT_EQ(labels.size(), 169u);
    EXPECT_EQ(pairs, 13);
}

TEST(StartingChartDeathTest, CellsOutsideTheChartStop) {
    EXPECT_DEATH(chartCell(13, 0), "row");
    EXPECT_DEATH(chartCell(0, -1), "row");
}

TEST(GuideShell, TabTitlesAndPresentationMeasures) {
    QStringList titles;
    for (const GuideTab tab : allGuideTabs) {
        titles.append(GuideShell::tabTitle(tab));
    }
    EXPECT_EQ(titles, (QStringList{"Basics", "Rankings", "Starters", "Glossary"}));
    EXPECT_EQ(GuideShell::pickerTitle(), "Poker Basics section");
    EXPECT_EQ(GuideShell::padding(false), 18);
    EXPECT_EQ(GuideShell::padding(true), 14);
    EXPECT_EQ(GuideShell::pickerWidth(GuideShell::narrowestWidth, true), 232);
    EXPECT_EQ(GuideShell::pickerWidth(420, false), 384);
    EXPECT_EQ(GuideShell::pickerWidth(20, true), 0);
    // The Glossary's top is its search: the prompt while every word shows, else where the search stands.
    EXPECT_EQ(GuideShell::tabReading(GuideTab::glossary, ""), "Search 30 words");
    EXPECT_EQ(GuideShell::tabReading(GuideTab::glossary, "bli"), "Search: bli. 5 words");
    EXPECT_EQ(GuideShell::tabReading(GuideTab::rankings, "bli"), GuideShell::rankingsIntro());

    using GuideShell::FocusOn;
    using GuideShell::ReturnPress;
    EXPECT_EQ(GuideShell::onReturn(false, GuideTab::basics, FocusOn::button), ReturnPress::focusedButton);
    EXPECT_EQ(GuideShell::onReturn(false, GuideTab::basics, FocusOn::choice), ReturnPress::basicsForward);
    EXPECT_EQ(GuideShell::onReturn(false, GuideTab::glossary, FocusOn::other), ReturnPress::nothing);
    EXPECT_EQ(GuideShell::onReturn(true, GuideTab::basics, FocusOn::other), ReturnPress::nothing);
}
