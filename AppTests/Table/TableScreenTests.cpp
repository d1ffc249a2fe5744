// The table screen played by keys alone in virtual time: a Quick Hand series and a Sit & Go to their
// ends, the rows under the table on the way, and what a screen reader heard.
#include "TableScreenHarness.h"

#include "Game/BotSeating.h"
#include "Learn/HandTag.h"
#include "Learn/ShowdownWhy.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/StyledParagraph.h"
#include "Style/Drawing/StyledText.h"
#include "Support/ToldSelections.h"
#include "SurfaceCoordinator.h"
#include "System/PacedSignals.h"
#include "Table/ActionBarModel.h"
#include "Table/Screen/StageLayout.h"
#include "Table/Screen/TableOverModel.h"
#include "Table/TablePresenter.h"
#include "Views/Controls/AmountField.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Settings/SettingsRules.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Support/LeavingPicture.h"
#include "Views/Table/ActionBar.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/ShowdownBannerView.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TopBarView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// The popover bar's button a reader knows by `name` is greyed, and a click on it where a player would
// click does nothing.
void clickUnavailableBarButton(const TableScreenHarness& table, const QString& name) {
    StyledIconButton* found = nullptr;
    for (auto* button : table.screen->topBar()->findChildren<StyledIconButton*>())
        found = button->accessibleName() == name ? button : found;
    ASSERT_TRUE(found) << name.toStdString();
    EXPECT_FALSE(found->isEnabled()) << name.toStdString();
    QTest::mouseClick(found, Qt::LeftButton, {}, found->rect().center());
}

} // namespace

TEST(TableScreen, PlaysAQuickHandSeriesByKeys) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 3)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    ASSERT_TRUE(table.screen->presenter().shown());
    // Nothing acts on a game that is over, from its last result on: neither "p" nor the bar's pause.
    bool finalResult = false;
    const auto tryToPause = [&] {
        finalResult = true;
        table.type(Qt::Key_P);
        clickUnavailableBarButton(table, "Pause (P)");
        EXPECT_FALSE(controller.pauseReasons().contains(PauseReason::user));
        EXPECT_NE(table.screen->bottomRow(), BottomRow::paused);
    };
    const int keys = table.playByKeys([&] { table.type(Qt::Key_C); }, 20000, tryToPause);
    EXPECT_TRUE(finalResult);
    EXPECT_GT(keys, 3);
    ASSERT_TRUE(controller.tableOver());
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::tableOver);
    const QString title = table.screen->bottomText();
    EXPECT_TRUE(title.startsWith("You won ") || title.startsWith("You lost ") || title == "Even")
        << title.toStdString();
    // Every hand the keys played was booked, and the last one ended the series.
    int hands = 0;
    for (const auto& event : table.game.session.events) {
        hands += std::holds_alternative<SessionEvent::HandFinished>(event.value()) ? 1 : 0;
    }
    EXPECT_EQ(hands, controller.state()->handNumber());
    EXPECT_LE(controller.state()->handNumber(), 3);
    // The player's turns were announced with their prompt.
    EXPECT_TRUE(table.announcer.spoken().join(' ').contains("Your turn. "));
    // The panel that ends the series takes the keys on its primary button, where Space presses it as
    // on any focused button; the new game is played from the table.
    ASSERT_TRUE(table.screen->message());
    QWidget* playAgain = table.screen->message()->primaryButton();
    EXPECT_EQ(QApplication::focusWidget(), playAgain);
    // Tab goes round by the table, which rings itself, and on back to the panel's button.
    for (int presses = 0; presses < 10 && !table.screen->focusFrame()->isVisible(); ++presses)
        table.type(Qt::Key_Tab);
    ASSERT_TRUE(table.screen->hasFocus() && table.screen->focusFrame()->isVisible());
    for (int presses = 0; presses < 10 && QApplication::focusWidget() != playAgain; ++presses)
        table.type(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), playAgain);
    EXPECT_FALSE(table.screen->focusFrame()->isVisible()) << "the ring goes with the keys";
    const qsizetype playedAgain = table.announcer.spoken().size();
    table.type(Qt::Key_Space);
    ASSERT_TRUE(controller.hasTable());
    EXPECT_FALSE(controller.tableOver());
    EXPECT_EQ(QApplication::focusWidget(), table.screen.get());
    EXPECT_FALSE(table.screen->focusFrame()->isVisible())
        << "the new game gave the table the keys; no key did, so nothing is ringed";
    // The reader reads the table where the keys landed, the new game's cards among it though they are
    // still on their way, and they are not said again as they rest; the game's start is said, and the
    // turn.
    const QString described = table.screen->property(StyleAccessibility::askedDescriptionProperty).toString();
    EXPECT_TRUE(described.startsWith("Your cards: ")) << described.toStdString();
    for (int step = 0; step < 200 && !controller.isHeroTurn(); ++step)
        table.game.scheduler.advance(table.game.scheduler.nextDue().value_or(std::chrono::seconds(1)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    const QString heard = table.announcer.spoken().mid(playedAgain).join('\n');
    EXPECT_TRUE(heard.startsWith("Hand 1. Blinds 10 20.")) << heard.toStdString();
    EXPECT_FALSE(heard.contains("Your cards: ")) << heard.toStdString();
    EXPECT_TRUE(heard.contains("Your turn. ") || heard.contains(" wins ") || heard.contains("You win "))
        << heard.toStdString();
}

TEST(TableScreen, TellsTheReaderEveryHandAndEveryTurnOfASeriesStartedBeforeTheScreen) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    // Started from the lobby: the game has dealt when the root makes the table's screen.
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 4)));
    table.makeScreen();
    // What the new screen says, not the one the harness began with.
    const qsizetype before = table.announcer.spoken().size();
    table.activate();
    // What the table says of itself as it takes the keys.
    const QString described = table.screen->property(StyleAccessibility::askedDescriptionProperty).toString();
    for (int step = 0; step < 200 && !controller.isHeroTurn(); ++step)
        table.game.scheduler.advance(table.game.scheduler.nextDue().value_or(std::chrono::seconds(1)));
    ASSERT_TRUE(controller.isHeroTurn());
    // Hidden mid-turn the table pauses and its pause message waits with it; shown again, the table is on
    // again as soon as its window is up: the reader hears the turn that stands, not the pause that was.
    table.screen->hide();
    controller.pause(PauseReason::hidden);
    table.game.scheduler.advance(std::chrono::seconds(1));
    table.activate();
    controller.resume(PauseReason::hidden);
    table.game.scheduler.runDue();
    EXPECT_TRUE(table.announcer.spoken().back().startsWith("Your turn. "));
    // Moved to the other surface on the turn: the new screen's table is read as it stands as it takes the
    // keys, and only the turn is said, not the hand's start or the player's cards again; said once its
    // window has the keys and its focus is in, not as it shows, where a reader cuts it off for the focus.
    const qsizetype moved = table.announcer.spoken().size();
    table.makeScreen(TableSurface::window);
    table.hostInWindow();
    table.screen->joinTableUnderWay();
    table.host->show();
    table.game.scheduler.runDue();
    EXPECT_FALSE(table.announcer.spoken().mid(moved).join(' ').contains("Your turn"))
        << table.announcer.spoken().mid(moved).join('\n').toStdString();
    std::optional<bool> keysIn;
    QObject::connect(&table.announcer, &Announcer::announced, table.screen.get(), [&](const QString& words) {
        if (words.startsWith("Your turn"))
            keysIn = table.screen->isActiveWindow() && table.screen->hasFocus();
    });
    table.activate();
    table.game.scheduler.runDue();
    EXPECT_EQ(table.announcer.spoken().mid(moved).join(' ').toStdString(),
              table.announcer.spoken().back().toStdString());
    EXPECT_TRUE(table.announcer.spoken().back().startsWith("Your turn. "));
    EXPECT_EQ(keysIn, true);
    EXPECT_TRUE(table.screen->property(StyleAccessibility::askedDescriptionProperty)
                    .toString()
                    .startsWith("Your cards: "));

    int decisions = 0;
    table.playByKeys([&] {
        const auto before = controller.state();
        table.type(Qt::Key_C);
        decisions += controller.state() != before ? 1 : 0;
    });
    const QString spoken = table.announcer.spoken().mid(before).join('\n');
    EXPECT_FALSE(spoken.contains("Paused")) << spoken.toStdString();
    for (std::int64_t hand = 1; hand <= controller.state()->handNumber(); ++hand)
        EXPECT_EQ(spoken.count(QStringLiteral("Hand %1. Blinds 10 20.").arg(hand)), 1)
            << spoken.toStdString();
    // One prompt for every decision the keys made, and one for each screen the turn was shown again on.
    EXPECT_GT(decisions, 4);
    EXPECT_EQ(spoken.count("Your turn. "), decisions + 2) << spoken.toStdString();
    // Each hand's two cards once, before its first prompt or the key that moves on from its result,
    // which without the automatic deal every result names.
    const QStringList hands = spoken.split(QRegularExpression(QStringLiteral("Hand \\d+\\. Blinds"))).mid(1);
    EXPECT_EQ(hands.size(), controller.state()->handNumber());
    ASSERT_FALSE(hands.isEmpty());
    // The first hand's cards, still on their way as the table took the keys, are read with the table
    // wherever the reader reads it, and not said again as they rest.
    EXPECT_TRUE(described.startsWith("Your cards: ")) << described.toStdString();
    for (const QString& heard : hands) {
        EXPECT_EQ(
            heard.count(QRegularExpression(QStringLiteral("Your cards: \\w+ of \\w+, \\w+ of \\w+\\."))),
            &heard == &hands.front() ? 0 : 1)
            << heard.toStdString();
        EXPECT_LT(heard.indexOf("Your cards: "),
                  heard.indexOf(QRegularExpression("Your turn\\. |Press Return")))
            << heard.toStdString();
    }
    EXPECT_EQ(spoken.count("Press Return for the next hand."), controller.state()->handNumber() - 1);
    EXPECT_EQ(spoken.count("Press Return to continue."), 1);
}

