#include "Table/LogEntry.h"

#include "PokerEngine/Engine.h"
#include "Style/AvatarModel.h"
#include "Table/HandEvents.h"
#include "Table/TableSpeech.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/ActionLogView.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using PokerEngine::Card;
using PokerEngine::HandEvent;
using namespace HandEvents;

const TableText names{[](std::int64_t seat) {
    static const QStringList cast{"You", "Goldie", "Finn", "Rascal", "Inky", "Mo"};
    return seat >= 0 && seat < cast.size() ? cast[seat] : QStringLiteral("Empty");
}};

PokerEngine::PlayerView logView(std::vector<HandEvent> log, std::int64_t button = 0) {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.buttonIndex = button;
    view.log = std::move(log);
    return view;
}

LogEntry line(std::optional<std::int64_t> seat, const QString& text) {
    return {LogEntry::Line{seat, text}};
}

LogEntry heading(const QString& title, std::vector<Card> cards = {}) {
    return {LogEntry::Heading{title, std::move(cards)}};
}

Card shownCard(const char* code) {
    return *Card::fromCode(code);
}

const AppearanceFlags reduceMotion{.reduceMotion = true};

TableTheme satinWindow(AppearanceFlags flags = {}) {
    return TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, flags);
}

} // namespace

TEST(LogEntry, AHandStartsWithPreflopTheNewcomersAndTheDealer) {
    const auto rows = LogEntry::entries(logView({started()}), names, {3, 4});
    EXPECT_EQ(rows, (std::vector<LogEntry>{heading("Preflop"), line(3, "Rascal sits down"),
                                           line(4, "Inky sits down"), line(0, "You are the dealer")}));
    const auto botDealer = LogEntry::entries(logView({started()}, 2), names, {});
    EXPECT_EQ(botDealer.back(), line(2, "Finn is the dealer"));
}

TEST(LogEntry, StreetsBecomeHeadingsWithTheirCards) {
    const auto rows =
        LogEntry::entries(logView({started(), hole(0), hole(1), board(PokerEngine::Street::flop),
                                   board(PokerEngine::Street::turn), board(PokerEngine::Street::river)}),
                          names, {});
    const Card two = *Card::fromCode("2c");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2], heading("Flop", {two, two, two}));
    EXPECT_EQ(rows[3], heading("Turn", {two}));
    EXPECT_EQ(rows[4], heading("River", {two}));
    // Their cards are small, on the pixel grid in the pixel style.
    EXPECT_EQ(logCardSize(TableTheme::standard()), QSizeF(17, 24));
    EXPECT_EQ(logCardSize(TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 3, {})),
              QSizeF(27, 36));
}

TEST(LogEntry, LinesCarryTheirSeatsAndSentences) {
    const std::vector<HandEvent> events{ante(2),         smallBlind(1),
                                        bigBlind(2),     acted(0, PokerEngine::ActionKind::call, 20, 20),
                                        returned(2, 40), awarded(0, {{1, 300}, {2, 300}}),
                                        awarded(1, {})};
    std::vector<HandEvent> log{started()};
    log.insert(log.end(), events.begin(), events.end());
    const auto rows = LogEntry::entries(logView(log), names, {});
    std::vector<LogEntry> expected{heading("Preflop"), line(0, "You are the dealer")};
    const std::vector<std::optional<std::int64_t>> seats{2, 1, 2, 0, 2, 1, std::nullopt};
    for (std::size_t i = 0; i < events.size(); ++i)
        if (const auto sentence = names.sentence(events[i]))
            expected.push_back(line(seats[i], *sentence));
    EXPECT_EQ(rows, expected);
    // A shown hand is read with its cards' names, worded as it is said when it happens.
    const HandEvent shown = HandEvent::HandRevealed{1, {shownCard("Kd"), shownCard("Kh")}, {}};
    EXPECT_EQ(LogEntry::entries(logView({started(), shown}), names, {}).back().spoken(),
              "Goldie shows King of diamonds and King of hearts, " +
                  QString::fromStdString(PokerEngine::HandValue{}.name()));
    EXPECT_EQ(LogEntry::entries(logView({started(), shown}), names, {}).back().spoken() + ".",
              TableSpeech::line(shown, 0, names));
}

