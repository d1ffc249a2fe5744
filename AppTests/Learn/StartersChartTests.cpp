#include "Learn/GuideInk.h"
#include "Learn/StartersChart.h"
#include "Style/Contrast.h"
#include "Views/Learn/StartersChartView.h"

#include <QFontMetricsF>

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
    // Every hand is named inside its cell, clear of its border, at 9 px or more, in whatever room the
    // guide gives the chart: from the narrowest sidebar with its scroll bar to a wide window's sidebar.
    // Where the room is too narrow the chart keeps the width that holds them, and scrolls.
    const StartersChart::LabelMeasures& measures = StartersChartView::labelMeasures();
    for (const double room : {0.0, 120.0, 204.0, 216.0, 230.0, 260.0, 300.0, 330.0, 350.0, 400.0, 800.0}) {
        const double chart = std::max(room, StartersChart::narrowestChart(measures));
        const int size = StartersChart::labelPixels(chart, measures);
        EXPECT_GE(size, 9) << room;
        const QFontMetricsF metrics(StartersChartView::labelFont(size));
        const double side = StartersChart::cellSide(chart);
        QStringList outside;
        for (int index = 0; index < chartSide * chartSide; ++index) {
            const QString label =
                QString::fromStdString(chartCell(index / chartSide, index % chartSide).description());
            const double widest = std::max(metrics.horizontalAdvance(label), metrics.height());
            if (widest + 2 * StartersChart::labelInset > side) {
                outside << QStringLiteral("%1 (%2)").arg(label).arg(widest);
            }
        }
        EXPECT_TRUE(outside.empty()) << "room " << room << ", cells " << side << " wide, labels at " << size
                                     << " px: " << outside.join(QStringLiteral(" ")).toStdString();
    }
    // Every cell's label reads on its colour: at 4.5:1, and at 7:1 with more contrast asked for.
    for (const bool dark : {false, true}) {
        for (const bool increased : {false, true}) {
            for (const StartingBand band : allStartingBands) {
                const auto look = StartersChart::bandLook(band, dark, increased);
                const RGB cell = Contrast::over(look.fill, GuideInk::ground(dark));
                EXPECT_GE(Contrast::textRatio(look.label, cell),
                          increased ? Contrast::enhancedText : Contrast::text)
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