TEST(TableScreen, LeavingBeforeTheEndTellsTheReaderWhatThePlayerTookAway) {
    // A cash table left mid-hand, where what the player put in stays in the pot; a Quick Hand left
    // between hands, its stack carried from hand to hand against the chips it started with; and left on
    // the player's turn, after which nothing of that turn is said; and a Sit & Go forfeited, by the
    // question's keys or by clicks, which ends the game and costs its buy-in. Said once, from either
    // surface: the other surface's screen, shown earlier and put away with its surface, goes quietly; and
    // said though Settings opened over the popover closed it before the bankroll was reset.
    enum class Leave { directly, byTheQuestion, byClicks, byResettingTheBankroll };
    struct Path {
        const char* name;
        GameSetup setup;
        bool betweenHands;
        // What the player sat down with; 0 at a Sit & Go, which takes nothing away but costs its buy-in.
        std::int64_t broughtIn;
        Leave how;
        TableSurface on;
        bool otherShownEarlier;
        bool settingsOverIt;
    };
    const auto cash = GameSetup::cashTable(CashTableSetup{
        CashStakes::low, 80, TableDifficulty::easy, BotSeating::opponents(2, TableDifficulty::easy, 5), 5});
    const auto quickHand = GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 5, 3));
    const auto sitAndGo =
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 7), 7});
    constexpr auto popover = TableSurface::popover;
    constexpr auto window = TableSurface::window;
    const std::vector<Path> paths{
        {"a cash table, from the popover", cash, false, 800, Leave::directly, popover, true, false},
        {"between hands, from the window", quickHand, true, 2000, Leave::directly, window, false, false},
        {"by the question in the popover", quickHand, false, 2000, Leave::byTheQuestion, popover, false,
         false},
        {"by the question in the window", quickHand, false, 2000, Leave::byTheQuestion, window, true, false},
        {"reset over the window", quickHand, false, 2000, Leave::byResettingTheBankroll, window, false,
         false},
        {"reset over the window, the popover opened earlier", quickHand, false, 2000,
         Leave::byResettingTheBankroll, window, true, false},
        {"reset from Settings opened over the popover", quickHand, false, 2000, Leave::byResettingTheBankroll,
         popover, false, true},
        {"reset from Settings opened over the popover, the window opened earlier", quickHand, false, 2000,
         Leave::byResettingTheBankroll, popover, true, true},
        {"a Sit & Go forfeited by the question's keys in the window", sitAndGo, false, 0,
         Leave::byTheQuestion, window, true, false},
        {"a Sit & Go forfeited by the question's keys in the popover", sitAndGo, false, 0,
         Leave::byTheQuestion, popover, false, false},
        {"a Sit & Go forfeited by clicks in the popover", sitAndGo, false, 0, Leave::byClicks, popover, true,
         false},
        {"a Sit & Go forfeited by a click on the window's question", sitAndGo, false, 0, Leave::byClicks,
         window, false, false}};
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        TableScreenHarness table(path.on);
        SurfaceCoordinator surfaces{table.game.controller};
        table.environment.surfaces = &surfaces;
        table.makeScreen(path.on);
        auto& controller = table.game.controller;
        // Booked as the game books it, so the bankroll told is the one the leave left.
        controller.setSession(&table.appState);
        controller.start(path.setup);
        QWidget otherSurface;
        std::unique_ptr<TableScreen> other;
        if (path.otherShownEarlier) {
            other = std::make_unique<TableScreen>(
                table.environment, path.on == popover ? window : popover, std::function<void()>{},
                TableScreen::Services{&table.game.scheduler, &table.sounds, &table.announcer,
                                      [&table] { return table.game.base + table.game.scheduler.now(); }},
                &otherSurface);
            otherSurface.show();
            otherSurface.hide();
        }
        // The roots put the screens away for the lobby as the table ends; the bankroll is the table's
        // last, before a reset.
        std::optional<std::int64_t> bankroll;
        QObject::connect(&controller, &GameController::stateChanged, &otherSurface, [&] {
            if (!controller.hasTable() && !bankroll) {
                bankroll = table.appState.profile().bankroll;
                table.screen->hide();
            }
        });
        table.activate();
        table.game.scheduler.advance(std::chrono::seconds(2));
        for (int hands = 0; path.betweenHands && !controller.isShowingResult();)
            ASSERT_TRUE(table.game.stepOnce(checkOrCall, hands));
        for (int step = 0; path.how != Leave::directly && step < 2000 && !table.canAct(); ++step)
            table.game.scheduler.advance(std::chrono::milliseconds(50));
        ASSERT_TRUE(path.how == Leave::directly || table.canAct());
        const auto view = controller.view();
        ASSERT_TRUE(view && view->seatIndex);
        const std::int64_t behind = view->seats[static_cast<std::size_t>(*view->seatIndex)].stack;
        const qsizetype before = table.announcer.spoken().size();
        if (path.how == Leave::directly) {
            controller.leaveTable();
        } else if (path.how == Leave::byResettingTheBankroll) {
            surfaces.setSettingsOpen(true);
            if (path.settingsOverIt) {
                // Settings opened from the popover close it, and its screen with it.
                table.screen->hide();
            }
            SettingsRules::resetBankroll(table.appState, controller);
        } else if (path.how == Leave::byClicks) {
            // The popover's bar asks first; in the window its toolbar, which is no part of the screen.
            if (path.on == popover) {
                StyledIconButton* leave = table.screen->topBar()->button(TopBarText::TopBarButton::leave);
                ASSERT_EQ(leave->accessibleName(), "Forfeit");
                QTest::mouseClick(leave, Qt::LeftButton, {}, leave->rect().center());
            } else {
                surfaces.requestLeave();
            }
            ASSERT_TRUE(table.screen->message());
            ASSERT_EQ(table.screen->bottomText(), "Forfeit the Sit & Go?");
            QWidget* forfeit = table.screen->message()->primaryButton();
            QTest::mouseClick(forfeit, Qt::LeftButton, {}, forfeit->rect().center());
            ASSERT_FALSE(controller.hasTable());
        } else {
            surfaces.setConfirmingLeave(true);
            // The keys rest on "Keep Playing"; Shift+Tab reaches the button that leaves.
            table.type(Qt::Key_Backtab);
            table.type(Qt::Key_Return);
            ASSERT_FALSE(controller.hasTable());
        }
        ASSERT_TRUE(bankroll);
        const QStringList said = table.announcer.spoken().mid(before);
        EXPECT_FALSE(said.join(' ').contains("Your turn")) << said.join('\n').toStdString();
        ASSERT_EQ(said.filter("You left the").size(), 1) << said.join('\n').toStdString();
        EXPECT_EQ(
            said.filter("You left the").front(),
            path.setup.mode() == GameMode::sitAndGo
                ? QStringLiteral("You left the Sit & Go and lost the 500-chip buy-in. Bankroll: 9,500 chips.")
                : TableOverModel::leftTable(behind, path.broughtIn, *bankroll));
    }
}