TEST(LogEntry, TheYourTurnRowComesLastOnThePlayersTurn) {
    auto view = logView({started()});
    view.legalActions = PokerEngine::LegalActions{};
    view.legalActions->callAmount = 1200;
    EXPECT_EQ(LogEntry::entries(view, names, {}).back(),
              LogEntry{LogEntry::YourTurn{"Your turn · 1,200 to call"}});
    view.legalActions->callAmount.reset();
    EXPECT_EQ(LogEntry::entries(view, names, {}).back(),
              LogEntry{LogEntry::YourTurn{"Your turn · check or bet"}});
    view.legalActions.reset();
    EXPECT_FALSE(std::holds_alternative<LogEntry::YourTurn>(LogEntry::entries(view, names, {}).back().kind));
}

TEST(LogEntry, EqualRowsHashAlike) {
    const LogEntry a = line(2, "Finn folds");
    const LogEntry b = line(2, "Finn folds");
    EXPECT_EQ(std::hash<LogEntry>{}(a), std::hash<LogEntry>{}(b));
    EXPECT_NE(a, line(std::nullopt, "Finn folds"));
    EXPECT_NE(a, LogEntry{LogEntry::YourTurn{"Finn folds"}});
}

TEST(LogEntry, ReadAloudEachRowIsASentenceAndAHeadingNamesItsCards) {
    const struct {
        const char* name;
        std::vector<LogEntry> rows;
        QString spoken;
    } cases[] = {
        {"no rows", {}, ""},
        {"short lines kept whole, a street with its cards",
         {line(1, "Goldie folds"), heading("Flop", {shownCard("Th"), shownCard("2c"), shownCard("As")}),
          line(0, "You check")},
         "Goldie folds. Flop, Ten of hearts, Two of clubs, Ace of spades. You check."},
        {"a row already a sentence",
         {line(0, "You win 20."), line(std::nullopt, "Split pot!")},
         "You win 20. Split pot!"},
        {"shown cards by name, never by symbol",
         {LogEntry{LogEntry::Line{1, "Goldie shows K♦ K♥, Pair of Kings",
                                  "Goldie shows King of diamonds and King of hearts, Pair of Kings"}}},
         "Goldie shows King of diamonds and King of hearts, Pair of Kings."},
        {"the prompt as written",
         {LogEntry{LogEntry::YourTurn{"Your turn · 20 to call"}}},
         "Your turn · 20 to call."},
    };
    for (const auto& row : cases)
        EXPECT_EQ(LogEntry::spoken(row.rows), row.spoken) << row.name;
}

TEST(LogEntry, SeatDotColours) {
    BotKit::BotProfile goldie = BotKit::BotProfile::standard(BotKit::BotTier::medium, "Goldie", "goldie");
    EXPECT_EQ(logSeatColor(goldie), CharacterBackdrop::color("goldie"));
    BotKit::BotProfile stranger = goldie;
    stranger.avatar = "nobody-we-know";
    EXPECT_EQ(logSeatColor(stranger), RGB::bytes(142, 142, 147));
    EXPECT_EQ(logSeatColor(std::nullopt), CharacterBackdrop::hero());
}

