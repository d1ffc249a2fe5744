#include "Learn/HandTag.h"
#include "Learn/LearnMetrics.h"

#include "LearnFixtures.h"

#include "BotKit/PreflopChart.h"

#include <gtest/gtest.h>

using BotKit::StartingHand;
using LearnFixtures::cards;
using LearnFixtures::viewHolding;
using PokerEngine::Rank;

namespace {
const QString fewerPlayers =
    QStringLiteral(" With fewer players, more hands are worth playing, so this rates one step higher.");

StartingHand handOfGroup(int group) {
    for (const StartingHand& hand : StartingHand::all()) {
        if (BotKit::PreflopChart::group(hand) == group) {
            return hand;
        }
    }
    ADD_FAILURE() << "no hand in group " << group;
    return StartingHand(Rank::two, Rank::two, false);
}
} // namespace

TEST(HandTag, OnlyForALiveSeatWithTwoCards) {
    auto view = viewHolding(cards({"Ah", "Kh"}), {});
    EXPECT_TRUE(HandTag::make(view));

    auto folded = view;
    folded.seats[0].status = PokerEngine::SeatStatus::folded;
    EXPECT_EQ(HandTag::make(folded), std::nullopt);

    auto spectator = view;
    spectator.seatIndex.reset();
    EXPECT_EQ(HandTag::make(spectator), std::nullopt);

    auto waiting = view;
    waiting.holeCards.clear();
    EXPECT_EQ(HandTag::make(waiting), std::nullopt);
}

TEST(HandTag, PreflopRatesTheStartForTheTableSize) {
    const StartingHand five = handOfGroup(5);
    const auto headsUp = HandTag::preflop(five, 2);
    EXPECT_EQ(headsUp.title, "Good start");
    EXPECT_EQ(headsUp.pips, 4);
    EXPECT_EQ(headsUp.help, "Good start (4 of 5): a strong hand to start with." + fewerPlayers);

    const auto fourHanded = HandTag::preflop(five, 4);
    EXPECT_EQ(fourHanded.title, "Playable start");
    EXPECT_EQ(fourHanded.help, "Playable start (3 of 5): worth playing, more so with fewer players.");

    const StartingHand sevenTwo(Rank::seven, Rank::two, false);
    EXPECT_EQ(HandTag::preflop(sevenTwo, 6).title, "Weak start");
    EXPECT_EQ(HandTag::preflop(sevenTwo, 6).pips, 1);
    EXPECT_EQ(HandTag::preflop(sevenTwo, 2).title, "Risky start");
    EXPECT_EQ(HandTag::preflop(sevenTwo, 2).pips, 2);
    // The guide's chart rates for a full table; a tag that rates higher says why where it is seen.
    EXPECT_EQ(HandTag::preflop(sevenTwo, 2).lines,
              (QStringList{"Seven-two offsuit", "Rated up for 2 players"}));
    EXPECT_EQ(HandTag::preflop(sevenTwo, 2).spoken,
              "Risky start, 2 of 5. Seven-two offsuit. Rated up for 2 players.");
    EXPECT_EQ(HandTag::preflop(sevenTwo, 6).lines, QStringList{"Seven-two offsuit"});
    EXPECT_EQ(HandTag::preflop(sevenTwo, 3).help,
              "Risky start (2 of 5): it can win, but it often loses to better hands." + fewerPlayers);

    for (int players : {2, 3, 6}) {
        const auto aces = HandTag::preflop(StartingHand(Rank::ace, Rank::ace, false), players);
        EXPECT_EQ(aces.title, "Great start");
        EXPECT_EQ(aces.pips, 5);
        EXPECT_FALSE(aces.help.contains("fewer players"));
    }

    const StartingHand kingQueen(Rank::king, Rank::queen, true);
    EXPECT_EQ(HandTag::preflop(kingQueen, 6),
              (HandTag{"Great start",
                       5,
                       {"King-queen suited"},
                       "Great start (5 of 5): one of the best hands to start with.",
                       "Great start, 5 of 5. King-queen suited."}));
}