TEST(TableScreen, PlaysASitAndGoToItsEndByKeys) {
    TableScreenHarness table(TableSurface::window);
    table.activate();
    auto& controller = table.game.controller;
    controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 99), 99}));
    // All in every hand: "4" picks the all-in preset, Return sends it (a call when no raise is left).
    bool finalResult = false;
    table.playByKeys(
        [&] {
            const bool canRaise = controller.view()->legalActions->minRaiseTo.has_value();
            if (canRaise) {
                table.type(Qt::Key_4);
                table.type(Qt::Key_Return);
            } else {
                table.type(Qt::Key_C);
            }
        },
        20000,
        [&] {
            // The last result is no pause's to hold.
            finalResult = true;
            table.type(Qt::Key_P);
            EXPECT_FALSE(controller.pauseReasons().contains(PauseReason::user));
        });
    EXPECT_TRUE(finalResult);
    // The Return that sent the last all-in did not also press the panel that followed it.
    ASSERT_TRUE(controller.tableOver());
    const auto* finished = std::get_if<TableOver::Finished>(&controller.tableOver()->value);
    ASSERT_TRUE(finished);
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::tableOver);
    const QString title = table.screen->bottomText();
    if (finished->place == 1) {
        EXPECT_EQ(title, "You won the Sit & Go!");
    } else {
        EXPECT_EQ(title, QStringLiteral("You finished %1").arg(ordinal(finished->place)));
    }
    // The engine saw the all-ins: at least one all-in by the player in the log of the last hand
    // or an elimination of the player.
    EXPECT_GE(controller.state()->handNumber(), 1);
    // The popover's bar under the panel offers no forfeit of a game already over: a click there leaves
    // the panel's choices standing.
    SurfaceCoordinator surfaces{controller};
    table.environment.surfaces = &surfaces;
    table.makeScreen(TableSurface::popover);
    table.activate();
    clickUnavailableBarButton(table, "Forfeit");
    ASSERT_TRUE(controller.hasTable() && controller.tableOver());
    EXPECT_FALSE(surfaces.isConfirmingLeave());
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::tableOver);
    // Return presses the panel's first choice with the keys on the table: another Sit & Go, or home
    // when the chips for one are gone.
    table.type(Qt::Key_Return);
    EXPECT_TRUE(!controller.hasTable() || !controller.tableOver());
}

// R puts the keys in the amount field with its amount chosen, so what the player types next stands in
// its place rather than after it: "60" raises to 60, never to 2060. The screen can close while they
// type.
TEST(TableScreen, TheAmountTypedAfterRReplacesTheOneShown) {
    TableScreenHarness table(TableSurface::window);
    table.activate();
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 1)));
    for (int step = 0; step < 200 && !controller.isHeroTurn(); ++step)
        table.game.scheduler.advance(std::chrono::milliseconds(100));
    ASSERT_TRUE(controller.isHeroTurn());
    table.game.scheduler.advance(std::chrono::seconds(1));
    auto* field = table.screen->findChild<AmountField*>();
    ASSERT_TRUE(field && field->isVisible());
    ASSERT_NE(field->lineEdit()->text(), QStringLiteral("60"));

    const ToldSelections reader(field->lineEdit());
    table.type(Qt::Key_R);
    ASSERT_EQ(QApplication::focusWidget(), field->lineEdit());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("60"));
    EXPECT_EQ(field->lineEdit()->text(), QStringLiteral("60"));
    EXPECT_EQ(table.screen->raiseTarget().raiseTo(), 60);
    // The amount chosen is read with the focus, and typed over, it goes with the text: told apart of
    // either, a reader could get to the choice after the digits and say "Text unselected".
    EXPECT_TRUE(reader.told().empty());

    // A refused amount: its word goes with the next key (in the desktop's fade, not ten seconds on),
    // and left with Escape the field shows the amount the button names and sends.
    table.type(Qt::Key_Escape);
    table.type(Qt::Key_R);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12.5"));
    table.type(Qt::Key_Return);
    ASSERT_TRUE(QToolTip::isVisible());
    table.type(Qt::Key_Backspace);
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 1000);
    table.type(Qt::Key_Escape);
    EXPECT_EQ(field->lineEdit()->text(), table.screen->actionBar()->raiseButton()->title().section(' ', -1));

    // The table closing under the player's typing takes the field with it, the amount unsent.
    table.screen.reset();
    EXPECT_TRUE(controller.isHeroTurn());
}

TEST(TableScreen, KeysWithWindowModifiersPassOn) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 5, 1)));
    for (int i = 0; i < 200 && !controller.isHeroTurn(); ++i) {
        table.game.scheduler.advance(std::chrono::milliseconds(200));
    }
    ASSERT_TRUE(controller.isHeroTurn());
    const auto before = controller.state();
    EXPECT_FALSE(table.press(Qt::Key_F, QStringLiteral("f"), Qt::AltModifier));
    EXPECT_FALSE(table.press(Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier));
    EXPECT_EQ(controller.state(), before);
    EXPECT_TRUE(table.press(Qt::Key_F, QStringLiteral("f")));
    EXPECT_NE(controller.state(), before);
}

TEST(TableScreen, PausingAndTheGuide) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    EXPECT_TRUE(table.press(Qt::Key_P, QStringLiteral("p")));
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::user));
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::paused);
    EXPECT_EQ(table.screen->bottomText(), "Paused");
    EXPECT_TRUE(table.screen->stage().inputs()->paused);
    // The desktop turning dark while it shows redraws the message in the dark look: its title light on
    // the dark ground, not the light look's ink, which read at barely 1.3:1 there.
    AppearanceFlags dark;
    dark.dark = true;
    table.screen->setAppearance(dark);
    // Its title drawn alone, on nothing: the ink's own lightness.
    auto* heading = table.screen->message()->findChild<StyledParagraph*>();
    QImage title(heading->size(), QImage::Format_ARGB32_Premultiplied);
    title.fill(Qt::transparent);
    heading->render(&title, QPoint(), QRegion(), QWidget::DrawChildren);
    int lightest = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            lightest = std::max(lightest, qAlpha(title.pixel(x, y)) > 128 ? qGray(title.pixel(x, y)) : 0);
    EXPECT_GT(lightest, 200);
    table.screen->setAppearance({});
    EXPECT_TRUE(table.press(Qt::Key_P, QStringLiteral("P"), Qt::ShiftModifier));
    EXPECT_TRUE(controller.pauseReasons().empty());

    EXPECT_TRUE(table.press(Qt::Key_Question, QStringLiteral("?"), Qt::ShiftModifier));
    EXPECT_TRUE(table.screen->guideOpen());
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::guide));
    // While the guide is open new events are not announced, the table's keys say why they do nothing, and
    // Tab goes round the guide alone, never to the table under it.
    table.activate();
    const auto spoken = table.announcer.spoken().size();
    for (int presses = 0; presses < 30; ++presses) {
        table.type(Qt::Key_Tab);
        ASSERT_TRUE(table.screen->guidePanel()->isAncestorOf(QApplication::focusWidget())) << presses;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::NoModifier);
    EXPECT_EQ(table.announcer.spoken().mid(spoken),
              QStringList{"Poker Basics covers the table. Press Escape to go back to it."});
    EXPECT_TRUE(table.press(Qt::Key_Escape));
    EXPECT_FALSE(table.screen->guideOpen());
    EXPECT_TRUE(controller.pauseReasons().empty());
    EXPECT_EQ(table.screen->focus(), TableFocus::table);
    EXPECT_EQ(table.announcer.spoken().size(), spoken + 1);
}

