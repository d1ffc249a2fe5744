// The table's single-key play, rule by rule, with and without modifier keys.
#include "HandEvents.h"

#include "Table/Screen/TableKeys.h"
#include "Table/TurnGate.h"

#include <gtest/gtest.h>

using PokerEngine::Action;
using PokerEngine::LegalActions;
using PokerEngine::Street;
namespace Cmd = TableCommand;

namespace {

TableKeyPress typed(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    int key = 0;
    if (text.size() == 1 && text.front().isLetter()) {
        key = Qt::Key_A + (text.front().toUpper().unicode() - 'A');
    }
    return TableKeyPress{text, key, modifiers};
}
const TableKeyPress returnKey{QStringLiteral("\r"), Qt::Key_Return, Qt::NoModifier};
const TableKeyPress enterKey{QStringLiteral("\r"), Qt::Key_Enter, Qt::KeypadModifier};
const TableKeyPress spaceKey{QStringLiteral(" "), Qt::Key_Space, Qt::NoModifier};
const TableKeyPress escapeKey{QStringLiteral("\x1b"), Qt::Key_Escape, Qt::NoModifier};

// The hero to act facing a bet of 20 with 1,000 behind: call 20, raise 40 to 1,000.
PokerEngine::PlayerView facingBet() {
    auto view = HandEvents::view(2);
    view.blinds = PokerEngine::BlindLevel{10, 20, 0};
    view.currentBet = 20;
    view.lastFullRaiseSize = 20;
    view.seats[0].streetBet = 10;
    view.seats[0].stack = 990;
    view.seats[1].streetBet = 20;
    view.pots = {PokerEngine::Pot{0, {}}};
    LegalActions legal;
    legal.canFold = true;
    legal.callAmount = 10;
    legal.minRaiseTo = 40;
    legal.maxRaiseTo = 1000;
    legal.canAllIn = true;
    view.legalActions = legal;
    view.actingIndex = 0;
    return view;
}

// An action key the table cannot take is answered with why.
const TableKeyCommand told = Cmd::Tell{QStringLiteral("Not now.")};

struct Table {
    PokerEngine::PlayerView view = facingBet();
    TableKeyContext context;
    Table() {
        context.view = &view;
        context.notNow = QStringLiteral("Not now.");
    }
    std::optional<TableKeyCommand> press(const TableKeyPress& key) { return TableKeys::handle(key, context); }
};

} // namespace

TEST(TableKeys, ActionKeysOnTheHerosTurn) {
    Table table;
    EXPECT_EQ(table.press(typed("f")), TableKeyCommand(Cmd::Act{Action::fold()}));
    EXPECT_EQ(table.press(typed("F", Qt::ShiftModifier)), TableKeyCommand(Cmd::Act{Action::fold()}));
    EXPECT_EQ(table.press(typed("c")), TableKeyCommand(Cmd::Act{Action::call()}));
    EXPECT_EQ(table.press(spaceKey), TableKeyCommand(Cmd::Act{Action::call()}));
    EXPECT_EQ(table.press(typed("r")), TableKeyCommand(Cmd::FocusRaiseField{}));
    EXPECT_FALSE(table.press(escapeKey)); // Escape on the table itself is not the table's
    EXPECT_FALSE(table.press(typed("x")));
    EXPECT_FALSE(table.press(typed("5")));
    table.view.legalActions->canCheck = true;
    table.view.legalActions->callAmount.reset();
    EXPECT_EQ(table.press(typed("c")), TableKeyCommand(Cmd::Act{Action::check()}));
}

TEST(TableKeys, DigitsPickThePresets) {
    Table table;
    const auto third = table.press(typed("3"));
    ASSERT_TRUE(third);
    const auto* chosen = std::get_if<Cmd::ChoosePreset>(&*third);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->preset, RaisePreset::pot);
    EXPECT_EQ(chosen->raiseTo, *amount(RaisePreset::pot, table.view));
    EXPECT_EQ(table.press(typed("4")), TableKeyCommand(Cmd::ChoosePreset{RaisePreset::allIn, 1000}));
    EXPECT_EQ(std::get<Cmd::ChoosePreset>(*table.press(typed("1"))).preset, RaisePreset::halfPot);
    EXPECT_EQ(std::get<Cmd::ChoosePreset>(*table.press(typed("2"))).preset, RaisePreset::threeQuarterPot);
    EXPECT_FALSE(table.press(typed("0")));
}

