#include "Learn/PracticeCaption.h"
#include "Learn/ShowdownWhy.h"

#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"

#include <gtest/gtest.h>

using PokerEngine::Card;
using PokerEngine::HandEvent;

namespace {

Card card(const char* code) {
    return *Card::fromCode(code);
}

std::vector<Card> cards(std::initializer_list<const char*> codes) {
    std::vector<Card> result;
    for (const char* code : codes) {
        result.push_back(card(code));
    }
    return result;
}

PokerEngine::HandValue valueOf(const std::vector<Card>& hole, const std::vector<Card>& board) {
    std::vector<Card> all = hole;
    all.insert(all.end(), board.begin(), board.end());
    return PokerEngine::HandEvaluator::evaluate(all);
}

QString names(std::int64_t seat) {
    return seat == 0 ? QStringLiteral("You") : QStringLiteral("Rascal");
}

HandEvent award(std::int64_t seat, std::optional<PokerEngine::HandValue> hand, std::int64_t pot = 0) {
    return HandEvent(HandEvent::PotAwarded{pot, 100, {{seat, 100}}, hand});
}

} // namespace

TEST(ShowdownWhy, UncontestedPots) {
    EXPECT_EQ(ShowdownWhy::line({award(0, std::nullopt)}, 0, names, {}, {}),
              "Everyone else folded, so you take the pot without showing.");
    EXPECT_EQ(ShowdownWhy::line({award(1, std::nullopt)}, 0, names, {}, {{1, cards({"Kd", "Qs"})}}),
              "Everyone else folded, so Rascal takes the pot. They had King-queen offsuit.");
    EXPECT_EQ(ShowdownWhy::line({award(1, std::nullopt)}, 0, names, cards({"2c", "7d", "9h"}),
                                {{1, cards({"Kd", "Qs"})}}),
              "Everyone else folded, so Rascal takes the pot. It was a bluff: they had King High.");
    EXPECT_EQ(ShowdownWhy::line({award(1, std::nullopt)}, 0, names, {}, {}),
              "Everyone else folded, so Rascal takes the pot without showing.");
}

TEST(ShowdownWhy, ShownHands) {
    const auto board = cards({"6h", "7h", "8c", "9h", "2d"});
    const auto flush = valueOf(cards({"Ah", "3h"}), board);
    const auto straight = valueOf(cards({"Ts", "Jd"}), board);
    const std::vector<HandEvent> heroWins{
        HandEvent(HandEvent::HandRevealed{0, cards({"Ah", "3h"}), flush}),
        HandEvent(HandEvent::HandRevealed{1, cards({"Ts", "Jd"}), straight}), award(0, flush)};
    EXPECT_EQ(ShowdownWhy::line(heroWins, 0, names, board, {}),
              "Your Flush beats Rascal's Jack-high Straight.");

    const auto acesKing = valueOf(cards({"Ad", "Kc"}), cards({"As", "7c", "4d", "9s", "2h"}));
    const auto acesQueen = valueOf(cards({"Ah", "Qc"}), cards({"As", "7c", "4d", "9s", "2h"}));
    const std::vector<HandEvent> kicker{HandEvent(HandEvent::HandRevealed{0, cards({"Ah", "Qc"}), acesQueen}),
                                        HandEvent(HandEvent::HandRevealed{1, cards({"Ad", "Kc"}), acesKing}),
                                        award(1, acesKing)};
    EXPECT_EQ(ShowdownWhy::line(kicker, 0, names, {}, {}),
              "You both have a Pair of Aces, and Rascal's kicker is higher.");

    const std::vector<HandEvent> split{HandEvent(HandEvent::PotAwarded{0, 200, {{0, 100}, {1, 100}}, flush})};
    EXPECT_EQ(ShowdownWhy::line(split, 0, names, board, {}), std::nullopt);
    EXPECT_EQ(ShowdownWhy::soleWinner({award(0, flush), award(1, flush, 1)}), std::nullopt);
    EXPECT_EQ(ShowdownWhy::winningHand({award(1, straight, 1), award(0, flush)}), flush);
}

TEST(PracticeCaption, StepLabelsAndWhatAReaderHears) {
    EXPECT_EQ((PracticeCaption{PracticeStep::river, title(PracticeStep::river), {}}).stepLabel(),
              "Step 6 of 7");
    EXPECT_EQ((PracticeCaption{PracticeStep::yourCards, {}, {}}).stepLabel(), "Step 1 of 7");
    EXPECT_EQ((PracticeCaption{PracticeCaption::Folded{}, {}, {}}).stepLabel(), std::nullopt);
    // The step, the words without their markers, and the keys that answer the card, each said once.
    EXPECT_EQ((PracticeCaption{PracticeStep::blinds, "The blinds", "Two **forced bets** start the pot."})
                  .announcement(),
              "Step 2 of 7. The blinds. Two forced bets start the pot. Press Return for Got It.");
    EXPECT_EQ((PracticeCaption{PracticeCaption::Folded{}, "You folded", "Folding gave up **your cards**"})
                  .announcement(),
              "You folded. Folding gave up your cards. Press Return to try again, or Escape for Home.");
}