// The guide opened while a practice caption's words wait for a reader to be told the table's changes
// keeps the keys, and nothing is said over it: the words come once it closes and the table has been read
// where the keys landed, and only then does the caption take the keys.
TEST(TableScreen, ACaptionOnItsWayAsTheGuideOpensWaitsForItToClose) {
    TableScreenHarness table;
    table.activate();
    // Changes still to be told, as a table just dealt has, hold the caption's words back.
    for (int change = 0; change < 300; ++change)
        PacedSignals::tell({QStringLiteral("/org/a11y/atspi/accessible/held%1").arg(change),
                            QStringLiteral("showing"), QStringLiteral("1")},
                           QStringLiteral("0"));
    table.startPractice();
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    const QString words = table.screen->practiceCaption()->caption().announcement();
    const qsizetype before = table.announcer.spoken().size();
    ASSERT_GT(PacedSignals::waiting(), 0u);
    table.type(Qt::Key_Question);
    ASSERT_TRUE(table.screen->guideOpen());
    ASSERT_TRUE(QTest::qWaitFor([] { return PacedSignals::waiting() == 0; }, 20000));
    QApplication::processEvents();
    EXPECT_FALSE(table.announcer.spoken().mid(before).join(' ').contains(words))
        << table.announcer.spoken().mid(before).join(" | ").toStdString();
    EXPECT_TRUE(table.screen->guidePanel()->isAncestorOf(QApplication::focusWidget()));
    table.type(Qt::Key_Escape);
    ASSERT_FALSE(table.screen->guideOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return table.announcer.spoken().mid(before).join(' ').contains(words);
    })) << table.announcer.spoken().mid(before).join(" | ").toStdString();
    EXPECT_EQ(table.announcer.spoken().mid(before).join(' ').count(words), 1);
    EXPECT_TRUE(table.screen->practiceCaption()->isAncestorOf(QApplication::focusWidget()));
}

// Frame by frame in the table's time, as a player watches a series: a board card is named only once
// its face shows, and the words of one action never stand over another's, bots acting mid-deal included.
TEST(TableScreen, TheSentenceOverTheBoardNamesOnlyCardsShownAndStandsAlone) {
    struct Case {
        TableStyleID style;
        bool reduceMotion;
    };
    for (const auto [style, reduceMotion] :
         {Case{TableStyleID::satin, false}, Case{TableStyleID::pixel, false},
          Case{TableStyleID::satin, true}}) {
        TableScreenHarness table;
        Profile profile = table.appState.profile();
        profile.settings.style = style;
        table.appState.setProfile(profile);
        table.screen->setAppearance(AppearanceFlags{.reduceMotion = reduceMotion});
        table.activate();
        auto& controller = table.game.controller;
        controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 31, 4)));
        StageView& stage = table.screen->stage();
        int named = 0;
        for (int frame = 0; frame < 20000 && !(controller.tableOver() && !controller.isShowingResult());
             ++frame) {
            table.game.scheduler.advance(std::chrono::milliseconds(30));
            if (table.canAct()) {
                table.type(Qt::Key_C);
            } else if (controller.isShowingResult() && frame % 40 == 0) {
                table.type(Qt::Key_Return);
            }
            const double now = stage.clock().now();
            QStringList said;
            bool going = false;
            std::map<int, bool> faceUp;
            for (const auto& pose : stage.scene().poses(now)) {
                if (pose.item->kind == StageItem::Kind::lastAction && pose.opacity > 0) {
                    said << pose.item->text;
                    going = pose.leaving;
                }
                if (pose.item->kind == StageItem::Kind::boardCard && !pose.leaving)
                    faceUp[pose.item->id.section('-', -1).toInt()] =
                        pose.flipDegrees < 90 && pose.opacity == 1;
            }
            EXPECT_LE(said.size(), 1) << said.join(" / ").toStdString() << " at " << now;
            // "Turn: 2♦" names the board's first four cards; at the hand's end it fades with them.
            const QString street = said.size() == 1 && !going ? said.front().section(':', 0, 0) : QString();
            const int cards = street == "Flop" ? 3 : street == "Turn" ? 4 : street == "River" ? 5 : 0;
            named += cards > 0 ? 1 : 0;
            for (int card = 0; card < cards; ++card)
                EXPECT_TRUE(faceUp[card])
                    << said.front().toStdString() << " before card " << card << " shows its face, at " << now
                    << (reduceMotion ? " under Reduce Motion" : "");
        }
        EXPECT_GT(named, 0) << "no board was ever named";
    }
}

TEST(TableScreen, ShowdownBannerCountsDownAndHolds) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.setAutoDeal(true);
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 31, 5)));
    for (int i = 0; i < 500 && !controller.isShowingResult(); ++i) {
        if (table.canAct()) {
            table.press(Qt::Key_F, QStringLiteral("f"));
        } else {
            table.game.scheduler.advance(std::chrono::milliseconds(100));
        }
    }
    ASSERT_TRUE(controller.isShowingResult());
    table.game.scheduler.advance(std::chrono::seconds(1)); // the presenter shows the result
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    EXPECT_TRUE(table.screen->banner()->nextHandTitle().startsWith("Next hand in "));
    ASSERT_EQ(table.screen->banner()->rows().size(), 1u);
    EXPECT_TRUE(table.screen->banner()->rows()[0].award.contains(" win"));
    controller.holdResult();
    EXPECT_EQ(table.screen->banner()->nextHandTitle(), "Next Hand");
    EXPECT_TRUE(table.press(Qt::Key_Space, QStringLiteral(" ")));
    EXPECT_FALSE(controller.isShowingResult());
}

namespace {

// Moves the table on until the player is to act.
void untilHeroTurn(TableScreenHarness& table) {
    for (int i = 0; i < 400 && !table.game.controller.isHeroTurn(); ++i) {
        table.game.scheduler.advance(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(table.game.controller.isHeroTurn());
}

} // namespace

TEST(TableScreen, TheGuideRisesOverThePopoversTableAndPausesIt) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    table.screen->show();
    const BottomRow under = table.screen->bottomRow();
    const qsizetype said = table.announcer.spoken().size();
    ASSERT_TRUE(table.press(Qt::Key_Question, QStringLiteral("?"), Qt::ShiftModifier));
    PokerBasicsView* guide = table.screen->guidePanel();
    ASSERT_TRUE(guide);
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::guide));
    // Its pause is its own: the row under the table stays as it was, with no pause message to flash.
    EXPECT_EQ(table.screen->bottomRow(), under);
    EXPECT_TRUE(guide->doneButton()) << "the panel presentation, with its Done button";
    // It rises from the bottom edge, ease-out over 0.24 s, and then covers the whole table.
    table.game.scheduler.advance(std::chrono::milliseconds(120));
    table.screen->clock().ticked();
    EXPECT_GT(guide->y(), 0);
    EXPECT_LT(guide->y(), 560 / 2) << "ease-out: more than half way up at half time";
    EXPECT_TRUE(table.screen->stage().isVisible());
    table.game.scheduler.advance(std::chrono::milliseconds(200));
    table.screen->clock().ticked();
    EXPECT_EQ(guide->geometry(), QRect(0, 0, 420, 560));
    EXPECT_FALSE(table.screen->stage().isVisible()) << "the covered table is hidden from screen readers too";

    // Done (or Escape) closes it: it goes back down, the table resumes and has the keys again.
    guide->doneButton()->click();
    EXPECT_FALSE(table.announcer.spoken().mid(said).join('\n').contains("Paused"))
        << table.announcer.spoken().mid(said).join('\n').toStdString();
    EXPECT_FALSE(table.screen->guideOpen());
    EXPECT_FALSE(controller.pauseReasons().contains(PauseReason::guide));
    EXPECT_TRUE(table.screen->stage().isVisible());
    EXPECT_EQ(table.screen->focus(), TableFocus::table);
    table.game.scheduler.advance(std::chrono::milliseconds(500));
    table.screen->clock().ticked();
    EXPECT_EQ(table.screen->guidePanel(), nullptr) << "gone once it has slid away";

    // Hiding the screen with the guide open closes it and lifts its pause.
    table.press(Qt::Key_Question, QStringLiteral("?"));
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::guide));
    table.screen->hide();
    EXPECT_FALSE(table.screen->guideOpen());
    EXPECT_FALSE(controller.pauseReasons().contains(PauseReason::guide));
}