// A whole seeded hand at six seats with antes: a short stack moves in, the others raise and call, a
// side pot forms and the hand goes to a showdown.
TEST(LogEntry, AWholeSixSeatHandWithASidePotAndAShowdown) {
    using namespace PokerEngine;
    std::vector<PlayerID> players;
    for (int i = 0; i < 5; ++i)
        players.push_back(PlayerID::random());
    GameState state = newTable(TableConfig{6, BlindSchedule::fixed(10, 20, 5), 1000}, players, 0x5EED);
    const PlayerID shortStack = PlayerID::random();
    state = seat(shortStack, 5, 100, state);
    players.push_back(shortStack);
    state = startHand(state);
    bool raised = false;
    std::optional<PlayerView> heroTurn;
    for (int guard = 0; guard < 200 && state.street() != Street::handComplete; ++guard) {
        const auto acting = *state.actingIndex();
        const PlayerID& player = *state.seats()[static_cast<std::size_t>(acting)].player;
        const LegalActions legal = legalActions(state);
        if (acting == 0 && !heroTurn)
            heroTurn = view(state, players[0]);
        Action action = legal.canCheck ? Action::check() : Action::call();
        if (acting == 5 && legal.canAllIn)
            action = Action::allIn();
        else if (!raised && state.street() == Street::preflop && legal.minRaiseTo && acting != 5 &&
                 state.seats()[5].status == SeatStatus::allIn) {
            action = legal.aggressiveAction(300);
            raised = true;
        }
        state = apply(action, player, state);
    }
    ASSERT_EQ(state.street(), Street::handComplete);
    const PlayerView done = view(state, players[0]);
    const auto rows = LogEntry::entries(done, names, {});

    // Headings in street order, each with its cards.
    std::vector<QString> titles;
    for (const auto& row : rows)
        if (const auto* title = std::get_if<LogEntry::Heading>(&row.kind))
            titles.push_back(title->title);
    EXPECT_EQ(titles, (std::vector<QString>{"Preflop", "Flop", "Turn", "River"}));
    // Every event with a sentence has its line, in order, and nothing else does.
    std::vector<QString> sentences;
    for (const auto& event : done.log)
        if (!event.is<HandEvent::HandStarted>() && !event.is<HandEvent::BoardDealt>() &&
            !event.is<HandEvent::HoleCardsDealt>())
            if (const auto sentence = names.sentence(event))
                sentences.push_back(*sentence);
    std::vector<QString> lines;
    for (const auto& row : rows)
        if (const auto* text = std::get_if<LogEntry::Line>(&row.kind))
            lines.push_back(text->text);
    ASSERT_FALSE(lines.empty());
    lines.erase(lines.begin()); // the dealer line
    EXPECT_EQ(lines, sentences);
    // Antes were posted, two pots were awarded and hands were shown.
    const auto count = [&](auto isCase) { return std::count_if(done.log.begin(), done.log.end(), isCase); };
    EXPECT_EQ(count([](const HandEvent& e) { return e.is<HandEvent::AntePosted>(); }), 6);
    EXPECT_GE(count([](const HandEvent& e) { return e.is<HandEvent::PotAwarded>(); }), 2);
    EXPECT_GE(count([](const HandEvent& e) { return e.is<HandEvent::HandRevealed>(); }), 2);
    EXPECT_FALSE(std::holds_alternative<LogEntry::YourTurn>(rows.back().kind));
    // On the player's turn the prompt names the call.
    ASSERT_TRUE(heroTurn);
    const auto prompt = LogEntry::entries(*heroTurn, names, {}).back();
    ASSERT_TRUE(std::holds_alternative<LogEntry::YourTurn>(prompt.kind));
    EXPECT_TRUE(std::get<LogEntry::YourTurn>(prompt.kind).text.startsWith("Your turn · "));
}

TEST(ActionLogView, KeepsRowsAsNewOnesArriveAndNamesTheHand) {
    const auto paper = TableTheme::drawnIn(TableStyleID::paper, TableSurface::window, 3, AppearanceFlags{});
    ActionLogView log(paper, nullptr);
    EXPECT_TRUE(log.rows().empty());
    EXPECT_EQ(log.header(), "This Hand");
    const auto colours = [](std::int64_t) { return RGB::bytes(200, 40, 40); };
    std::vector<LogEntry> rows{heading("Preflop"), line(0, "You are the dealer")};
    log.setRows(rows, 7, colours);
    EXPECT_EQ(log.header(), "Hand 7");
    const auto before = log.rowWidgets();
    ASSERT_EQ(before.size(), 2u);
    rows.push_back(line(1, "Goldie folds"));
    log.setRows(rows, 7, colours);
    const auto after = log.rowWidgets();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    log.setRows({}, std::nullopt, colours);
    EXPECT_TRUE(log.rowWidgets().empty());
    EXPECT_EQ(log.header(), "This Hand");
}

TEST(ActionLogView, FollowsTheNewestRowAtOnceUnderReduceMotion) {
    ActionLogView log(satinWindow(reduceMotion), nullptr);
    log.resize(260, 200);
    log.show();
    std::vector<LogEntry> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(line(i % 6, QStringLiteral("Row %1 says something about the hand").arg(i)));
    log.setRows(rows, 1, [](std::int64_t) { return RGB::white; });
    QScrollBar* bar = log.scrollArea()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_FALSE(log.clock().isRunning());
}

TEST(ActionLogView, EasesToTheNewestRowOtherwise) {
    ActionLogView log(satinWindow(), nullptr);
    double now = 0;
    log.clock().setTimeSource([&] { return now; });
    log.resize(260, 200);
    log.show();
    std::vector<LogEntry> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(line(i % 6, QStringLiteral("Row %1").arg(i)));
    log.setRows(rows, 1, [](std::int64_t) { return RGB::white; });
    QScrollBar* bar = log.scrollArea()->verticalScrollBar();
    EXPECT_TRUE(log.clock().isRunning());
    EXPECT_LT(bar->value(), bar->maximum());
    now = 0.25;
    emit log.clock().ticked();
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_FALSE(log.clock().isRunning());
}