TEST(TableKeys, WithoutARaiseOnlyFoldCheckAndCall) {
    // "r" keeps the focus on the table and says why there is no raise: the opponent all in, the call
    // taking every chip, a short all-in not reopening the betting.
    const std::vector<std::tuple<PokerEngine::SeatStatus, std::int64_t, const char*>> rows{
        {PokerEngine::SeatStatus::allIn, 1000, "No raise: every opponent is all in."},
        {PokerEngine::SeatStatus::active, 20, "No raise: calling puts you all in."},
        {PokerEngine::SeatStatus::active, 1000,
         "No raise: a short all-in does not reopen the betting to you."}};
    for (const auto& [opponent, heroCanReach, why] : rows) {
        Table table;
        table.view.legalActions->minRaiseTo.reset();
        table.view.legalActions->maxRaiseTo = heroCanReach;
        table.view.seats[1].status = opponent;
        EXPECT_EQ(table.press(typed("r")),
                  TableKeyCommand(Cmd::Tell{QString::fromUtf8(why) + " Press C to call, F to fold."}));
        EXPECT_FALSE(table.press(typed("1")));
        EXPECT_FALSE(table.press(returnKey));
        EXPECT_EQ(table.press(typed("c")), TableKeyCommand(Cmd::Act{Action::call()}));
    }
}

TEST(TableKeys, ReturnConfirmsTheClampedRaise) {
    Table table;
    const auto sends = [&](std::int64_t raiseTo) {
        table.context.raiseTo = raiseTo;
        return table.press(returnKey);
    };
    EXPECT_EQ(sends(0), TableKeyCommand(Cmd::Act{Action::raise(40)}));
    EXPECT_EQ(sends(120), TableKeyCommand(Cmd::Act{Action::raise(120)}));
    EXPECT_EQ(sends(999), TableKeyCommand(Cmd::Act{Action::raise(999)}));
    EXPECT_EQ(sends(1000), TableKeyCommand(Cmd::Act{Action::allIn()}));
    EXPECT_EQ(sends(5000), TableKeyCommand(Cmd::Act{Action::allIn()}));
    table.context.raiseTo = 60;
    EXPECT_EQ(table.press(enterKey), TableKeyCommand(Cmd::Act{Action::raise(60)}));

    table.view.legalActions->opensBetting = true;
    EXPECT_EQ(sends(60), TableKeyCommand(Cmd::Act{Action::bet(60)}));
    // Without all-in allowed, the most the key sends is a raise to the maximum.
    table.view.legalActions->canAllIn = false;
    EXPECT_EQ(sends(5000), TableKeyCommand(Cmd::Act{Action::bet(1000)}));
}

TEST(TableKeys, WindowModifiersAlwaysPassOn) {
    // Alt+F must not fold, Ctrl+C must not call: those belong to the window and its menus.
    Table table;
    for (const Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier}) {
        SCOPED_TRACE(static_cast<int>(modifier));
        for (const char* key : {"f", "c", "r", "1", "p", "?"}) {
            EXPECT_FALSE(table.press(typed(key, modifier))) << key;
        }
        EXPECT_FALSE(table.press(TableKeyPress{" ", Qt::Key_Space, modifier}));
        EXPECT_FALSE(table.press(TableKeyPress{"\r", Qt::Key_Return, modifier}));
        EXPECT_FALSE(table.press(typed("F", modifier | Qt::ShiftModifier)));
    }
    // Shift and the keypad are not window modifiers.
    EXPECT_TRUE(table.press(typed("?", Qt::ShiftModifier)));
    EXPECT_TRUE(table.press(TableKeyPress{"2", Qt::Key_2, Qt::KeypadModifier}));
}

TEST(TableKeys, NothingWithoutAViewOrUnderTheLeaveQuestionAndUnderTheGuideTheTablesKeysAreTold) {
    Table table;
    table.context.view = nullptr;
    EXPECT_FALSE(table.press(typed("p")));
    EXPECT_FALSE(table.press(typed("?")));

    Table leaving;
    leaving.context.confirmingLeave = true;
    EXPECT_FALSE(leaving.press(typed("f")));
    EXPECT_FALSE(leaving.press(typed("p")));
    EXPECT_FALSE(leaving.press(returnKey));

    Table reading;
    reading.context.guideOpen = true;
    for (const char* key : {"?", "p", "c", "f", "r", "1"})
        EXPECT_EQ(reading.press(typed(key)), told) << key;
    EXPECT_EQ(reading.press(spaceKey), told);
    EXPECT_FALSE(reading.press(escapeKey));
    EXPECT_FALSE(reading.press(typed("x")));
}

TEST(TableKeys, TheRaiseFieldKeepsItsKeysButEscape) {
    Table table;
    table.context.focus = TableFocus::raiseField;
    EXPECT_EQ(table.press(escapeKey), TableKeyCommand(Cmd::FocusTable{}));
    for (const char* key : {"f", "c", "1", "p", "?"}) {
        EXPECT_FALSE(table.press(typed(key))) << key;
    }
    EXPECT_FALSE(table.press(returnKey));
}