TEST(TableScreen, UnderReduceMotionTheGuideFadesInPlace) {
    TableScreenHarness table;
    AppearanceFlags still;
    still.reduceMotion = true;
    table.screen->setAppearance(still);
    table.game.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    table.screen->showGuide(true);
    PokerBasicsView* guide = table.screen->guidePanel();
    ASSERT_TRUE(guide);
    EXPECT_EQ(guide->geometry(), QRect(0, 0, 420, 560));
    auto* fade = qobject_cast<FadeScaleEffect*>(guide->graphicsEffect());
    ASSERT_TRUE(fade);
    EXPECT_EQ(fade->look().opacity, 0);
    table.game.scheduler.advance(std::chrono::milliseconds(75));
    EXPECT_GT(fade->look().opacity, 0);
    EXPECT_LT(fade->look().opacity, 1);
}

TEST(TableScreen, TheGuidesStartersTabOpensWithItsRuleAndTheWholeChartInView) {
    for (const bool reduceMotion : {false, true}) {
        SCOPED_TRACE(reduceMotion ? "Reduce Motion" : "moving");
        TableScreenHarness table;
        AppearanceFlags look;
        look.reduceMotion = reduceMotion;
        table.screen->setAppearance(look);
        table.game.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
        table.activate();
        table.game.scheduler.advance(std::chrono::seconds(2));
        table.press(Qt::Key_Question, QStringLiteral("?"));
        table.game.scheduler.advance(std::chrono::seconds(1));
        emit table.screen->clock().ticked();
        PokerBasicsView* guide = table.screen->guidePanel();
        ASSERT_TRUE(guide);
        QAbstractButton* starters = guide->tabButton(GuideTab::starters);
        QTest::mouseClick(starters, Qt::LeftButton, {}, starters->rect().center());
        QApplication::processEvents();
        auto* tab = qobject_cast<StartersTab*>(guide->tabContent());
        ASSERT_TRUE(tab);
        // The rule of thumb's card is drawn where it stands, right under the picker: no plain band.
        const QImage shown = guide->grab().toImage();
        QWidget* rule = tab->widget()->layout()->itemAt(0)->widget();
        const QRect card = QRect(rule->mapTo(guide, QPoint(0, 0)), rule->size()).adjusted(12, 12, -12, -12);
        const QRgb ground = shown.pixel(card.topLeft() - QPoint(20, 0));
        int drawn = 0;
        for (int y = card.top(); y <= card.bottom(); ++y)
            for (int x = card.left(); x <= card.right(); ++x)
                drawn += shown.pixel(x, y) != ground;
        EXPECT_GT(drawn, card.width() * card.height() / 2);
        // The tab stays inside the guide, with the whole chart in view as it opens.
        EXPECT_LE(tab->mapTo(guide, QPoint(0, tab->height())).y(), guide->height());
        StartersChartView* chart = tab->chart();
        const QRectF lastCell = chart->cellRect(chartSide - 1, chartSide - 1);
        EXPECT_LE(chart->mapTo(tab->viewport(), lastCell.bottomRight().toPoint()).y(),
                  tab->viewport()->height());
        EXPECT_LE(chart->mapTo(tab->viewport(), lastCell.bottomRight().toPoint()).x(),
                  tab->viewport()->width());
    }
}

TEST(TableScreen, ThePracticeCaptionIsItsOwnPanel) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    table.startPractice();
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    PracticeCaptionView* caption = table.screen->practiceCaption();
    ASSERT_TRUE(caption);
    EXPECT_TRUE(caption->isVisibleTo(table.screen.get()));
    EXPECT_EQ(caption->caption().title, controller.practice()->caption(*controller.view())->title);
    // It fades in over 0.18 s.
    ASSERT_TRUE(table.screen->rowEffect());
    const QString first = caption->caption().title;
    // "Got It" and Return both move the narration on.
    ASSERT_EQ(caption->buttons().size(), 1u);
    caption->buttons().front()->click();
    table.game.scheduler.advance(std::chrono::seconds(3));
    if (table.screen->bottomRow() == BottomRow::practiceCaption) {
        EXPECT_NE(table.screen->practiceCaption()->caption().title, first);
        const QString second = table.screen->practiceCaption()->caption().title;
        EXPECT_TRUE(table.press(Qt::Key_Return, QStringLiteral("\r")));
        table.game.scheduler.advance(std::chrono::seconds(3));
        EXPECT_TRUE(table.screen->bottomRow() != BottomRow::practiceCaption ||
                    table.screen->practiceCaption()->caption().title != second);
    }
    // The practice hand is a learning table: the tag sits beside the player's cards.
    ASSERT_TRUE(table.screen->stage().inputs()->handTag);
    const QRectF tag = table.screen->stage().handTagRect();
    EXPECT_FALSE(tag.isEmpty());
    EXPECT_LE(tag.width(), 144);
    EXPECT_LE(tag.right(), 420 - 16);
}

TEST(TableScreen, ANewPracticeCaptionCrossFadesWithTheOld) {
    TableScreenHarness table;
    table.startPractice();
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    const QString first = table.screen->practiceCaption()->caption().title;
    // The next caption comes as soon as the narration moves on: catch it at its first frame.
    table.screen->practiceCaption()->buttons().front()->click();
    for (int i = 0; i < 100 && table.screen->practiceCaption()->caption().title == first; ++i) {
        table.game.scheduler.advance(std::chrono::milliseconds(20));
    }
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    ASSERT_NE(table.screen->practiceCaption()->caption().title, first);
    // The old caption is still there, fading out as a picture, while the new one fades in.
    QWidget* area = table.screen->practiceCaption()->parentWidget();
    const auto leaving = [area] {
        // The picture is a plain widget to Qt's casts; ask the language.
        QList<LeavingPicture*> shown;
        for (auto* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            auto* picture = dynamic_cast<LeavingPicture*>(child);
            if (picture && !picture->isHidden()) {
                shown << picture;
            }
        }
        return shown;
    };
    ASSERT_EQ(leaving().size(), 1);
    EXPECT_EQ(leaving().front()->geometry(), table.screen->practiceCaption()->geometry());
    ASSERT_TRUE(table.screen->rowEffect());
    EXPECT_LT(table.screen->rowEffect()->look().opacity, 1);
    table.game.scheduler.advance(std::chrono::seconds(1));
    table.screen->clock().ticked();
    EXPECT_TRUE(leaving().isEmpty()) << "gone once faded";
    EXPECT_FALSE(table.screen->rowEffect());
}

TEST(TableScreen, GotItStaysWhereThePointerIsFromStepToStep) {
    // A player reading on clicks "Got It" again and again without moving the pointer, however long
    // each step's explanation runs.
    for (const TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        TableScreenHarness table(surface);
        table.activate();
        auto& controller = table.game.controller;
        controller.start(GameSetup::practice(PracticeSetup{}));
        table.game.scheduler.advance(std::chrono::seconds(3));
        ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
        StyledButton* first = table.screen->practiceCaption()->buttons().front();
        const QRect place(first->mapTo(table.screen.get(), QPoint()), first->size());
        const QPoint spot = place.center();
        QStringList titles;
        // The player checks or calls when the narration hands the table over, as the practice hand asks.
        for (int moves = 0; moves < 100; ++moves) {
            if (table.screen->bottomRow() != BottomRow::practiceCaption) {
                if (controller.isShowingResult()) {
                    break;
                }
                if (controller.isHeroTurn()) {
                    controller.act(checkOrCall(*controller.view()));
                }
                table.game.scheduler.advance(std::chrono::milliseconds(500));
                continue;
            }
            PracticeCaptionView* caption = table.screen->practiceCaption();
            titles << caption->caption().title;
            StyledButton* gotIt = caption->buttons().front();
            EXPECT_EQ(QRect(gotIt->mapTo(table.screen.get(), QPoint()), gotIt->size()), place)
                << "\"Got It\" moved at \"" << titles.back().toStdString() << "\"";
            QWidget* under = table.screen->childAt(spot);
            ASSERT_TRUE(under);
            ASSERT_EQ(under, gotIt) << "the pointer is no longer on \"Got It\"";
            QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier,
                              under->mapFrom(table.screen.get(), spot));
            table.game.scheduler.advance(std::chrono::seconds(3));
        }
        EXPECT_GE(titles.size(), 6) << "the narration went on step by step";
        EXPECT_EQ(titles.removeDuplicates(), 0);
    }
}