TEST(ActionLogView, LongLinesWrapWithinTheLogAndTheNewestStaysInReach) {
    ActionLogView log(satinWindow(reduceMotion), nullptr);
    log.resize(260, 200);
    log.show();
    std::vector<LogEntry> rows;
    // One row at a time, as a hand brings them, with the events between.
    for (int i = 0; i < 12; ++i) {
        rows.push_back(line(i % 6, QStringLiteral("Big Lou wins 278 with Two Pair, Aces and Sixes")));
        log.setRows(rows, 1, [](std::int64_t) { return RGB::white; });
        QApplication::processEvents();
    }
    const QWidget* viewport = log.scrollArea()->viewport();
    const QWidget* content = log.scrollArea()->widget();
    EXPECT_LE(content->width(), viewport->width());
    const QWidget* newest = log.rowWidgets().back();
    EXPECT_LE(newest->geometry().right(), viewport->width());
    // Scrolled to the end, the newest row's last line is in view.
    QScrollBar* bar = log.scrollArea()->verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_LE(newest->geometry().bottom() - bar->value(), viewport->height());
    // With room to spare, a row still takes only the height its lines need.
    log.setRows({rows.front()}, 1, [](std::int64_t) { return RGB::white; });
    QApplication::processEvents();
    const QWidget* only = log.rowWidgets().front();
    EXPECT_EQ(only->height(), only->heightForWidth(only->width()));
}

// A reader reaching the log by Tab or Shift+Tab hears every row in order, the short lines and the
// headings with their cards among them; only the log is read as holding the keys, not its viewport.
TEST(ActionLogView, ReachedByTheKeysItIsReadWholeInOrder) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    Announcer announcer;
    announcer.setShowsNotifications(false);
    auto* log = new ActionLogView(satinWindow(reduceMotion), nullptr, &announcer);
    QPushButton before, after;
    layout->addWidget(&before);
    layout->addWidget(log);
    layout->addWidget(&after);
    window.show();
    QApplication::setActiveWindow(&window);
    log->setRows({heading("Preflop"), line(1, "Goldie folds"),
                  heading("Flop", {shownCard("Th"), shownCard("2c"), shownCard("As")}), line(0, "You check")},
                 3, [](std::int64_t) { return RGB::white; });
    for (QWidget* from : {&before, &after}) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab, from == &after ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::processEvents();
        ASSERT_TRUE(log->scrollArea()->hasFocus());
        EXPECT_EQ(announcer.spoken().join('|').toStdString(),
                  QStringList(from == &after ? 2 : 1,
                              "Preflop. Goldie folds. Flop, Ten of hearts, Two of clubs, "
                              "Ace of spades. You check.")
                      .join('|')
                      .toStdString());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(log->scrollArea())->role(), QAccessible::List);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(log->scrollArea()->viewport())->state().focused);

    // Then the keys step through the rows, each read as shown: the row the keys reached reads as
    // focused. From the log as a whole Up goes to the last row.
    const QString flop = "Flop, Ten of hearts, Two of clubs, Ace of spades";
    const auto focused = [log] {
        QStringList rows;
        for (QWidget* row : log->rowWidgets())
            if (QAccessible::queryAccessibleInterface(row)->state().focused)
                rows << QAccessible::queryAccessibleInterface(row)->text(QAccessible::Name);
        return rows.join('|').toStdString();
    };
    const struct {
        Qt::Key key;
        QString row;
    } steps[] = {{Qt::Key_Up, "You check"},
                 {Qt::Key_Up, flop},
                 {Qt::Key_Home, "Preflop"},
                 {Qt::Key_Down, "Goldie folds"},
                 {Qt::Key_End, "You check"}};
    for (const auto& step : steps) {
        QTest::keyClick(log->scrollArea(), step.key);
        EXPECT_EQ(focused(), step.row.toStdString()) << step.key;
    }
    // A new hand takes the row away, and Tab away leaves none focused.
    log->setRows({heading("Preflop")}, 4, [](std::int64_t) { return RGB::white; });
    EXPECT_EQ(focused(), "");
    QTest::keyClick(log->scrollArea(), Qt::Key_Down);
    EXPECT_EQ(focused(), "Preflop");
    QTest::keyClick(log->scrollArea(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "");
}