TEST(TableKeys, PracticeCaptionKeys) {
    Table table;
    table.context.caption = PracticeCaption{PracticeStep::blinds, "Blinds", "body"};
    table.context.pauseReasons = {PauseReason::practice};
    EXPECT_EQ(table.press(returnKey), TableKeyCommand(Cmd::AcknowledgePractice{}));
    EXPECT_EQ(table.press(spaceKey), TableKeyCommand(Cmd::AcknowledgePractice{}));
    EXPECT_EQ(table.press(typed("?")), TableKeyCommand(Cmd::OpenGuide{}));
    EXPECT_EQ(table.press(typed("p")), TableKeyCommand(Cmd::TogglePause{}));
    for (const char* key : {"f", "c", "r", "1", "4"}) {
        EXPECT_EQ(table.press(typed(key)), told) << key;
    }
    EXPECT_FALSE(table.press(escapeKey));
    table.context.caption = PracticeCaption{PracticeCaption::Folded{}, "Folded", "body"};
    EXPECT_EQ(table.press(returnKey), TableKeyCommand(Cmd::PracticeAgain{}));
    EXPECT_EQ(table.press(spaceKey), TableKeyCommand(Cmd::PracticeAgain{}));
}

TEST(TableKeys, PausesStopTheActionKeysOnly) {
    for (const PauseReason reason :
         {PauseReason::user, PauseReason::hidden, PauseReason::guide, PauseReason::practice}) {
        Table table;
        table.context.pauseReasons = {reason};
        for (const char* key : {"f", "c", "r", "2"}) {
            EXPECT_EQ(table.press(typed(key)), told) << key;
        }
        EXPECT_EQ(table.press(returnKey), told);
        EXPECT_EQ(table.press(typed("p")), TableKeyCommand(Cmd::TogglePause{}));
        EXPECT_EQ(table.press(typed("P", Qt::ShiftModifier)), TableKeyCommand(Cmd::TogglePause{}));
        EXPECT_EQ(table.press(typed("?")), TableKeyCommand(Cmd::OpenGuide{}));
    }
}

TEST(TableKeys, AShowingResultDealsOnReturnOrSpace) {
    Table table;
    table.view.street = Street::handComplete;
    table.view.legalActions.reset();
    table.context.showingResult = true;
    EXPECT_EQ(table.press(returnKey), TableKeyCommand(Cmd::DealNextHand{}));
    EXPECT_EQ(table.press(spaceKey), TableKeyCommand(Cmd::DealNextHand{}));
    EXPECT_EQ(table.press(typed("f")), told);
    // A paused table still lets Return ask for the deal; the controller decides whether it may.
    table.context.pauseReasons = {PauseReason::user};
    EXPECT_EQ(table.press(returnKey), TableKeyCommand(Cmd::DealNextHand{}));
    // Once the result has stopped showing, nothing is dealt from the keyboard.
    table.context.showingResult = false;
    EXPECT_EQ(table.press(returnKey), told);
}

TEST(TableKeys, ActionKeysWhileWaitingForOthersOrForTheTurnToOpenAreToldNotKept) {
    Table table;
    table.view.legalActions.reset();
    table.view.actingIndex = 1;
    for (const auto& key : {typed("f"), typed("c"), typed("r"), typed("1"), spaceKey, returnKey})
        EXPECT_EQ(table.press(key), told) << key.text.toStdString();
    EXPECT_EQ(table.press(typed("p")), TableKeyCommand(Cmd::TogglePause{}));
    EXPECT_FALSE(table.press(typed("x")));
    EXPECT_FALSE(table.press(escapeKey));
    Table opening; // the player's turn, not open yet: its cards still coming, the stage catching up
    opening.context.turnOpen = false;
    for (const auto& key : {typed("f"), typed("c"), typed("r"), typed("1"), spaceKey, returnKey})
        EXPECT_EQ(opening.press(key), told) << key.text.toStdString();
}