TEST(TableScreen, TheKeysComeBackToTheTableWhenTheNarrationMakesWayForTheActionBar) {
    // A window in the background remembers where its keys go for when it comes to the front: the
    // narration's button while it speaks (named for a reader, never the card round it), the table once
    // the narration hides, not a hidden caption.
    QSplitter window;
    TableScreenHarness table(TableSurface::window);
    window.addWidget(table.screen.get());
    window.show();
    table.startPractice();
    for (int step = 0; step < 5 && table.screen->bottomRow() == BottomRow::practiceCaption; ++step) {
        EXPECT_EQ(window.focusWidget(), table.screen->practiceCaption()->buttons().back());
        table.screen->practiceCaption()->buttons().front()->click();
        table.game.scheduler.advance(std::chrono::seconds(3));
    }
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::actionBar);
    EXPECT_EQ(window.focusWidget(), table.screen.get());
}

TEST(TableScreen, LearningModeTagsTheCardsAndLightsTheWinners) {
    TableScreenHarness plain;
    plain.game.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 12, 1)));
    untilHeroTurn(plain);
    plain.game.scheduler.advance(std::chrono::seconds(1));
    EXPECT_FALSE(plain.screen->stage().inputs()->handTag) << "no tag without learning mode";

    TableScreenHarness table(TableSurface::window, true);
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 12, 1)));
    untilHeroTurn(table);
    table.game.scheduler.advance(std::chrono::seconds(1));
    const auto& tag = table.screen->stage().inputs()->handTag;
    ASSERT_TRUE(tag);
    EXPECT_EQ(*tag, *HandTag::make(*controller.view()));
    EXPECT_EQ(table.screen->stage().handTagRect().width(), table.screen->stage().handTagRect().width());
    EXPECT_LE(table.screen->stage().handTagRect().width(), 190);
    // Called down to a showdown: the winning five are handed to the stage to light.
    for (int i = 0; i < 400 && !controller.isShowingResult(); ++i) {
        if (table.canAct()) {
            table.press(Qt::Key_C, QStringLiteral("c"));
        } else {
            table.game.scheduler.advance(std::chrono::milliseconds(100));
        }
    }
    ASSERT_TRUE(controller.isShowingResult());
    table.game.scheduler.advance(std::chrono::seconds(3));
    const auto shown = table.screen->presenter().shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(table.screen->stage().inputs()->litCards, ShowdownWhy::winningFive(*shown));
}

namespace {
// A five-hand Quick Hand folded by keys until the first hand's result shows.
void foldToTheBanner(TableScreenHarness& table) {
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 31, 5)));
    for (int i = 0; i < 500 && table.screen->bottomRow() != BottomRow::showdownBanner; ++i) {
        if (table.canAct()) {
            table.press(Qt::Key_F, QStringLiteral("f"));
        } else {
            table.game.scheduler.advance(std::chrono::milliseconds(20));
        }
    }
}
} // namespace

TEST(TableScreen, TheBannerGrowsInOnceTheHandsLastMovesAreOver) {
    TableScreenHarness table;
    foldToTheBanner(table);
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    const auto* effect = table.screen->rowEffect();
    ASSERT_TRUE(effect);
    const double delay = StageLayout::potLanded(table.screen->presenter().cues());
    EXPECT_EQ(effect->look().opacity, 0);
    EXPECT_EQ(effect->look().scale, 0.96);
    table.game.scheduler.advance(
        std::chrono::milliseconds(static_cast<int>(1000 * delay) + 110)); // half of its 0.22 s
    EXPECT_GT(effect->look().opacity, 0.5);
    EXPECT_LT(effect->look().opacity, 1);
    EXPECT_GT(effect->look().scale, 0.96);
    table.game.scheduler.advance(std::chrono::seconds(1));
    EXPECT_EQ(effect->look().opacity, 1);
    EXPECT_EQ(effect->look().scale, 1);
}

TEST(TableScreen, TheResultComesBackAtOnceWhenTheGuideCloses) {
    // The hand's moves are long over: the result under the guide shows again as the guide goes, not
    // after the wait that lets a fresh result's chips land first.
    TableScreenHarness table;
    table.activate();
    foldToTheBanner(table);
    table.game.scheduler.advance(std::chrono::seconds(5));
    table.type(Qt::Key_Question);
    table.game.scheduler.advance(std::chrono::seconds(1));
    ASSERT_TRUE(table.screen->guideOpen());
    table.type(Qt::Key_Escape);
    ASSERT_FALSE(table.screen->guideOpen());
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    table.game.scheduler.advance(std::chrono::milliseconds(100));
    const auto* effect = table.screen->rowEffect();
    ASSERT_TRUE(effect);
    EXPECT_GT(effect->look().opacity, 0) << "it is already coming in";
    table.game.scheduler.advance(std::chrono::milliseconds(250));
    table.screen->clock().ticked();
    EXPECT_FALSE(table.screen->rowEffect() && table.screen->rowEffect()->look().opacity < 1);
}

TEST(TableScreen, TheRowAfterTheBannerWaitsForItToFade) {
    TableScreenHarness table;
    foldToTheBanner(table);
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    // The banner fully in, then on to the next hand.
    table.game.scheduler.advance(std::chrono::seconds(3));
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    table.press(Qt::Key_Return, QStringLiteral("\r"));
    for (int i = 0; i < 100 && table.screen->bottomRow() == BottomRow::showdownBanner; ++i) {
        table.game.scheduler.advance(std::chrono::milliseconds(20));
    }
    const BottomRow next = table.screen->bottomRow();
    ASSERT_TRUE(next == BottomRow::waitingLine || next == BottomRow::actionBar) << int(next);
    // The banner fades out over 0.18 s from a picture of it; the new row stays clear of it till then.
    const auto opacity = [&] {
        const auto* effect = table.screen->rowEffect();
        return effect ? effect->look().opacity : 1.0;
    };
    ASSERT_TRUE(table.screen->rowEffect()) << "the new row came in at once, over the fading banner";
    EXPECT_EQ(opacity(), 0);
    table.game.scheduler.advance(std::chrono::milliseconds(100));
    ASSERT_EQ(table.screen->bottomRow(), next);
    EXPECT_EQ(opacity(), 0);
    table.game.scheduler.advance(std::chrono::milliseconds(200));
    EXPECT_GT(opacity(), 0);
}

TEST(TableScreen, ThePopoversTopBarShowsTheWholeTitle) {
    TableScreenHarness table;
    table.game.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 9), 9}));
    table.game.scheduler.advance(std::chrono::seconds(2));
    for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        table.screen->setPreviewStyle(style);
        const StyledText* title = table.screen->topBar()->modeText();
        EXPECT_EQ(title->string(), "Sit & Go");
        EXPECT_EQ(title->width(), title->sizeHint().width()) << toString(style);
    }
}