TEST(HandTag, PreflopCountsTheSeatsDealtIn) {
    const StartingHand five = handOfGroup(5);
    using PokerEngine::Suit;
    const std::vector<PokerEngine::Card> hole{{five.high, Suit::clubs},
                                              {five.low, five.suited ? Suit::clubs : Suit::diamonds}};
    EXPECT_EQ(HandTag::make(viewHolding(hole, {}, 2))->title, "Good start");
    auto six = viewHolding(hole, {}, 6);
    six.seats[3].status = PokerEngine::SeatStatus::folded;
    EXPECT_EQ(HandTag::make(six)->title, "Playable start");
}

TEST(HandTag, PostflopNamesTheHandAndOneHint) {
    EXPECT_EQ(
        HandTag::postflop(cards({"Kd", "7c"}), cards({"Kh", "9s", "2d"})),
        (HandTag{"Pair of Kings",
                 std::nullopt,
                 {"Top pair"},
                 "Your best five cards make a Pair of Kings. Top pair: one of your cards pairs the highest "
                 "card on the board.",
                 "Pair of Kings. Top pair."}));

    const auto twoPair = HandTag::postflop(cards({"Jh", "4c"}), cards({"Jd", "4s", "9c"}));
    EXPECT_EQ(twoPair.title, "Two Pair");
    EXPECT_EQ(twoPair.lines, QStringList{"Jacks and Fours"});
    EXPECT_EQ(twoPair.help, "Your best five cards make Two Pair, Jacks and Fours.");
    EXPECT_EQ(twoPair.spoken, "Two Pair, Jacks and Fours.");

    // Suit symbols in text presentation.
    const auto draw = HandTag::postflop(cards({"Ah", "3h"}), cards({"Kh", "9h", "2c"}));
    EXPECT_EQ(draw.title, "Ace High");
    EXPECT_EQ(draw.lines, QStringList{QString::fromUtf8("Flush draw \u2665\uFE0E")});
    EXPECT_EQ(draw.help, "Your best five cards make Ace High. Flush draw: one more heart makes a flush.");

    const auto flush = HandTag::postflop(cards({"Ah", "3h"}), cards({"Kh", "9h", "2h"}));
    EXPECT_EQ(flush.title, "Flush");
    EXPECT_EQ(flush.lines, QStringList{"Ace High"});
    EXPECT_EQ(flush.help, "Your best five cards make an Ace-high Flush.");
}

TEST(HandTag, HintRules) {
    // The board's five play: even high card gets the hint.
    EXPECT_EQ(HandTag::postflop(cards({"2c", "3d"}), cards({"Ah", "Kh", "Qs", "Jd", "9c"})).lines,
              QStringList{"Board plays"});
    // With fewer than five shared cards the best five always hold a hole card, however strong the
    // board's own hand.
    EXPECT_TRUE(HandTag::postflop(cards({"4d", "8s"}), cards({"Th", "Qh", "Qc"})).lines.isEmpty());
    EXPECT_EQ(HandTag::postflop(cards({"2c", "3d"}), cards({"Ah", "Ad", "Qs", "Qd"})).lines,
              QStringList{"Aces and Queens"});
    // A hole card that only ties the board's five still leaves the board playing.
    EXPECT_EQ(HandTag::postflop(cards({"Qc", "2d"}), cards({"Ah", "Ad", "Kh", "Kd", "Qs"})).lines,
              (QStringList{"Aces and Kings", "Board plays"}));
    // A kicker from the hand beats the board's fifth card: the hand plays.
    EXPECT_EQ(HandTag::postflop(cards({"Jc", "2d"}), cards({"Ah", "Ad", "Kh", "Kd", "9s"})).lines,
              QStringList{"Aces and Kings"});
    // A pocket pair over the board is not "top pair".
    EXPECT_TRUE(HandTag::postflop(cards({"Ac", "Ad"}), cards({"Kh", "9s", "2d"})).lines.isEmpty());
    // Four hearts all on the board are not the player's draw.
    EXPECT_FALSE(HandTag::postflop(cards({"As", "3c"}), cards({"Kh", "9h", "2h", "5h"}))
                     .lines.join(' ')
                     .contains("Flush draw"));
    const auto straight = HandTag::postflop(cards({"9c", "8d"}), cards({"7h", "6s", "2c"}));
    EXPECT_EQ(straight.lines, QStringList{"Straight draw"});
    EXPECT_TRUE(straight.help.endsWith("Straight draw: the right card makes a straight, five in a row."));
}

