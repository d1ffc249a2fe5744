#include "Table/TableSpeaker.h"
#include "Table/TableSpeech.h"

#include "Learn/HandTag.h"
#include "Table/HandEvents.h"

#include "PokerEngine/HandEvaluator.h"

#include <gtest/gtest.h>

#include <functional>

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
        // The player's chips behind.
        std::int64_t stack = 1000;
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
        {legal(717, std::nullopt, false), false, "Your turn. 717 to call. Calling puts you all in.", 717},
        {legal(717, std::nullopt, false), true,
         "Your turn. 717 to call. Calling puts you all in. Press C to call, F to fold.", 717},
        {legal(717, std::nullopt, false), false, "Your turn. 717 to call.", 718},
    };
    for (const Row& row : rows) {
        PlayerView asked = view();
        asked.legalActions = row.legal;
        asked.seats[0].stack = row.stack;
        EXPECT_EQ(TableSpeech::prompt(asked, row.practice), row.said) << row.said;
    }
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

namespace {

PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

// Hand `hand` as the player holding the king and queen of spades sees it after `moves`; `heroToAct`: the
// game waits for the player.
PlayerView dealt(std::vector<PokerEngine::HandEvent> moves, bool heroToAct = false, std::int64_t hand = 1) {
    std::vector<PokerEngine::HandEvent> log{started(hand), smallBlind(1), bigBlind(0), hole(0), hole(1)};
    log.insert(log.end(), moves.begin(), moves.end());
    PlayerView seen = at(std::move(log), heroToAct, hand);
    seen.holeCards = {card("Ks"), card("Qs")};
    return seen;
}

// What a seat shows at the showdown with the board 2c 7d 9h, and the pot it wins with that hand.
PokerEngine::HandValue valueOf(const char* first, const char* second) {
    const std::vector<PokerEngine::Card> cards{card(first), card(second), card("2c"), card("7d"), card("9h")};
    return PokerEngine::HandEvaluator::evaluate(cards);
}
PokerEngine::HandEvent shows(std::int64_t seat, const char* first, const char* second) {
    return PokerEngine::HandEvent::HandRevealed{seat, {card(first), card(second)}, valueOf(first, second)};
}

// One thing the screen hands the speaker; a moment it may speak records what it says, "" for nothing.
using Step = std::function<void(TableSpeaker&, QStringList&)>;
// `learning`: the table tags the player's hand.
Step change(const PlayerView& view, bool heard = true, bool learning = false) {
    return [=](TableSpeaker& speaker, QStringList&) { speaker.viewChanged(1, view, heard, names, learning); };
}
TableSpeaker::Moment momentOf(const PlayerView& view) {
    TableSpeaker::Moment moment;
    moment.table = 1;
    moment.current = moment.shown = &view;
    return moment;
}
// The view's cards still coming, or come to rest; its result waiting for Return.
Step speak(const PlayerView& view, bool cardsComing = false, bool resultWaits = false,
           bool learning = false) {
    return [=](TableSpeaker& speaker, QStringList& said) {
        TableSpeaker::Moment moment = momentOf(view);
        moment.cardsComing = cardsComing;
        moment.heard = true;
        moment.turnOpen = view.legalActions && !cardsComing;
        moment.resultWaits = resultWaits;
        moment.learning = learning;
        said << speaker.speak(moment);
    };
}
// A moment under the guide: the reader cannot hear the table.
Step covered(const PlayerView& view) {
    return [=](TableSpeaker& speaker, QStringList& said) { said << speaker.speak(momentOf(view)); };
}
Step arrive(const PlayerView& view, bool cardsComing = false) {
    return [=](TableSpeaker& speaker, QStringList&) { speaker.arrived(1, view, cardsComing); };
}
Step join(const PlayerView& view) {
    return [=](TableSpeaker& speaker, QStringList&) { speaker.joined(1, view); };
}
Step call(void (TableSpeaker::*what)()) {
    return [=](TableSpeaker& speaker, QStringList&) { (speaker.*what)(); };
}

} // namespace