TEST(TableScreen, ThePopoversTopBarKeepsItsSpokenWordsThroughARedraw) {
    TableScreenHarness table;
    table.game.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 9), 9}));
    table.game.scheduler.advance(std::chrono::seconds(2));
    TopBarView* bar = table.screen->topBar();
    const auto names = [bar] {
        QStringList spoken;
        for (const StyledText* text : bar->findChildren<StyledText*>())
            spoken << text->accessibleName();
        return spoken;
    };
    const QStringList before = names();
    EXPECT_TRUE(before.contains("Level 1") && before.contains("Blinds 10/20"))
        << before.join(", ").toStdString();
    // A new look (the bankroll booked after every hand redraws the screen in it) changes no words: a
    // name that passed through the shown "L1" on the way would be told to the reader twice a redraw.
    TableTheme dark = table.screen->theme();
    dark.dark = true;
    bar->setTheme(dark);
    EXPECT_EQ(names().join(", "), before.join(", "));
}

TEST(TableScreen, AScreenOpenedOnAPausedTableDrawsThePauseInItsStyle) {
    // Opening the window on a table paused in the popover makes a new screen over a paused game.
    TableScreenHarness popover;
    popover.game.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 3)));
    popover.game.scheduler.advance(std::chrono::seconds(2));
    ASSERT_TRUE(popover.press(Qt::Key_P, QStringLiteral("p")));
    ASSERT_FALSE(popover.game.controller.pauseReasons().empty());
    TableScreen::Services services{&popover.game.scheduler, &popover.sounds, &popover.announcer,
                                   [&] { return popover.game.base + popover.game.scheduler.now(); }};
    TableScreen window(popover.environment, TableSurface::window, std::function<void()>{}, services);
    window.resize(1100, 750);
    ASSERT_EQ(window.bottomRow(), BottomRow::paused);
    const QImage picture = window.grab().toImage();
    int magenta = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            magenta += pixel.red() > 200 && pixel.blue() > 200 && pixel.green() < 60 ? 1 : 0;
        }
    EXPECT_EQ(magenta, 0) << "drawn in a colour missing from the palette";
}

namespace {

std::optional<StageScene::Pose> poseOf(TableScreenHarness& table, const QString& id) {
    auto& stage = table.screen->stage();
    for (const auto& pose : stage.scene().poses(stage.clock().now())) {
        if (pose.item->id == id)
            return pose;
    }
    return std::nullopt;
}

} // namespace

TEST(TableScreen, NoKeyActsWhileThePlayersOwnCardsAreStillBeingDealt) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    for (std::uint64_t seed = 1; seed < 20 && !controller.isHeroTurn(); ++seed) {
        controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, seed, 1)));
    }
    const auto plate = QStringLiteral("plate-%1").arg(*controller.view()->seatIndex);
    table.game.scheduler.advance(std::chrono::milliseconds(300));
    EXPECT_EQ(table.screen->bottomText(), " ");
    EXPECT_EQ(poseOf(table, plate)->turnTag, 0);
    const auto before = controller.state();
    for (const auto key : {Qt::Key_F, Qt::Key_C, Qt::Key_Space})
        table.type(key);
    EXPECT_EQ(controller.state(), before) << "a key acted on cards not yet seen";
    table.game.scheduler.advance(std::chrono::seconds(1));
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::actionBar);
    EXPECT_EQ(poseOf(table, plate)->turnTag, 1);
}

// The fastest bots act while the deal still plays: the player's second card still flies in after.
TEST(TableScreen, ABotActingMidDealLetsTheDealPlayOut) {
    TableScreenHarness table;
    table.game.controller.setBotSpeed(BotSpeed::fast);
    table.game.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 7), 7}));
    table.game.scheduler.advance(std::chrono::milliseconds(450));
    ASSERT_GT(table.screen->presenter().batch(), 1) << "no bot acted during the deal";
    EXPECT_EQ(poseOf(table, "hero-1-1")->opacity, 0);
    table.game.scheduler.advance(std::chrono::milliseconds(400));
    EXPECT_TRUE(poseOf(table, "hero-1-1")->moving);
}

namespace {

using PokerEngine::HandEvent;

// Every board card on the stage lies where it belongs, face up and fully drawn; else the first that
// does not.
std::optional<std::string> boardMoving(TableScreenHarness& table) {
    auto& stage = table.screen->stage();
    for (const auto& pose : stage.scene().poses(stage.clock().now())) {
        const QPointF off = pose.center - pose.item->center;
        if (pose.item->kind == StageItem::Kind::boardCard && !pose.leaving &&
            (std::hypot(off.x(), off.y()) > 0.01 || std::abs(pose.flipDegrees) > 0.01 ||
             pose.opacity < 0.999))
            return QStringLiteral("%1 at %2 s: %3 from its place, turned %4 degrees, opacity %5")
                .arg(pose.item->id)
                .arg(stage.clock().now())
                .arg(std::hypot(off.x(), off.y()))
                .arg(pose.flipDegrees)
                .arg(pose.opacity)
                .toStdString();
    }
    return std::nullopt;
}

qsizetype prompts(const TableScreenHarness& table) {
    return table.announcer.spoken().join('\n').count("Your turn. ");
}

// A seat other than the player's acted on the street the view shows, before the player.
bool botActedFirstOnThisStreet(const PokerEngine::PlayerView& view) {
    auto event = view.log.rbegin();
    for (; event != view.log.rend() && !event->is<HandEvent::BoardDealt>(); ++event) {
    }
    if (event == view.log.rbegin() || event == view.log.rend())
        return false;
    const auto* first = std::prev(event)->as<HandEvent::Acted>();
    return first && first->seat != view.seatIndex;
}

} // namespace

// Heads-up, the bot acts first after the flop every other hand: the player's turn (the controls, the
// tag, the prompt, the keys) opens only once the street's cards have come to rest face up.
TEST(TableScreen, ThePlayersTurnOpensOnlyOnceTheBoardHasComeToRestFaceUp) {
    for (const bool reduceMotion : {false, true}) {
        SCOPED_TRACE(reduceMotion ? "Reduce Motion" : "full motion");
        TableScreenHarness table;
        table.screen->setAppearance(AppearanceFlags{false, false, reduceMotion});
        table.activate();
        auto& controller = table.game.controller;
        // Counted from before the deal: a prompt that comes with it counts.
        qsizetype told = prompts(table);
        controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 6)));
        int botFirst = 0;
        bool wasOpen = false;
        double tag = 0;
        for (int step = 0; step < 100000 && !(controller.tableOver() && !controller.isShowingResult());
             ++step) {
            table.game.scheduler.advance(std::chrono::milliseconds(10));
            const bool open = table.screen->bottomRow() == BottomRow::actionBar;
            const qsizetype now = prompts(table);
            EXPECT_TRUE(now == told || open)
                << "prompted before the controls: " << table.announcer.spoken().back().toStdString();
            const auto view = *controller.view();
            const double tagNow = poseOf(table, QStringLiteral("plate-%1").arg(*view.seatIndex))->turnTag;
            const auto moving = boardMoving(table);
            EXPECT_TRUE(!moving || tagNow <= tag) << "the tag rose over a moving board: " << *moving;
            tag = tagNow;
            if (open && !wasOpen) {
                EXPECT_FALSE(moving) << "turn open over a moving board, hand " << view.handNumber << ": "
                                     << moving.value_or("");
                EXPECT_EQ(now, told + 1) << "turn open without its prompt, hand " << view.handNumber;
                botFirst += botActedFirstOnThisStreet(view) ? 1 : 0;
                const auto before = controller.state();
                table.type(Qt::Key_C);
                EXPECT_NE(controller.state(), before) << "the open turn did not take its key";
            } else if (controller.isShowingResult()) {
                table.type(Qt::Key_Return);
            }
            told = now;
            wasOpen = table.screen->bottomRow() == BottomRow::actionBar;
        }
        EXPECT_TRUE(controller.tableOver());
        EXPECT_GE(botFirst, 3) << "too few streets a bot opened";
    }
}