TEST(HandTag, HeldRankName) {
    EXPECT_EQ(heldRankName(viewHolding(cards({"Ah", "Kh"}), {})), std::nullopt);
    EXPECT_EQ(heldRankName(viewHolding(cards({"Ah", "Kh"}), cards({"Qh", "Jh", "Th"}))), "Royal Flush");
    EXPECT_EQ(heldRankName(viewHolding(cards({"Jh", "4c"}), cards({"Jd", "4s", "9c", "2h"}))), "Two Pair");
    auto folded = viewHolding(cards({"Jh", "4c"}), cards({"Jd", "4s", "9c"}));
    folded.seats[0].status = PokerEngine::SeatStatus::folded;
    EXPECT_EQ(heldRankName(folded), std::nullopt);
    // The tag after the flop.
    EXPECT_EQ(HandTag::make(viewHolding(cards({"Jh", "4c"}), cards({"Jd", "4s", "9c"})))->title, "Two Pair");
}

TEST(HandTagMetrics, TextShrinksToFitButNoFurtherThanTheMinimum) {
    EXPECT_EQ(HandTagMetrics::minimumScale, 0.85);
    EXPECT_EQ(shrinkToFit(100, 120, HandTagMetrics::minimumScale), 1);
    EXPECT_EQ(shrinkToFit(100, 100, HandTagMetrics::minimumScale), 1);
    EXPECT_DOUBLE_EQ(shrinkToFit(100, 90, HandTagMetrics::minimumScale), 0.9);
    EXPECT_EQ(shrinkToFit(100, 50, HandTagMetrics::minimumScale), 0.85);
    EXPECT_EQ(shrinkToFit(0, 50, HandTagMetrics::minimumScale), 1);

    // In the popover the five pips with their gaps are 38 wide, 6 from the title.
    const HandTagMetrics popover = HandTagMetrics::of(TableTheme::standard());
    EXPECT_EQ(popover.pipsWidth(), 38);
    EXPECT_FALSE(popover.pipsBelow(50, 94));
    EXPECT_TRUE(popover.pipsBelow(50, 92)) << "the pips move under the title rather than cut it";
    EXPECT_EQ(popover.textScale(100, 120, 80, true), 1);
    EXPECT_DOUBLE_EQ(popover.textScale(120, 108, 60, false), 0.9);
    // The title gives up more so its pips stay beside it: 91 left of 135 for a title of 100.
    EXPECT_DOUBLE_EQ(popover.textScale(144, 135, 100, true), 0.91);
    EXPECT_EQ(popover.textScale(144, 100, 100, true), HandTagMetrics::minimumScale);
}

TEST(HandTagMetrics, SmallerInThePopover) {
    const auto sizes = [](TableSurface surface) {
        TableTheme theme = TableTheme::standard();
        theme.surface = surface;
        const HandTagMetrics metrics = HandTagMetrics::of(theme);
        return std::array{metrics.titleSize, metrics.lineSize, metrics.pipSize, metrics.spacing};
    };
    EXPECT_EQ(sizes(TableSurface::popover), (std::array{12.0, 11.0, 6.0, 1.0}));
    EXPECT_EQ(sizes(TableSurface::window), (std::array{14.0, 12.5, 7.0, 2.0}));
}
