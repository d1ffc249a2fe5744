#include "Learn/GuideInk.h"
#include "Learn/StartersChart.h"
#include "Style/Contrast.h"

#include <gtest/gtest.h>

using BotKit::StartingHand;
using PokerEngine::Rank;
using StartersChart::Arrow;

namespace {
const StartingHand aces(Rank::ace, Rank::ace, false);
const StartingHand kingQueenSuited(Rank::king, Rank::queen, true);
const StartingHand sevenTwo(Rank::seven, Rank::two, false);
const StartingHand twos(Rank::two, Rank::two, false);
} // namespace

TEST(StartersChart, ArrowsFromNothingStartAtTheAces) {
    EXPECT_EQ(StartersChart::move(std::nullopt, std::nullopt, Arrow::right),
              StartingHand(Rank::ace, Rank::king, true));
    EXPECT_EQ(StartersChart::move(std::nullopt, std::nullopt, Arrow::down),
              StartingHand(Rank::ace, Rank::king, false));
    EXPECT_EQ(StartersChart::move(std::nullopt, std::nullopt, Arrow::left), aces);
    EXPECT_EQ(StartersChart::move(std::nullopt, std::nullopt, Arrow::up), aces);
}

TEST(StartersChart, ArrowsStartFromTheSelectionThenTheHeldHand) {
    EXPECT_EQ(StartersChart::move(std::nullopt, kingQueenSuited, Arrow::left),
              StartingHand(Rank::king, Rank::king, false));
    EXPECT_EQ(StartersChart::move(aces, kingQueenSuited, Arrow::right),
              StartingHand(Rank::ace, Rank::king, true));
    // The edges hold.
    EXPECT_EQ(StartersChart::move(sevenTwo, std::nullopt, Arrow::down), sevenTwo);
    EXPECT_EQ(StartersChart::move(twos, std::nullopt, Arrow::right), twos);
    EXPECT_EQ(StartersChart::move(twos, std::nullopt, Arrow::down), twos);
    EXPECT_EQ(StartersChart::move(twos, std::nullopt, Arrow::up), StartingHand(Rank::three, Rank::two, true));
    // Cards dealt while the tab is open become the selection only when the player has made none.
    EXPECT_EQ(StartersChart::selectionWhenCardsArrive(std::nullopt, kingQueenSuited), kingQueenSuited);
    EXPECT_EQ(StartersChart::selectionWhenCardsArrive(aces, kingQueenSuited), aces);
}

TEST(StartersChart, LabelsReadAtTheirSizeAndColour) {
    for (const auto& [width, size] : {std::pair{0.0, 9.0}, {300, 9}, {350, 11}, {400, 13}, {2000, 13}}) {
        EXPECT_EQ(StartersChart::labelSize(width), size) << width;
    }
    // All labels shrink alike so the widest keeps half a point each side, down to 0.6 and never under
    // 9 pt: the narrowest sidebar's cells, 15.8 wide, keep 9 pt; a label they cannot hold is left out.
    struct Share {
        double cell, widest, size, share;
    };
    for (const auto& [cell, widest, size, share] : {Share{20, 18, 13, 1},
                                                    {17, 20, 13, 0.8},
                                                    {5, 20, 20, 0.6},
                                                    {5, 20, 13, 9.0 / 13},
                                                    {15.8, 20, 9, 1}}) {
        EXPECT_DOUBLE_EQ(StartersChart::labelShare(cell, widest, size), share) << cell << " " << widest;
    }
    EXPECT_TRUE(StartersChart::labelFits(15.8, 14.8));
    EXPECT_FALSE(StartersChart::labelFits(15.8, 15));
    for (const bool dark : {false, true}) {
        for (const bool increased : {false, true}) {
            for (const StartingBand band : allStartingBands) {
                const auto look = StartersChart::bandLook(band, dark, increased);
                const RGB cell = Contrast::over(look.fill, GuideInk::ground(dark));
                EXPECT_GE(Contrast::textRatio(look.label, cell), Contrast::text)
                    << StartersChart::bandName(band).toStdString() << dark << increased;
                EXPECT_EQ(look.borderWidth, increased ? 1 : band == StartingBand::fold ? 0.5 : 0);
            }
        }
    }
}

TEST(StartersChart, NamesAndDetail) {
    EXPECT_EQ(StartersChart::cellSpoken(kingQueenSuited), "King-queen suited, great");
    EXPECT_EQ(StartersChart::cellSpoken(StartingHand(Rank::six, Rank::six, false)),
              "Pair of sixes, playable");
    EXPECT_EQ(StartersChart::cellSpoken(sevenTwo), "Seven-two offsuit, usually fold");
    EXPECT_EQ(StartersChart::bandName(StartingBand::risky), "Risky");

    EXPECT_EQ(StartersChart::detail(std::nullopt, kingQueenSuited), std::nullopt);
    EXPECT_EQ(StartersChart::noSelectionText(), "Click a hand to see how it rates.");
    EXPECT_EQ(
        StartersChart::detail(kingQueenSuited, kingQueenSuited),
        (StartersChart::Detail{"Your hand: ", "King-queen suited", QString::fromUtf8(" \u00B7 Great")}));
    EXPECT_EQ(StartersChart::detail(StartingHand(Rank::six, Rank::six, false), kingQueenSuited),
              (StartersChart::Detail{"", "Pair of sixes", QString::fromUtf8(" \u00B7 Playable")}));
}

TEST(StartersChart, SelectionIsAnnouncedWithTheCellsWords) {
    EXPECT_EQ(StartersChart::selectionAnnouncement(kingQueenSuited, kingQueenSuited),
              "Your hand: King-queen suited, great");
    EXPECT_EQ(StartersChart::selectionAnnouncement(sevenTwo, kingQueenSuited),
              "Seven-two offsuit, usually fold");
    EXPECT_EQ(StartersChart::selectionAnnouncement(aces, std::nullopt), "Pair of aces, great");
}