// A player answering each prompt at once is never ignored; a key pressed just after a call that ends
// a street never acts on the next one, which has not been shown, and the player hears why.
TEST(TableScreen, AKeyRightAfterEachPromptActsAndOneRightAfterAStreetEndsIsTold) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    qsizetype told = prompts(table);
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 7, 5)));
    int prompted = 0;
    int acted = 0;
    int secondKeys = 0;
    const Qt::Key answers[] = {Qt::Key_C, Qt::Key_Space};
    for (int step = 0; step < 100000 && !(controller.tableOver() && !controller.isShowingResult()); ++step) {
        table.game.scheduler.advance(std::chrono::milliseconds(10));
        if (prompts(table) > told) {
            ++prompted;
            table.game.scheduler.advance(std::chrono::milliseconds(50));
            const auto before = controller.state();
            const auto board = controller.view()->board.size();
            table.type(answers[prompted % 2]);
            if (controller.state() != before)
                ++acted;
            else
                ADD_FAILURE() << "a key 50 ms after the prompt did nothing: "
                              << table.announcer.spoken().back().toStdString();
            if (controller.view() && controller.view()->board.size() > board) {
                table.game.scheduler.advance(std::chrono::milliseconds(30 + 10 * (secondKeys % 6)));
                const auto street = controller.state();
                table.type(Qt::Key_F);
                EXPECT_EQ(controller.state(), street) << "a second key acted on a street not shown";
                EXPECT_TRUE(table.announcer.spoken().back().startsWith("Not "))
                    << table.announcer.spoken().back().toStdString();
                ++secondKeys;
            }
        } else if (controller.isShowingResult()) {
            table.type(Qt::Key_Return);
        }
        told = prompts(table);
    }
    EXPECT_GT(prompted, 5);
    EXPECT_EQ(acted, prompted);
    EXPECT_GE(secondKeys, 1);
}

// The practice hand prompts only where the player acts, naming the keys; at its captions a betting key
// says what the caption wants; a Quick Hand started after it is told from hand 1.
TEST(TableScreen, ThePracticeHandPromptsWhereThePlayerActsAndTheNextTableStartsAtHandOne) {
    TableScreenHarness table;
    table.activate();
    auto& controller = table.game.controller;
    // A caption's button takes the keys once its words are heard, so a reader hears it after them.
    std::vector<std::pair<QString, QString>> heardAsGotItTookTheKeys;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
        PracticeCaptionView* caption = table.screen ? table.screen->practiceCaption() : nullptr;
        if (now && caption && caption->isAncestorOf(now) && caption->caption().stepLabel())
            heardAsGotItTookTheKeys.emplace_back(
                *caption->caption().stepLabel(),
                table.announcer.spoken().value(table.announcer.spoken().size() - 1));
    });
    table.startPractice();
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::practiceCaption);
    const auto before = controller.state();
    table.type(Qt::Key_C);
    EXPECT_EQ(controller.state(), before);
    EXPECT_EQ(table.announcer.spoken().back(), "Press Return for Got It.");
    for (int step = 0; step < 10 && table.screen->bottomRow() == BottomRow::practiceCaption; ++step) {
        EXPECT_FALSE(table.announcer.spoken().join(' ').contains("Your turn."))
            << table.announcer.spoken().join('\n').toStdString();
        table.type(Qt::Key_Return);
        table.game.scheduler.advance(std::chrono::seconds(3));
    }
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::actionBar);
    EXPECT_EQ(table.announcer.spoken().back(),
              "Your turn. 10 to call. Press C to call, R to raise, F to fold.");
    // Played to its end, each caption is heard after the events it explains.
    for (int step = 0; step < 400 && !controller.isShowingResult(); ++step) {
        if (table.screen->bottomRow() == BottomRow::practiceCaption)
            table.type(Qt::Key_Return);
        else if (table.canAct())
            table.type(Qt::Key_C);
        table.game.scheduler.advance(std::chrono::milliseconds(500));
    }
    const QString heard = table.announcer.spoken().join('\n');
    for (const auto& [event, caption] :
         std::vector<std::pair<const char*, const char*>>{{"Hand 1. Blinds 10 20.", "Step 1 of 7."},
                                                          {"Flop: ", "Step 4 of 7."},
                                                          {"River: ", "Step 6 of 7."}}) {
        const qsizetype told = heard.indexOf(event);
        EXPECT_TRUE(told >= 0 && told < heard.indexOf(caption)) << caption << "\n" << heard.toStdString();
    }
    QObject::disconnect(watch);
    EXPECT_GE(heardAsGotItTookTheKeys.size(), 3u) << heard.toStdString();
    for (const auto& [step, lastHeard] : heardAsGotItTookTheKeys)
        EXPECT_TRUE(lastHeard.contains(step)) << step.toStdString() << ": " << lastHeard.toStdString();

    const qsizetype practiced = table.announcer.spoken().size();
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 3)));
    table.game.scheduler.advance(std::chrono::seconds(3));
    EXPECT_TRUE(table.announcer.spoken().mid(practiced).join(' ').startsWith("Hand 1. Blinds 10 20."))
        << table.announcer.spoken().mid(practiced).join('\n').toStdString();
}

// A question over the controls closes the turn; "Keep Playing" opens it again, and it is told again.
// The keys coming back to the table must not make a reader read the whole table out: a reader reads out
// every line inside a panel that takes the keys.
TEST(TableScreen, KeepPlayingTellsTheTurnAgainAndTheTableTakesTheKeysBackQuietly) {
    TableScreenHarness table;
    SurfaceCoordinator surfaces{table.game.controller};
    table.environment.surfaces = &surfaces;
    table.makeScreen();
    table.activate();
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 3)));
    for (int step = 0; step < 2000 && !table.canAct(); ++step)
        table.game.scheduler.advance(std::chrono::milliseconds(50));
    ASSERT_TRUE(table.canAct());
    const qsizetype told = prompts(table);
    surfaces.setConfirmingLeave(true);
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::leaveConfirmation);
    EXPECT_FALSE(table.screen->turnOpen());
    table.type(Qt::Key_Return);
    ASSERT_FALSE(surfaces.isConfirmingLeave());
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::actionBar);
    EXPECT_EQ(prompts(table), told + 1) << table.announcer.spoken().join('\n').toStdString();
    EXPECT_TRUE(table.announcer.spoken().back().startsWith("Your turn. "));
    ASSERT_EQ(QApplication::focusWidget(), table.screen.get());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table.screen.get())->role(), QAccessible::Section);
    // Settings over the table says nothing of the turn while it is up, though what it changes redraws the
    // table; closed with Escape, the turn is told once the table's window has the keys back and its focus
    // is in, after the reader has read where they landed, not as Settings go. Settings that never took
    // the keys leave them with the table, which tells the turn as they close.
    std::optional<bool> keysIn;
    QObject::connect(&table.announcer, &Announcer::announced, table.screen.get(), [&](const QString& words) {
        if (words.startsWith("Your turn"))
            keysIn = table.screen->isActiveWindow() && table.screen->hasFocus();
    });
    auto* settings = new SettingsView(table.environment);
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->show();
    QApplication::setActiveWindow(settings);
    Profile profile = table.appState.profile();
    profile.settings.fourColorDeck = !profile.settings.fourColorDeck;
    table.appState.setProfile(profile);
    EXPECT_EQ(prompts(table), told + 1);
    QTest::keyClick(settings, Qt::Key_Escape);
    table.game.scheduler.runDue();
    EXPECT_EQ(prompts(table), told + 1) << table.announcer.spoken().join('\n').toStdString();
    QApplication::setActiveWindow(table.screen.get());
    table.game.scheduler.runDue();
    EXPECT_EQ(prompts(table), told + 2) << table.announcer.spoken().join('\n').toStdString();
    EXPECT_TRUE(table.announcer.spoken().back().startsWith("Your turn. "));
    EXPECT_EQ(keysIn, true);
    keysIn.reset();
    settings = new SettingsView(table.environment);
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->setAttribute(Qt::WA_ShowWithoutActivating);
    settings->show();
    settings->close();
    EXPECT_EQ(prompts(table), told + 3) << table.announcer.spoken().join('\n').toStdString();
    EXPECT_EQ(keysIn, true);
    QDialog other;
    other.show();
    QApplication::setActiveWindow(&other);
    other.hide();
    QApplication::setActiveWindow(table.screen.get());
    // Told once the focus is back in the table's window.
    table.game.scheduler.runDue();
    EXPECT_EQ(prompts(table), told + 4) << table.announcer.spoken().join('\n').toStdString();
}
