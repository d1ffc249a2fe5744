#include "Table/TableSpeech.h"

#include "Table/HandEvents.h"

#include <gtest/gtest.h>

namespace {

using PokerEngine::PlayerView;
using namespace HandEvents;

const TableText names{
    [](std::int64_t seat) { return seat == 0 ? QStringLiteral("You") : QStringLiteral("Goldie"); }};

PlayerView at(std::vector<PokerEngine::HandEvent> log, bool heroToAct, std::int64_t hand = 1) {
    PlayerView seen = view();
    seen.handNumber = hand;
    seen.log = std::move(log);
    if (heroToAct) {
        PokerEngine::LegalActions legal;
        legal.canCheck = true;
        legal.minRaiseTo = 40;
        seen.legalActions = legal;
    }
    return seen;
}

} // namespace

TEST(TableSpeech, EventsAreToldAsTheyComeAndEachMomentTheGameWaitsIsADecision) {
    const std::vector<PokerEngine::HandEvent> dealt{started(), smallBlind(1), bigBlind(0), hole(0)};
    auto called = dealt;
    called.push_back(acted(1, ActionKind::call, 10, 20));
    auto flop = called;
    flop.push_back(acted(0, ActionKind::check));
    flop.push_back(board(Street::flop));
    const QString flopLine = "Flop: Two of clubs, Two of clubs, Two of clubs.";
    struct Row {
        const char* moment;
        std::optional<PlayerView> from;
        PlayerView to;
        QStringList said;
        // The player is asked again: a new decision, not the one before.
        bool newDecision;
    };
    const std::vector<Row> rows{
        {"a bot's action hands the player the turn",
         at(dealt, false),
         at(called, true),
         {"Goldie calls 10."},
         true},
        {"the player's own check closes a street they open",
         at(called, true),
         at(flop, true),
         {flopLine},
         true},
        {"the same view again", at(flop, true), at(flop, true), {}, false},
        {"a new hand dealt with the player first",
         at(flop, true),
         at(dealt, true, 2),
         {"Hand 1. Blinds 10 20."},
         true},
        {"a table just dealt, nothing told yet",
         std::nullopt,
         at(dealt, true),
         {"Hand 1. Blinds 10 20."},
         true},
        {"a table first seen mid-hand", std::nullopt, at(flop, true), {}, true},
        {"a new table, told from its first event, whatever hand the reader heard last",
         PlayerView{},
         at(flop, true),
         {"Hand 1. Blinds 10 20.", "Goldie calls 10.", flopLine},
         true},
        {"the player's turn is over", at(called, true), at(flop, false), {flopLine}, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TableSpeech::events(row.from, row.to, names), row.said) << row.moment;
        const bool same = row.from && TableSpeech::decision(1, *row.from) == TableSpeech::decision(1, row.to);
        EXPECT_EQ(!same, row.newDecision) << row.moment;
    }
    EXPECT_NE(TableSpeech::decision(1, at(dealt, true)), TableSpeech::decision(2, at(dealt, true)))
        << "a new table's first decision";
    // Prompted once while the turn stays open; again once it opens after a question or the pause.
    const auto now = TableSpeech::decision(1, at(called, true));
    EXPECT_FALSE(TableSpeech::promptDue(true, now, now));
    EXPECT_TRUE(TableSpeech::promptDue(false, now, now));
    EXPECT_TRUE(TableSpeech::promptDue(true, TableSpeech::decision(1, at(dealt, true)), now));
}

TEST(TableSpeech, ThePromptAndInThePracticeHandTheKeysThatAct) {
    const auto legal = [](std::optional<std::int64_t> call, std::optional<std::int64_t> minRaise,
                          bool opens) {
        PokerEngine::LegalActions actions;
        actions.canFold = true;
        actions.canCheck = !call;
        actions.callAmount = call;
        actions.minRaiseTo = minRaise;
        actions.opensBetting = opens;
        return actions;
    };
    struct Row {
        PokerEngine::LegalActions legal;
        bool practice;
        const char* said;
    };
    const std::vector<Row> rows{
        {legal(10, 40, false), false, "Your turn. 10 to call."},
        {legal(10, 40, false), true, "Your turn. 10 to call. Press C to call, R to raise, F to fold."},
        {legal(std::nullopt, 20, true), true,
         "Your turn. Check or bet. Press C to check, R to bet, F to fold."},
        {legal(std::nullopt, 40, false), true,
         "Your turn. Check or bet. Press C to check, R to raise, F to fold."},
        {legal(1200, std::nullopt, false), true, "Your turn. 1,200 to call. Press C to call, F to fold."},
        {legal(std::nullopt, std::nullopt, false), true, "Your turn. Check. Press C to check, F to fold."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TableSpeech::prompt(row.legal, row.practice), row.said) << row.said;
}

// What the table says of the player's own cards as they rest, and of itself when a reader comes to it.
TEST(TableSpeech, ThePlayersCardsAndTheTableAsItStands) {
    const auto card = [](const char* code) { return *PokerEngine::Card::fromCode(code); };
    PlayerView seen = view();
    seen.seats[0].stack = 990;
    EXPECT_EQ(TableSpeech::holeCards(seen, std::nullopt), std::nullopt);
    EXPECT_EQ(TableSpeech::standing(seen), "You have 990 chips.");
    seen.holeCards = {card("Ks"), card("Qs")};
    EXPECT_EQ(TableSpeech::holeCards(seen, std::nullopt), "Your cards: King of spades, Queen of spades.");
    EXPECT_EQ(TableSpeech::holeCards(seen, "Good start, 4 of 5. King-queen suited."),
              "Your cards: King of spades, Queen of spades. Good start, 4 of 5. King-queen suited.");
    seen.board = {card("Ac"), card("7d"), card("2c")};
    seen.pots = {PokerEngine::Pot{1250, {}}};
    EXPECT_EQ(TableSpeech::standing(seen),
              "Your cards: King of spades, Queen of spades. You have 990 chips. "
              "Board: Ace of clubs, Seven of diamonds, Two of clubs. Pot: 1,250 chips.");
    EXPECT_EQ(TableSpeech::nextHandWaits(false), "Press Return for the next hand.");
    EXPECT_EQ(TableSpeech::nextHandWaits(true), "Press Return to continue.");
}
