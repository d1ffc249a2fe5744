#include "Learn/GuideDestination.h"
#include "Learn/Term.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <unordered_set>

namespace {

struct Row {
    Term term;
    const char* name;
    const char* title;
    const char* shortText;
    const char* link;
    GuideDestination destination;
};

const Row rows[] = {
    {Term::allIn, "allIn", "All-in", "Betting every chip you have. Nobody can make you fold after that.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::ante, "ante", "Ante",
     "A small forced bet everyone puts in before the cards, in a Sit & Go's later levels.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::ante)},
    {Term::bankroll, "bankroll", "Bankroll",
     "All your chips. Play money only: chips can't be bought or cashed out.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::bankroll)},
    {Term::bet, "bet", "Bet",
     "Putting chips in when nobody has bet yet this round. The others must call, raise or fold.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::bigBlind, "bigBlind", "Big blind (BB)",
     "The larger forced bet, put in by the second player after the button.",
     "Blinds and the button in Poker Basics", GuideDestination::basics(2)},
    {Term::blinds, "blinds", "Blinds",
     "Two forced bets that start the pot each hand: the small blind and the big blind.",
     "Blinds and the button in Poker Basics", GuideDestination::basics(2)},
    {Term::board, "board", "Board", "The five shared cards in the middle: the flop, the turn and the river.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::board)},
    {Term::button, "button", "Button (dealer)",
     "The D disc. It marks the dealer and moves one seat each hand.", "Blinds and the button in Poker Basics",
     GuideDestination::basics(2)},
    {Term::buyIn, "buyIn", "Buy-in", "The chips you bring to a table from your bankroll.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::buyIn)},
    {Term::call, "call", "Call", "Matching the current bet to stay in the hand.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::cashTable, "cashTable", "Cash Table",
     "Sit down with bots and play as many hands as you like; leave any time.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::cashTable)},
    {Term::check, "check", "Check", "Passing without betting. Only allowed when nobody has bet this round.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::difficulty, "difficulty", "Difficulty", "How well the bots play.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::difficulty)},
    {Term::flop, "flop", "Flop", "The first three shared cards, dealt face up together.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::flop)},
    {Term::fold, "fold", "Fold", "Giving up the hand. You lose what you've put in, but nothing more.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::headsUp, "headsUp", "Heads-up", "Just two players: you and one opponent.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::headsUp)},
    {Term::holeCards, "holeCards", "Hole cards",
     "Your two private cards. Only you see them until the showdown.", "Starting hands in Poker Basics",
     GuideDestination::starters()},
    {Term::kicker, "kicker", "Kicker", "The highest card that isn't part of your hand. It breaks ties.",
     "Hand rankings in Poker Basics", GuideDestination::rankings()},
    {Term::pot, "pot", "Pot", "All the chips bet this hand. The winner takes it.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::pot)},
    {Term::quickHand, "quickHand", "Quick Hand", "One hand (or a few) against one bot, about a minute each.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::quickHand)},
    {Term::raise, "raise", "Raise", "Betting more than the current bet. The others must match it to stay in.",
     "Your options in Poker Basics", GuideDestination::basics(3)},
    {Term::river, "river", "River", "The fifth and last shared card.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::river)},
    {Term::showdown, "showdown", "Showdown",
     "After the last bet, the players left show their cards. The best five cards win.",
     "Hand rankings in Poker Basics", GuideDestination::rankings()},
    {Term::sidePot, "sidePot", "Side pot",
     "A second pot for bets an all-in player couldn't match. Only players who matched them can win it.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::sidePot)},
    {Term::sitAndGo, "sitAndGo", "Sit & Go",
     "A small tournament: six players, rising blinds, play until one has every chip.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::sitAndGo)},
    {Term::smallBlind, "smallBlind", "Small blind (SB)",
     "The smaller forced bet, half the big blind, put in by the player after the button.",
     "Blinds and the button in Poker Basics", GuideDestination::basics(2)},
    {Term::stack, "stack", "Stack", "The chips in front of a player at the table.",
     "Glossary in Poker Basics", GuideDestination::glossary(Term::stack)},
    {Term::stakes, "stakes", "Stakes", "The size of the blinds, like 5/10. Higher stakes mean bigger pots.",
     "Blinds and the button in Poker Basics", GuideDestination::basics(2)},
    {Term::suited, "suited", "Suited and offsuit",
     "Suited: your two cards share a suit. Offsuit: they don't.", "Starting hands in Poker Basics",
     GuideDestination::starters()},
    {Term::turn, "turn", "Turn", "The fourth shared card.", "Glossary in Poker Basics",
     GuideDestination::glossary(Term::turn)},
};

const TermNumbers noTable{};
const TermNumbers stakes(std::int64_t small, std::int64_t big) {
    return TermNumbers{PokerEngine::BlindLevel{small, big, 0}};
}

} // namespace

TEST(Term, EveryTermHasItsWords) {
    ASSERT_EQ(std::size(rows), termCount);
    for (std::size_t i = 0; i < termCount; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(allTerms()[i], row.term);
        EXPECT_EQ(toString(row.term), row.name);
        EXPECT_EQ(termFromString(row.name), row.term);
        EXPECT_EQ(title(row.term), QString::fromUtf8(row.title));
        EXPECT_EQ(shortText(row.term), QString::fromUtf8(row.shortText));
        EXPECT_EQ(guideLinkTitle(row.term), QString::fromUtf8(row.link));
        EXPECT_EQ(guideDestination(row.term), row.destination);
    }
    EXPECT_EQ(termFromString("AllIn"), std::nullopt);
    EXPECT_EQ(termFromString("sidepot"), std::nullopt);
    EXPECT_EQ(termFromString(""), std::nullopt);
}

TEST(Term, AlphabeticalOrderIsTheDeclarationOrder) {
    const auto& sorted = alphabeticalTerms();
    ASSERT_EQ(sorted.size(), termCount);
    EXPECT_TRUE(std::equal(sorted.begin(), sorted.end(), allTerms().begin()));
    EXPECT_EQ(title(sorted.front()), "All-in");
    EXPECT_EQ(title(sorted.back()), "Turn");
}

TEST(Term, ExplanationsWithoutNumbersOfTheirOwn) {
    EXPECT_EQ(explanation(Term::kicker, noTable), shortText(Term::kicker));
    EXPECT_EQ(explanation(Term::kicker, stakes(25, 50)), shortText(Term::kicker));
    EXPECT_EQ(
        explanation(Term::blinds, noTable),
        "Two forced bets that start the pot each hand, so there's always something to win. The player after "
        "the **button** puts in the **small blind** and the next player the **big blind**, twice as much. "
        "The button moves every hand, so everyone takes a turn.");
    EXPECT_EQ(
        explanation(Term::sidePot, noTable),
        "When a player goes **all-in** with fewer chips than the others bet, they can only win what they "
        "matched. The extra chips go into a side pot that only the players who matched them can win.");
    // The suit symbols carry the text-presentation selector so they never turn into emoji.
    EXPECT_EQ(
        explanation(Term::suited, noTable),
        QString::fromUtf8("Your two cards are **suited** when they share a suit, like A\u2660\uFE0E "
                          "J\u2660\uFE0E, and **offsuit** when they don't. Suited cards can make a flush, "
                          "so they're a little stronger."));
    for (const Term term : {Term::cashTable, Term::difficulty, Term::showdown}) {
        EXPECT_NE(explanation(term, noTable), shortText(term)) << toString(term);
    }
}

TEST(Term, ExplanationsFillInTheStakes) {
    EXPECT_TRUE(explanation(Term::stakes, stakes(25, 50))
                    .contains(" At 25/50 the small blind is 25 and the big blind is 50. "));
    EXPECT_TRUE(explanation(Term::stakes, noTable)
                    .contains(" At 5/10 the small blind is 5 and the big blind is 10. "));
    EXPECT_EQ(
        explanation(Term::buyIn, stakes(100, 200)),
        "The chips you bring to the table from your bankroll: 40 to 100 **big blinds**. At these stakes "
        "that's 8,000 to 20,000 chips. Whatever's in front of you when you leave goes back to your "
        "bankroll.");
    EXPECT_EQ(
        explanation(Term::buyIn, noTable),
        "The chips you bring to the table from your bankroll: 40 to 100 **big blinds**. Whatever's in front "
        "of you when you leave goes back to your bankroll.");
    EXPECT_EQ(
        explanation(Term::quickHand, stakes(100, 200)),
        "One hand, or as many as you pick, **heads-up**: just you and one bot. You each start with 2,000 "
        "chips and 10/20 **blinds**. After every hand your chips go back to your bankroll, and it ends early "
        "if either of you runs out.");
    EXPECT_EQ(
        explanation(Term::sitAndGo, noTable),
        "A small tournament. 6 players start with 1,500 chips each, and the **blinds** go up every 8 hands, "
        "so the game keeps moving. It ends when one player has every chip, and the top two share the "
        "3,000-chip prize: 1,950 for first and 1,050 for second.");
}

TEST(Term, LocaleDigitsOnlyWhereTheTextGroupsThem) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(explanation(Term::quickHand, noTable).contains("start with 2.000 chips"));
    EXPECT_TRUE(
        explanation(Term::sitAndGo, noTable).startsWith("A small tournament. 6 players start with 1.500"));
    EXPECT_TRUE(explanation(Term::buyIn, stakes(100, 200))
                    .contains("40 to 100 **big blinds**. At these stakes that's "
                              "8.000 to 20.000 chips."));
    QLocale::setDefault(saved);
}

TEST(GuideDestination, ComparesCaseAndPayload) {
    EXPECT_NE(GuideDestination::glossary(), GuideDestination::glossary(Term::pot));
    EXPECT_EQ(GuideDestination::glossary(Term::pot), GuideDestination::glossary(Term::pot));
    EXPECT_NE(GuideDestination::basics(2), GuideDestination::basics(3));
    EXPECT_NE(GuideDestination::rankings(), GuideDestination::starters());
    const std::unordered_set<GuideDestination> set{GuideDestination::basics(2), GuideDestination::basics(2),
                                                   GuideDestination::glossary(),
                                                   GuideDestination::glossary(Term::ante)};
    EXPECT_EQ(set.size(), 3u);
}

TEST(GuideDestination, OpensTheGuide) {
    EXPECT_EQ(GuideOpening::of(GuideDestination::basics(5)),
              (GuideOpening{GuideTab::basics, 5, std::nullopt}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::basics(99)),
              (GuideOpening{GuideTab::basics, 5, std::nullopt}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::basics(-3)),
              (GuideOpening{GuideTab::basics, 0, std::nullopt}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::glossary()),
              (GuideOpening{GuideTab::glossary, 0, std::nullopt}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::glossary(Term::sidePot)),
              (GuideOpening{GuideTab::glossary, 0, Term::sidePot}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::rankings()),
              (GuideOpening{GuideTab::rankings, 0, std::nullopt}));
    EXPECT_EQ(GuideOpening::of(GuideDestination::starters()),
              (GuideOpening{GuideTab::starters, 0, std::nullopt}));
    for (const GuideTab tab : allGuideTabs) {
        // A guide built anew where another stood shows the same tab and page.
        const GuideOpening again = GuideOpening::of(GuideDestination::standing(tab, 3));
        EXPECT_EQ(again.tab, tab);
        EXPECT_EQ(again.page, tab == GuideTab::basics ? 3 : 0);
        EXPECT_EQ(guideTabFromString(toString(tab)), tab);
    }
    EXPECT_EQ(guideTabFromString("Basics"), std::nullopt);
}