// Each hand heard as its start, the player's cards, then what happens in order; each thing once; the
// turn said for every decision and every return to the table while it waits.
TEST(TableSpeech, TheSpeakerSaysEachHandInOrderAndEachThingOnce) {
    const QString cards = "Your cards: King of spades, Queen of spades.";
    const QString turn = "Your turn. Check or bet.";
    const auto turnView = dealt({acted(1, ActionKind::call, 10, 20)}, true);
    const auto foldedTo = dealt({acted(1, ActionKind::fold), awarded(0, {{0, 30}})});
    const auto showdown = dealt({acted(1, ActionKind::call, 10, 20), acted(0, ActionKind::check),
                                 shows(1, "Kd", "Kh"), shows(0, "Ks", "Qs"),
                                 PokerEngine::HandEvent::PotAwarded{0, 40, {{1, 40}}, valueOf("Kd", "Kh")}});
    const Step caption = [](TableSpeaker& speaker, QStringList&) {
        speaker.caption("Only you see these two.");
    };
    // In learning mode the cards come with what their tag says of them, however they come to be said.
    const QString tagged = cards + " " + HandTag::make(dealt({}))->spoken;
    struct Row {
        const char* moment;
        std::vector<Step> steps;
        QStringList said;
        // The screen was made for a table under way; else it saw the table start.
        bool underWay = false;
    };
    const std::vector<Row> rows{
        {"a bot's first move waits behind the player's cards, the turn after both",
         {change(turnView), speak(turnView, true), speak(turnView)},
         {"Hand 1. Blinds 10 20.", cards + " Goldie calls 10. " + turn}},
        {"a bot folding before the player's turn: the cards before the result and the key to move on",
         {change(foldedTo), speak(foldedTo, true, true), speak(foldedTo, false, true)},
         {"Hand 1. Blinds 10 20.", cards + " Goldie folds. You win 30. Press Return for the next hand."}},
        {"the practice caption waits for the cards it explains",
         {change(dealt({})), caption, speak(dealt({}), true), speak(dealt({}))},
         {"Hand 1. Blinds 10 20.", cards + " Only you see these two."}},
        {"every shown hand by its cards' names and value, then the result as it stands",
         {change(dealt({})), speak(dealt({})), change(showdown), speak(showdown)},
         {"Hand 1. Blinds 10 20. " + cards,
          "Goldie calls 10. Goldie shows King of diamonds and King of hearts, Pair of Kings. You show King "
          "of "
          "spades and Queen of spades, King High. Goldie wins 40 with Pair of Kings."}},
        {"the prompt once a decision, none while away, again on coming back",
         {change(turnView), speak(turnView), speak(turnView), call(&TableSpeaker::away), speak(turnView),
          call(&TableSpeaker::back), speak(turnView), speak(turnView)},
         {"Hand 1. Blinds 10 20. " + cards + " Goldie calls 10. " + turn, "", "", turn, ""}},
        {"cards read with the table as it took the keys are not said again",
         {arrive(turnView), change(turnView), speak(turnView)},
         {"Hand 1. Blinds 10 20. Goldie calls 10. " + turn}},
        {"a hand resumed at the player's turn: the table with its cards where the keys land, then the turn",
         {arrive(turnView), change(turnView), speak(turnView), call(&TableSpeaker::read), speak(turnView),
          speak(turnView)},
         {"", turn, ""},
         true},
        {"the guide closed over the dealt hand: its cards with the table where the keys land, then what "
         "waited for them, the turn last",
         {change(turnView), speak(turnView, true), call(&TableSpeaker::uncovering), arrive(turnView),
          speak(turnView), call(&TableSpeaker::read), speak(turnView), speak(turnView)},
         {"Hand 1. Blinds 10 20.", "", "Goldie calls 10. " + turn, ""}},
        {"what was due as the guide came over the table waits for it to close and the table to be read",
         {change(turnView), call(&TableSpeaker::covering), covered(turnView), call(&TableSpeaker::uncovering),
          arrive(turnView), speak(turnView), call(&TableSpeaker::read), speak(turnView)},
         {"", "", "Hand 1. Blinds 10 20. Goldie calls 10. " + turn}},
        {"a caption due under the guide is said once the table is read again",
         {change(dealt({})), speak(dealt({})), call(&TableSpeaker::covering), caption, covered(dealt({})),
          call(&TableSpeaker::uncovering), arrive(dealt({})), speak(dealt({})), call(&TableSpeaker::read),
          speak(dealt({}))},
         {"Hand 1. Blinds 10 20. " + cards, "", "", "Only you see these two."}},
        {"a move made while the table is read after the guide waits for it, the turn after the move",
         {change(dealt({})), speak(dealt({}), true), call(&TableSpeaker::uncovering), arrive(dealt({})),
          change(turnView), speak(turnView), call(&TableSpeaker::read), speak(turnView)},
         {"Hand 1. Blinds 10 20.", "", "Goldie calls 10. " + turn}},
        {"the guide closed on the player's turn at rest: the turn said again, after the table",
         {change(turnView), speak(turnView), call(&TableSpeaker::uncovering), arrive(turnView),
          speak(turnView), call(&TableSpeaker::read), speak(turnView), speak(turnView)},
         {"Hand 1. Blinds 10 20. " + cards + " Goldie calls 10. " + turn, "", turn, ""}},
        {"the guide closed before the cards rest: read with the table where the keys land, not said again "
         "as they rest, where what waited for them follows",
         {change(turnView), speak(turnView, true), call(&TableSpeaker::uncovering), arrive(turnView, true),
          speak(turnView, true), call(&TableSpeaker::read), speak(turnView, true), speak(turnView)},
         {"Hand 1. Blinds 10 20.", "", "", "Goldie calls 10. " + turn}},
        {"a new game comes up with its cards on their way: read with the table where the keys land, "
         "however late, not said again as they rest; the other players' moves still wait for them",
         {arrive(dealt({}), true), change(dealt({})), speak(dealt({}), true), change(turnView),
          speak(turnView, true), speak(turnView)},
         {"Hand 1. Blinds 10 20.", "", "Goldie calls 10. " + turn}},
        {"a screen made for a hand dealt a while ago tells it from where it stands",
         {arrive(dealt({})), change(dealt({})), speak(dealt({}))},
         {""},
         true},
        {"a table moved before anyone acted, its cards still coming on the new screen: no start, no cards",
         {join(dealt({})), speak(dealt({}), true), change(dealt({})), speak(dealt({}))},
         {"", ""},
         true},
        {"a hand dealt on before the last one's cards rested: those cards, its moves, then the new hand",
         {change(foldedTo), change(dealt({}, false, 2)), speak(dealt({}, false, 2), true)},
         {"Hand 1. Blinds 10 20. " + cards + " Goldie folds. You win 30. Hand 2. Blinds 10 20."}},
        {"learning: the cards tagged once they rest",
         {change(turnView, true, true), speak(turnView, true, false, true),
          speak(turnView, false, false, true)},
         {"Hand 1. Blinds 10 20.", tagged + " Goldie calls 10. " + turn}},
        {"learning: the cards tagged when the next hand comes before they rest",
         {change(foldedTo, true, true), change(dealt({}, false, 2), true, true),
          speak(dealt({}, false, 2), true, false, true)},
         {"Hand 1. Blinds 10 20. " + tagged + " Goldie folds. You win 30. Hand 2. Blinds 10 20."}},
        {"changes the reader could not hear are kept up with, not told later",
         {change(turnView, false), speak(turnView), change(turnView), speak(turnView)},
         {cards + " " + turn, ""}},
        {"once the player leaves, no turn",
         {call(&TableSpeaker::leaving), change(turnView), speak(turnView)},
         {"Hand 1. Blinds 10 20. " + cards + " Goldie calls 10."}},
    };
    for (const Row& row : rows) {
        TableSpeaker speaker;
        if (!row.underWay)
            speaker.newTable();
        QStringList said;
        for (const Step& step : row.steps)
            step(speaker, said);
        EXPECT_EQ(said.join('|').toStdString(), row.said.join('|').toStdString()) << row.moment;
    }
    // The table's own words leave out cards the reader has not heard yet, and in learning mode say them
    // with their tag.
    TableSpeaker speaker;
    EXPECT_EQ(speaker.standing(1, turnView, false), "You have 1,000 chips.");
    speaker.arrived(1, turnView, false);
    EXPECT_EQ(speaker.standing(1, turnView, false), cards + " You have 1,000 chips.");
    EXPECT_EQ(speaker.standing(1, turnView, true), tagged + " You have 1,000 chips.");
    // Cards still on their way as the table takes the keys are read with it.
    TableSpeaker dealing;
    dealing.newTable();
    dealing.arrived(1, turnView, true);
    EXPECT_EQ(dealing.standing(1, turnView, false).toStdString(),
              (cards + " You have 1,000 chips.").toStdString());
}