TEST(TableKeys, WhyAnActionKeyCannotActNow) {
    struct Row {
        const char* standing;
        TurnGate::Standing in;
        const char* said;
    };
    const PracticeCaption step{PracticeStep::blinds, "Blinds", "body"};
    const PracticeCaption folded{PracticeCaption::Folded{}, "Folded", "body"};
    const std::vector<Row> rows{
        {"a practice caption", {step, false, true, false, {}}, "Press Return for Got It."},
        {"the fold caption",
         {folded, false, false, false, {}},
         "Press Return to try again, or Escape for Home."},
        {"paused on the turn", {{}, true, true, true, {}}, "Paused. Press P to resume."},
        {"the turn's cards coming", {{}, false, true, true, {}}, "Not yet: the cards are still being dealt."},
        {"the turn about to open", {{}, false, true, false, {}}, "Not yet: your turn is about to open."},
        {"a bot to act",
         {{}, false, false, false, QStringLiteral("Rascal")},
         "Not your turn. Waiting for Rascal."},
        {"nobody to act", {{}, false, false, false, {}}, "Not your turn."},
        {"the guide over the table on the turn",
         {{}, false, true, false, {}, true},
         "Poker Basics covers the table. Press Escape to go back to it."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TurnGate::notNow(row.in), row.said) << row.standing;
}

TEST(TableKeys, AHeldKeyIsOnePressAndUnseenControlsTakeNoReturnOrSpace) {
    Table table;
    for (TableKeyPress key : {typed("f"), typed("c"), returnKey, spaceKey, typed("p")}) {
        key.autoRepeat = true;
        EXPECT_FALSE(table.press(key)) << key.text.toStdString();
    }
    // Return and Space also move the narration on and deal: until the controls have been seen they
    // bet nothing, while the letters, which mean only betting, still act.
    table.context.controlsSeen = false;
    EXPECT_EQ(table.press(returnKey), told);
    EXPECT_EQ(table.press(spaceKey), told);
    // Controls up 0.1 s after the Return that brought them wait 0.4 s; controls that came up by
    // themselves, long after the last such press (the cards of a new hand landing), take one at once.
    EXPECT_FALSE(TableKeys::controlsSeen(10.1, 10.0, 9.95));
    EXPECT_TRUE(TableKeys::controlsSeen(10.4, 10.0, 9.95));
    EXPECT_TRUE(TableKeys::controlsSeen(10.05, 10.0, 8.5));
    EXPECT_EQ(table.press(typed("c")), TableKeyCommand(Cmd::Act{Action::call()}));
    table.view.street = Street::handComplete;
    table.view.legalActions.reset();
    table.context.showingResult = true;
    EXPECT_EQ(table.press(returnKey), TableKeyCommand(Cmd::DealNextHand{}));
}

TEST(TableKeys, FromElsewhereInTheWindowEveryTableKeyCounts) {
    Table table;
    const auto elsewhere = [&](TableKeyPress key) {
        key.fromElsewhere = true;
        return table.press(key);
    };
    // The player's turn, with the keys in the log or on the toolbar: the table plays as from itself,
    // also with the amount field left holding the table's focus.
    const std::pair<TableKeyPress, TableKeyCommand> turn[] = {
        {typed("f"), Cmd::Act{Action::fold()}},
        {typed("c"), Cmd::Act{Action::call()}},
        {spaceKey, Cmd::Act{Action::call()}},
        {typed("r"), Cmd::FocusRaiseField{}},
        {typed("4"), Cmd::ChoosePreset{RaisePreset::allIn, 1000}},
        {returnKey, Cmd::Act{Action::raise(40)}},
        {typed("p"), Cmd::TogglePause{}},
        {typed("?"), Cmd::OpenGuide{}},
    };
    for (const auto& [key, command] : turn) {
        EXPECT_EQ(elsewhere(key), command) << key.text.toStdString();
    }
    EXPECT_FALSE(elsewhere(escapeKey));
    table.context.focus = TableFocus::raiseField;
    EXPECT_EQ(elsewhere(typed("p")), TableKeyCommand(Cmd::TogglePause{}));
    EXPECT_EQ(elsewhere(typed("c")), TableKeyCommand(Cmd::Act{Action::call()}));
    table.context.focus = TableFocus::table;
    table.view.street = Street::handComplete;
    table.view.legalActions.reset();
    table.context.showingResult = true;
    EXPECT_EQ(elsewhere(returnKey), TableKeyCommand(Cmd::DealNextHand{}));
    EXPECT_EQ(elsewhere(enterKey), TableKeyCommand(Cmd::DealNextHand{}));
    EXPECT_EQ(elsewhere(spaceKey), TableKeyCommand(Cmd::DealNextHand{}));
    // Under a practice caption Return and Space move the narration on.
    table.context.caption = PracticeCaption{PracticeStep::blinds, "Blinds", "body"};
    EXPECT_EQ(elsewhere(returnKey), TableKeyCommand(Cmd::AcknowledgePractice{}));
    EXPECT_EQ(elsewhere(spaceKey), TableKeyCommand(Cmd::AcknowledgePractice{}));
    EXPECT_EQ(elsewhere(typed("p")), TableKeyCommand(Cmd::TogglePause{}));
    EXPECT_EQ(elsewhere(typed("f")), told);
    table.context.caption = PracticeCaption{PracticeCaption::Folded{}, "Folded", "body"};
    EXPECT_EQ(elsewhere(returnKey), TableKeyCommand(Cmd::PracticeAgain{}));
    table.context.caption.reset();
    // Under a leave question the keys are the question's.
    table.context.confirmingLeave = true;
    EXPECT_FALSE(elsewhere(spaceKey));
}