namespace {
HandEvent actedBy(std::int64_t seat, PokerEngine::ActionKind kind) {
    return HandEvent(HandEvent::Acted{seat, kind, 0, 0, false});
}
} // namespace

TEST(ShowdownWhy, BetYouOff) {
    using PokerEngine::ActionKind;
    const std::vector<HandEvent> betThenFold{actedBy(1, ActionKind::bet), actedBy(0, ActionKind::fold),
                                             award(1, std::nullopt)};
    EXPECT_EQ(ShowdownWhy::betYouOff(betThenFold, 0), 1);
    const std::vector<HandEvent> raiseThenFold{actedBy(0, ActionKind::call), actedBy(1, ActionKind::raise),
                                               actedBy(0, ActionKind::fold), award(1, std::nullopt)};
    EXPECT_EQ(ShowdownWhy::betYouOff(raiseThenFold, 0), 1);
    // Folded before the winner bet.
    const std::vector<HandEvent> foldFirst{actedBy(0, ActionKind::fold), actedBy(1, ActionKind::bet),
                                           award(1, std::nullopt)};
    EXPECT_EQ(ShowdownWhy::betYouOff(foldFirst, 0), std::nullopt);
    EXPECT_EQ(ShowdownWhy::betYouOff(betThenFold, std::nullopt), std::nullopt);
    EXPECT_EQ(ShowdownWhy::betYouOff(betThenFold, 1), std::nullopt);
    EXPECT_EQ(ShowdownWhy::betYouOff({}, 0), std::nullopt);
    const auto shown = valueOf(cards({"Ah", "Ad"}), cards({"2c", "7d", "9h"}));
    EXPECT_EQ(ShowdownWhy::betYouOff(
                  {actedBy(1, ActionKind::bet), actedBy(0, ActionKind::fold), award(1, shown)}, 0),
              std::nullopt);
    // A pot split between others is not "bet you off".
    const std::vector<HandEvent> split{
        actedBy(1, ActionKind::bet), actedBy(0, ActionKind::fold),
        HandEvent(HandEvent::PotAwarded{0, 200, {{1, 100}, {2, 100}}, std::nullopt})};
    EXPECT_EQ(ShowdownWhy::betYouOff(split, 0), std::nullopt);
}

TEST(ShowdownWhy, WinningFive) {
    const auto board = cards({"6h", "7h", "8c", "9h", "2d"});
    const auto flush = valueOf(cards({"Ah", "3h"}), board);
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.holeCards = cards({"Ah", "3h"});
    view.board = board;
    view.street = PokerEngine::Street::handComplete;
    for (std::int64_t seat : {0, 1}) {
        PokerEngine::SeatView place;
        place.index = seat;
        view.seats.push_back(place);
    }
    view.log = {award(0, flush)};
    const auto lit = ShowdownWhy::winningFive(view);
    ASSERT_TRUE(lit);
    EXPECT_EQ(*lit, (std::unordered_set<Card>{card("Ah"), card("3h"), card("6h"), card("7h"), card("9h")}));

    // A bot's win lights its cards only when they were shown.
    auto botWon = view;
    botWon.log = {award(1, flush)};
    EXPECT_EQ(ShowdownWhy::winningFive(botWon), std::nullopt);
    botWon.seats[1].holeCards = cards({"Ts", "Jd"});
    EXPECT_EQ(ShowdownWhy::winningFive(botWon),
              (std::unordered_set<Card>{card("Ts"), card("Jd"), card("7h"), card("8c"), card("9h")}));

    auto uncontested = view;
    uncontested.log = {award(0, std::nullopt)};
    EXPECT_EQ(ShowdownWhy::winningFive(uncontested), std::nullopt);
    auto split = view;
    split.log = {HandEvent(HandEvent::PotAwarded{0, 200, {{0, 100}, {1, 100}}, flush})};
    EXPECT_EQ(ShowdownWhy::winningFive(split), std::nullopt);
    auto running = view;
    running.street = PokerEngine::Street::river;
    EXPECT_EQ(ShowdownWhy::winningFive(running), std::nullopt);
}
