// The table window as a player meets it: the title that follows the game, the toolbar's pause, and the
// guide in the sidebar that follows the player's hand without losing their place and starts afresh once
// put away; under a dark desktop, the toolbar and the log's scroll bar in the game's dark look. Every
// control is clicked where it is drawn.
#include "Game/ControllerHarness.h"
#include "Game/PracticeToItsPanel.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Style/Contrast.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "Style/Drawing/ThemeFonts.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/BottomRow.h"
#include "Table/TablePresenter.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Learn/BasicsTab.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/SidewaysScrollArea.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/ActionLogView.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/TableScreen.h"
#include "Views/Table/TopBarView.h"
#include "Views/WindowRoot.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <map>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "Support/WidgetEvents.h"

using WidgetEvents::click;

namespace {

struct TableWindow : ::testing::Test {
    TableWindow() {
        announcer.setShowsNotifications(false);
        window.resize(1100, 750);
        window.clock().setTimeSource([this] { return seconds; });
    }
    ~TableWindow() override { window.close(); }

    void startSitAndGo() {
        const std::uint64_t seed = 11;
        harness.controller.start(GameSetup::sitAndGo(
            SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
        window.show();
        QCoreApplication::processEvents();
    }
    // Plays on, the player checking or calling, until the next hand is dealt.
    void playToNextHand() {
        const std::int64_t hand = harness.controller.view()->handNumber;
        int hands = 0;
        for (int steps = 0; steps < 2000 && harness.controller.view()->handNumber == hand; ++steps) {
            ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
        }
        QCoreApplication::processEvents();
    }
    QWidget* toolbarButton(const QString& title) {
        for (QAction* action : window.toolbar()->actions()) {
            if (action->text() == title) {
                return window.toolbar()->widgetForAction(action);
            }
        }
        ADD_FAILURE() << "no toolbar button " << title.toStdString();
        return nullptr;
    }
    // Plays on, the player checking or calling, until a hand's result is showing.
    void playToResult() {
        int hands = 0;
        for (int steps = 0; steps < 2000 && !harness.controller.isShowingResult(); ++steps) {
            ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
        }
        ASSERT_TRUE(harness.controller.isShowingResult());
        QCoreApplication::processEvents();
    }
    // A click of the pointer on the window where the middle of `widget` is drawn; it gives the keys to
    // whatever takes them there.
    void clickWhereDrawn(QWidget* widget) {
        const QPoint spot = widget->mapTo(&window, widget->rect().center());
        QWidget* under = window.childAt(spot);
        ASSERT_TRUE(under);
        QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(&window, spot));
    }
    // Lets the sidebar's slide and fades run out.
    void settle() {
        seconds += 1;
        window.clock().ticked();
        QCoreApplication::processEvents();
    }

    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
    // Silent: its spoken notes are windows of their own, which would take the keys from this one.
    Announcer announcer;
    AppEnvironment environment{&appState, &harness.controller, &surfaces, nullptr, nullptr,
                               nullptr,   &announcer};
    WindowRoot window{environment};
    double seconds = 0;
};

TEST_F(TableWindow, TheTitleTellsTheSitAndGosLevelBlindsAndHandAsItGoes) {
    startSitAndGo();
    const QString dash = QString::fromUtf8(" \u2014 ");
    const QString dot = QString::fromUtf8(" \u00b7 ");
    EXPECT_EQ(window.windowTitle(), "Sit & Go" + dash + "Level 1" + dot + "Blinds 10/20" + dot + "Hand 1");
    playToNextHand();
    EXPECT_TRUE(window.windowTitle().endsWith("Hand 2")) << window.windowTitle().toStdString();
    harness.controller.leaveTable();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Chipwhistle");
}

TEST_F(TableWindow, ThePauseButtonResumesOnlyThePlayersOwnPause) {
    startSitAndGo();
    QWidget* pause = toolbarButton("Pause");
    ASSERT_TRUE(pause);
    click(pause);
    EXPECT_EQ(harness.controller.pauseReasons(), PauseReasons{PauseReason::user});
    click(pause);
    EXPECT_TRUE(harness.controller.pauseReasons().empty());

    // Stopped for another reason, the button adds the player's pause: the table stays stopped.
    harness.controller.pause(PauseReason::hidden);
    click(pause);
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user));
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::hidden));
}

// Muting by Return on the window's toolbar or the popover's bar writes the profile and says so: a
// reader does not speak the new name of the button it is on.
TEST_F(TableWindow, TheMuteButtonWritesTheProfileAndSaysSo) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    QWidget* mute = toolbarButton("Mute Sounds");
    ASSERT_TRUE(mute);
    TopBarView bar(environment, TableSurface::popover, [] {});
    bar.show();
    const std::vector<std::pair<const char*, QWidget*>> buttons{
        {"window's toolbar", mute}, {"popover's bar", bar.button(TopBarText::TopBarButton::sound)}};
    for (const auto& [where, button] : buttons) {
        SCOPED_TRACE(where);
        QApplication::setActiveWindow(button->window());
        button->setFocus(Qt::TabFocusReason);
        const qsizetype before = announcer.spoken().size();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_FALSE(appState.profile().settings.soundsOn);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_TRUE(appState.profile().settings.soundsOn);
        EXPECT_EQ(announcer.spoken().mid(before), (QStringList{"Sounds off.", "Sounds on."}));
    }
    click(mute);
    EXPECT_TRUE(toolbarButton("Unmute Sounds"));
}

// The desktop's font for its own controls while one lives, as a desktop's settings set it.
class DesktopFont {
  public:
    explicit DesktopFont(const QFont& font)
        : saved_(QApplication::font()) {
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(saved_); }
    DesktopFont(const DesktopFont&) = delete;
    DesktopFont& operator=(const DesktopFont&) = delete;

  private:
    QFont saved_;
};

// Each change turns only the buttons it concerns, and the buttons after them stay where they were,
// with each title whole, whatever font and size the desktop sets its controls in; the titles are in
// the game's typeface at the desktop's size. A button that looks the same keeps the very icon it had,
// and one that turns back gets its old icon again: Qt caches a scaled copy of every icon it paints, so
// a new icon at each hand would grow the program for good.
TEST_F(TableWindow, TheToolbarTurnsOnlyTheButtonsAChangeConcerns) {
    startSitAndGo();
    QCoreApplication::processEvents();
    std::optional<WidgetEvents::DesktopAppearance> desktop;
    struct Row {
        const char* change;
        std::function<void()> make;
        // The titles the change gives: only their buttons get another icon.
        QStringList turnedTo;
        // A new colour for every symbol.
        bool recoloured = false;
    };
    const Row rows[] = {
        {"a hand's result and the next deal", [&] { playToNextHand(); }, {}},
        {"pause", [&] { click(toolbarButton("Pause")); }, {"Resume"}},
        {"resume", [&] { click(toolbarButton("Resume")); }, {"Pause"}},
        {"mute", [&] { click(toolbarButton("Mute Sounds")); }, {"Unmute Sounds"}},
        {"unmute", [&] { click(toolbarButton("Unmute Sounds")); }, {"Mute Sounds"}},
        {"a dark desktop", [&] { desktop.emplace(true); }, {}, true},
    };
    QList<QAction*> buttons = window.toolbar()->actions();
    buttons.removeIf([](const QAction* action) { return action->isSeparator(); });
    // Desktops' usual sizes, in faces every machine that builds the game has; changed while the
    // window is open, as a desktop's settings change it.
    for (const QFont& desktopFont :
         {QFont("DejaVu Sans", 9), QFont("DejaVu Serif", 10), QFont("DejaVu Sans Mono", 11)}) {
        SCOPED_TRACE(desktopFont.toString().toStdString());
        desktop.reset();
        const DesktopFont font(desktopFont);
        QCoreApplication::processEvents();
        EXPECT_EQ(
            QFontInfo(window.toolbar()->widgetForAction(buttons.front())->font()).family().toStdString(),
            ThemeFonts::systemFamily().toStdString());
        // Each title's icon in the desktop's present colours.
        std::map<QString, qint64> iconOf;
        for (const Row& row : rows) {
            std::map<QAction*, std::pair<qint64, int>> before;
            for (QAction* action : buttons) {
                before[action] = {action->icon().cacheKey(), window.toolbar()->widgetForAction(action)->x()};
            }
            row.make();
            QCoreApplication::processEvents();
            if (row.recoloured)
                iconOf.clear();
            for (QAction* action : buttons) {
                SCOPED_TRACE(std::string(row.change) + ": " + action->text().toStdString());
                const QWidget* button = window.toolbar()->widgetForAction(action);
                const qint64 icon = action->icon().cacheKey();
                EXPECT_EQ(button->x(), before[action].second);
                EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(action->text()));
                EXPECT_EQ(icon != before[action].first,
                          row.turnedTo.contains(action->text()) || row.recoloured);
                EXPECT_EQ(iconOf.emplace(action->text(), icon).first->second, icon) << "a second icon";
            }
        }
    }
}

TEST_F(TableWindow, ANewHandKeepsTheChartSelectionAndTheRankingsScroll) {
    // As short as the window goes, so the rankings scroll.
    window.resize(WindowChrome::minimumSize.toSize());
    startSitAndGo();
    click(toolbarButton("Poker Basics"));
    settle();
    PokerBasicsView* guide = window.guide();
    ASSERT_TRUE(guide);

    click(guide->tabButton(GuideTab::starters));
    QCoreApplication::processEvents();
    auto* starters = qobject_cast<StartersTab*>(guide->tabContent());
    ASSERT_TRUE(starters);
    StartersChartView* chart = starters->chart();
    // The player picks seven-deuce offsuit, bottom right.
    click(chart, chart->cellRect(12, 7).center().toPoint());
    const auto picked = chart->selected();
    ASSERT_TRUE(picked);
    ASSERT_NE(picked, chart->current());
    playToNextHand();
    EXPECT_EQ(guide->tabContent(), starters) << "the tab is not rebuilt";
    EXPECT_EQ(chart->selected(), picked);
    EXPECT_EQ(chart->current(), TableScreenRules::heroHand(harness.controller.view()));

    click(guide->tabButton(GuideTab::rankings));
    QCoreApplication::processEvents();
    auto* rankings = qobject_cast<RankingsTab*>(guide->tabContent());
    ASSERT_TRUE(rankings);
    QScrollBar* scroll = rankings->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum());
    playToNextHand();
    EXPECT_EQ(guide->tabContent(), rankings);
    EXPECT_EQ(scroll->value(), scroll->maximum());
}

TEST_F(TableWindow, TheGuidePutAwayStartsAfreshWhenItComesBack) {
    startSitAndGo();
    click(toolbarButton("Poker Basics"));
    settle();
    ASSERT_TRUE(window.guide());
    click(window.guide()->tabButton(GuideTab::glossary));
    EXPECT_EQ(window.guide()->tab(), GuideTab::glossary);

    // Hidden with the sidebar, the guide is gone; shown again it opens on the first Basics page.
    click(toolbarButton("Sidebar"));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.guide(), nullptr);
    click(toolbarButton("Sidebar"));
    settle();
    ASSERT_TRUE(window.guide());
    EXPECT_EQ(window.guide()->tab(), GuideTab::basics);
    EXPECT_EQ(window.guide()->page(), 0);

    // So too after the log: "Poker Basics" toggles to the log and back.
    click(window.guide()->tabButton(GuideTab::starters));
    click(toolbarButton("Poker Basics"));
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::log);
    EXPECT_EQ(window.guide(), nullptr);
    click(toolbarButton("Poker Basics"));
    settle();
    ASSERT_TRUE(window.guide());
    EXPECT_EQ(window.guide()->tab(), GuideTab::basics);

    // Built after the table, the guide still follows the sidebar's switch on the keyboard's way round:
    // its picker's chosen tab, then "Next", before anything of the table.
    QApplication::setActiveWindow(&window);
    auto* sidebarSwitch = window.sidebar()->findChild<SlidingPicker*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(sidebarSwitch);
    sidebarSwitch->segments().back()->setFocus();
    for (int presses = 0; presses < 2; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(window.guide()->isAncestorOf(QApplication::focusWidget())) << presses;
    }
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(qobject_cast<BasicsTab*>(window.guide()->tabContent())->forwardButton()));
}

TEST_F(TableWindow, TheResultDealsOnFromTheLogWithoutTakingKeysTheSidebarNeeds) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
    playToResult();
    // The player clicks into the log beside the table: the keys go there.
    auto* log = window.findChild<ActionLogView*>();
    ASSERT_TRUE(log);
    clickWhereDrawn(log->scrollArea()->viewport());
    ASSERT_TRUE(log->isAncestorOf(QApplication::focusWidget()));
    const std::int64_t hand = harness.controller.view()->handNumber;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(harness.controller.view()->handNumber, hand + 1) << "Return in the log deals on";

    playToResult();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(harness.controller.view()->handNumber, hand + 2) << "so does Space";

    // A focused control keeps the keys it uses: the sidebar's switch presses on Space, and what is
    // typed into the guide's search goes into the field, Return included.
    playToResult();
    auto* picker = window.findChild<SlidingPicker*>();
    ASSERT_TRUE(picker);
    QAbstractButton* guideSegment = picker->segments().at(1);
    guideSegment->setFocus(Qt::TabFocusReason);
    QTest::keyClick(guideSegment, Qt::Key_Space);
    settle();
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    ASSERT_TRUE(window.guide());
    click(window.guide()->tabButton(GuideTab::glossary));
    auto* glossary = qobject_cast<GlossaryTab*>(window.guide()->tabContent());
    ASSERT_TRUE(glossary);
    clickWhereDrawn(glossary->searchField());
    ASSERT_EQ(QApplication::focusWidget(), glossary->searchField());
    QTest::keyClicks(glossary->searchField(), "all in");
    QTest::keyClick(glossary->searchField(), Qt::Key_Return);
    EXPECT_EQ(glossary->searchField()->text(), "all in");
    EXPECT_EQ(harness.controller.view()->handNumber, hand + 2);
    EXPECT_TRUE(harness.controller.isShowingResult());
}

TEST_F(TableWindow, TheNarrationMovesOnFromTheLog) {
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    window.show();
    QApplication::setActiveWindow(&window);
    harness.scheduler.advance(std::chrono::seconds(3));
    QCoreApplication::processEvents();
    const auto caption = [this] {
        return harness.controller.practice()->caption(*harness.controller.view());
    };
    const auto first = caption();
    ASSERT_TRUE(first);
    clickWhereDrawn(window.findChild<ActionLogView*>()->scrollArea()->viewport());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const auto second = caption();
    ASSERT_TRUE(second);
    EXPECT_NE(second->title.toStdString(), first->title.toStdString())
        << "Return in the log moves the narration on";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(caption());
    EXPECT_NE(caption()->title.toStdString(), second->title.toStdString()) << "so does Space";
}

TEST_F(TableWindow, TheLogShowsWhenItHoldsTheKeys) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
    auto* log = window.findChild<ActionLogView*>();
    ASSERT_TRUE(log);
    EXPECT_FALSE(log->focusFrame()->isVisible());
    QScrollBar* bar = log->scrollArea()->verticalScrollBar();
    const QRect barInWindow(bar->mapTo(&window, QPoint(0, 0)), bar->size());
    const QImage barAlone = window.grab(barInWindow).toImage();
    clickWhereDrawn(log->scrollArea()->viewport());
    ASSERT_TRUE(log->scrollArea()->hasFocus());
    EXPECT_TRUE(log->focusFrame()->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(log->scrollArea())->text(QAccessible::Name),
              "Action log");
    // The ring goes round the rows, clear of the scroll bar beside them: its arrows and handle show
    // as they were, and no part of the ring hides under them.
    const QRect ring(log->focusFrame()->mapTo(&window, QPoint(0, 0)), log->focusFrame()->size());
    EXPECT_EQ(window.grab(barInWindow).toImage(), barAlone);
    EXPECT_FALSE(ring.intersects(barInWindow));
    const QRect rows(log->scrollArea()->viewport()->mapTo(&window, QPoint(0, 0)),
                     log->scrollArea()->viewport()->size());
    EXPECT_TRUE(ring.contains(rows)) << "round every row";
    // Tabbing on takes the keys and the ring away.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_FALSE(log->scrollArea()->hasFocus());
    EXPECT_FALSE(log->focusFrame()->isVisible());
}

TEST_F(TableWindow, TheTablesKeysAnswerFromTheLog) {
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 21, 3)));
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
    auto* log = window.findChild<ActionLogView*>();
    int hands = 0;
    for (int steps = 0; steps < 2000 && !harness.controller.isHeroTurn(); ++steps)
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
    // The keys act once the player's turn is open.
    auto* screen = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(screen);
    QTRY_VERIFY_WITH_TIMEOUT(screen->turnOpen(), 5000);
    clickWhereDrawn(log->scrollArea()->viewport());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
    ASSERT_FALSE(harness.controller.isHeroTurn()) << "F folds from the log on the player's turn";
    while (harness.stepOnce(checkOrCall, hands)) {
    }
    // Return deals on from the result the table shows, once the stage has caught up with it.
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The end of the game's panel takes the keys; from the log, Return plays again, and the new game
    // gives the table the keys.
    auto* table = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(table && table->message());
    EXPECT_EQ(QApplication::focusWidget(), table->message()->primaryButton());
    clickWhereDrawn(log->scrollArea()->viewport());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_FALSE(harness.controller.tableOver());
    EXPECT_EQ(QApplication::focusWidget(), table);

    clickWhereDrawn(log->scrollArea()->viewport());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user))
        << "P pauses, as the toolbar says";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(harness.controller.pauseReasons().empty());
    // Keys left nowhere in the window (their control gone) come back to the table before the next press.
    QApplication::focusWidget()->clearFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ShiftModifier);
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide)
        << "? opens the guide beside the table";
    // Pressed again with the guide showing, a reader hears where the guide stands.
    QCoreApplication::processEvents();
    const qsizetype said = announcer.spoken().size();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ShiftModifier);
    ASSERT_EQ(announcer.spoken().size(), said + 1);
    EXPECT_TRUE(announcer.spoken().back().startsWith("Page 1 of 6."))
        << announcer.spoken().back().toStdString();
}

TEST_F(TableWindow, TheToolbarIsInReachOfTheKeys) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    playToResult();
    QWidget* leave = toolbarButton("Forfeit");
    ASSERT_TRUE(leave);
    for (int presses = 0; presses < 20 && QApplication::focusWidget() != leave; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), leave) << "Tab reaches the toolbar";
    // Return presses the focused button; the result under the table stays up.
    const std::int64_t hand = harness.controller.view()->handNumber;
    QTest::keyClick(leave, Qt::Key_Return);
    EXPECT_TRUE(surfaces.isConfirmingLeave());
    EXPECT_EQ(harness.controller.view()->handNumber, hand);
    // The question takes the keys on "Keep Playing", its ring showing the answer Return gives.
    auto* table = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(table && table->message() && table->message()->secondaryButton());
    EXPECT_EQ(QApplication::focusWidget(), table->message()->secondaryButton());
    // While it waits, Tab goes round its answers only, and the one that gives up says what it gives up.
    const std::set<QWidget*> answers{table->message()->secondaryButton(), table->message()->primaryButton()};
    for (const auto key :
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(answers.contains(QApplication::focusWidget())) << "Tab left the open question";
    }
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(table->message()->primaryButton())->text(QAccessible::Name),
        "Forfeit the Sit & Go");
    ASSERT_EQ(QApplication::focusWidget(), table->message()->secondaryButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(surfaces.isConfirmingLeave());
    EXPECT_TRUE(harness.controller.hasTable()) << "the Sit & Go goes on";
    EXPECT_EQ(QApplication::focusWidget(), table);
}

// Once the practice hand is over, a key acts on what the focus shows: Tab never stops on a pause that
// holds nothing now nor on leaving a game already over, and Return on a toolbar button presses it, not the
// panel's offer of a paid game.
TEST_F(TableWindow, ReturnOnAToolbarButtonAfterThePracticeHandPressesThatButton) {
    window.show();
    QApplication::setActiveWindow(&window);
    playPracticeToItsPanel(harness);
    GameController& game = harness.controller;
    ASSERT_TRUE(game.tableOver() && !game.isShowingResult());
    QCoreApplication::processEvents();
    auto* table = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(table && table->message());
    ASSERT_EQ(table->message()->primaryButton()->text(), "Play a Quick Hand");
    EXPECT_EQ(QApplication::focusWidget(), table->message()->primaryButton());

    QWidget* pause = toolbarButton("Pause");
    QWidget* leave = toolbarButton("Leave");
    QWidget* sidebarButton = toolbarButton("Sidebar");
    EXPECT_FALSE(pause->isEnabled());
    EXPECT_FALSE(leave->isEnabled()) << "nothing is left to leave: the panel offers the way home";
    for (int presses = 0; presses < 30 && QApplication::focusWidget() != sidebarButton; ++presses) {
        EXPECT_NE(QApplication::focusWidget(), pause) << "a Tab stop that does nothing";
        EXPECT_NE(QApplication::focusWidget(), leave) << "a Tab stop that does nothing";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), sidebarButton);
    QTest::keyClick(sidebarButton, Qt::Key_Return);
    EXPECT_EQ(game.setup()->mode(), GameMode::practice) << "no Quick Hand was bought";
    EXPECT_FALSE(window.sidebar()->isVisible()) << "the focused button was pressed";
}

// A reader hears each toolbar button's name once: a tooltip that says it again is no description.
TEST_F(TableWindow, NoToolbarButtonRepeatsItsNameAsItsDescription) {
    startSitAndGo();
    for (QAction* action : window.toolbar()->actions()) {
        QWidget* button = window.toolbar()->widgetForAction(action);
        if (action->isSeparator() || !button) {
            continue;
        }
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(button);
        ASSERT_TRUE(read);
        const QString name = read->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_NE(read->text(QAccessible::Description).toLower(), name.toLower()) << name.toStdString();
    }
}

// On the player's turn too, Tab goes all round the window: past the action buttons to the toolbar,
// the sidebar's switch and the log, not back and forth among the buttons of the turn, and stopping
// only where a ring shows.
TEST_F(TableWindow, TabGoesRoundTheWholeWindowOnThePlayersTurn) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    int hands = 0;
    for (int steps = 0; steps < 200 && !harness.controller.isHeroTurn(); ++steps)
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
    ASSERT_TRUE(harness.controller.isHeroTurn());
    QCoreApplication::processEvents();
    QWidget* settings = toolbarButton("Settings");
    auto* picker = window.findChild<SlidingPicker*>();
    bool reachedSettings = false;
    bool reachedPicker = false;
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        reachedSettings = reachedSettings || focused == settings;
        reachedPicker = reachedPicker || picker->isAncestorOf(focused);
        // Every stop on the toolbar is a button that shows its ring, never the line between them.
        if (window.toolbar()->isAncestorOf(focused)) {
            EXPECT_TRUE(qobject_cast<QAbstractButton*>(focused)) << focused->metaObject()->className();
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_TRUE(reachedSettings) << "Tab reaches the toolbar";
    EXPECT_TRUE(reachedPicker) << "Tab reaches the sidebar's switch";
}

TEST_F(TableWindow, TheTableShowsWhenTabGivesItTheKeys) {
    startSitAndGo();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
    auto* table = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(table);
    ASSERT_TRUE(table->hasFocus());
    EXPECT_FALSE(table->focusFrame()->isVisible()) << "holding the keys from the start rings nothing";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_FALSE(table->hasFocus());
    for (int presses = 0; presses < 20 && !table->hasFocus(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_TRUE(table->hasFocus()) << "Tab comes round to the table";
    EXPECT_TRUE(table->focusFrame()->isVisible());
    EXPECT_EQ(table->focusFrame()->geometry(), table->rect());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(table->focusFrame()->isVisible());
}

RGB pixel(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return RGB::bytes(colour.red(), colour.green(), colour.blue());
}

// Where a toolbar button's title is drawn, under its symbol.
QRect titleArea(const QRect& button) {
    return {button.left() + 6, button.center().y() + 4, button.width() - 12, button.height() / 2 - 8};
}

// The strongest contrast against `against` among the pixels of `area`.
double strongest(const QImage& image, const QRect& area, const RGB& against) {
    double most = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max(most, Contrast::ratio(pixel(image, x, y), against));
    }
    return most;
}

// Every dot of the log measured where it is drawn, against the log's ground beside it, and the
// lines beside them, as the desktop goes light or dark and asks for more contrast with the game open.
TEST_F(TableWindow, TheLogsDotsAndLinesStandOutInLightDarkAndIncreasedContrast) {
    startSitAndGo();
    playToResult();
    auto* log = window.findChild<ActionLogView*>();
    for (const bool contrast : {false, true}) {
        qputenv("CHIPWHISTLE_INCREASE_CONTRAST", contrast ? "1" : "0");
        for (const bool dark : {false, true}) {
            WidgetEvents::DesktopAppearance desktop(dark);
            QCoreApplication::processEvents();
            ASSERT_EQ(window.theme().dark, dark);
            ASSERT_EQ(window.theme().increaseContrast, contrast);
            // The window as drawn, cut to the log, so the log is seen on what it lies on.
            const QImage image =
                window.grab().toImage().copy(QRect(log->mapTo(&window, QPoint()), log->size()));
            image.save(WidgetEvents::galleryFolder("shell") +
                       QStringLiteral("/window-log-%1%2.png")
                           .arg(dark ? "dark" : "light", contrast ? "-contrast" : ""));
            int dots = 0;
            for (QWidget* dot : log->findChildren<QWidget*>()) {
                const QPoint at = dot->mapTo(log, QPoint());
                if (dot->size() != QSize(8, 8) || !dot->isVisible() ||
                    !image.rect().contains(QRect(at, dot->size())))
                    continue;
                ++dots;
                const RGB ground = pixel(image, at.x() - 3, at.y() + 4);
                EXPECT_GE(strongest(image, QRect(at, dot->size()), ground), 3)
                    << "dot " << dots << (dark ? " dark" : " light") << (contrast ? " contrast" : "");
                // The line beside it, its first line's height from the dot's top.
                EXPECT_GE(strongest(image, QRect(at.x() + 16, at.y() - 2, 60, 12), ground), Contrast::text)
                    << "line " << dots << (dark ? " dark" : " light") << (contrast ? " contrast" : "");
            }
            EXPECT_GE(dots, 4);
        }
    }
    qunsetenv("CHIPWHISTLE_INCREASE_CONTRAST");
}

// A desktop that turns dark with the window open, its palette darkening the window and the text but
// not the controls' faces, as some desktops' palettes do.
struct DarkDesktopWindow : TableWindow {
    void SetUp() override {
        startSitAndGo();
        QApplication::setActiveWindow(&window);
        QCoreApplication::processEvents();
    }
    QImage toolbarPicture(const QString& name) {
        QCoreApplication::processEvents();
        const QImage strip = window.toolbar()->grab().toImage();
        strip.save(WidgetEvents::galleryFolder("shell") + '/' + name + ".png");
        return strip;
    }
    // The game's own style, as the program sets it, on the control under test: it draws the ring.
    void styled(QWidget* control) { control->setStyle(&style); }
    // Tab pressed round the window until `control` has the keys.
    bool tabTo(QWidget* control) {
        for (int presses = 0; presses < 20 && QApplication::focusWidget() != control; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == control;
    }

    WidgetEvents::DesktopAppearance desktop{true};
    FocusRingStyle style;
};

TEST_F(DarkDesktopWindow, TheFocusedToolbarButtonIsDarkWithItsRingAndTitleShowing) {
    ASSERT_TRUE(window.theme().dark);
    QWidget* settings = toolbarButton("Settings");
    styled(settings);
    QTest::mouseMove(&window, window.rect().center());
    ASSERT_TRUE(tabTo(settings));

    const QImage strip = toolbarPicture("window-dark-desktop-focused-toolbar");
    const QRect button = settings->geometry();
    // The face between the ring and the title, halfway down.
    const RGB face = pixel(strip, button.left() + 5, button.center().y());
    EXPECT_LT(Contrast::relativeLuminance(face), 0.2) << "a light face on the dark toolbar";
    EXPECT_GE(strongest(strip, QRect(button.left(), button.center().y(), 5, 1), face), 3)
        << "the focus ring stands out from the face";
    EXPECT_GE(strongest(strip, titleArea(button), face), Contrast::text) << "the title reads on the face";
}

// The pointer resting on the button that has the keys: its ring still stands out from the face under
// it, in the colour the ring has on every other control.
TEST_F(DarkDesktopWindow, TheFocusedButtonUnderThePointerKeepsItsRingShowing) {
    QWidget* settings = toolbarButton("Settings");
    styled(settings);
    QTest::mouseMove(&window, window.rect().center());
    ASSERT_TRUE(tabTo(settings));
    const QImage away = window.toolbar()->grab().toImage();
    QTest::mouseMove(settings, settings->rect().center());
    const QImage strip = toolbarPicture("window-dark-desktop-focused-pointed-toolbar");

    const QRect button = settings->geometry();
    const RGB face = pixel(strip, button.left() + 5, button.center().y());
    EXPECT_GE(strongest(strip, QRect(button.left(), button.center().y(), 5, 1), face), 3)
        << "the focus ring stands out from the face under the pointer";
    // The ring's core, where it stands out most with the pointer away, keeps its colour.
    const int y = button.center().y();
    const RGB awayFace = pixel(away, button.left() + 5, y);
    int core = button.left();
    for (int x = button.left(); x < button.left() + 5; ++x) {
        if (Contrast::ratio(pixel(away, x, y), awayFace) > Contrast::ratio(pixel(away, core, y), awayFace))
            core = x;
    }
    EXPECT_EQ(pixel(strip, core, y), pixel(away, core, y));
    EXPECT_GE(strongest(strip, titleArea(button), face), Contrast::text) << "the title reads on the face";
}

TEST_F(DarkDesktopWindow, TheButtonUnderThePointerIsDarkWithItsTitleShowing) {
    QWidget* leave = toolbarButton("Forfeit");
    styled(leave);
    QTest::mouseMove(leave, leave->rect().center());
    const QImage strip = toolbarPicture("window-dark-desktop-pointed-toolbar");
    const QRect button = leave->geometry();
    const RGB face = pixel(strip, button.left() + 5, button.center().y());
    EXPECT_LT(Contrast::relativeLuminance(face), 0.2) << "a light face on the dark toolbar";
    EXPECT_GE(strongest(strip, titleArea(button), face), Contrast::text) << "the title reads on the face";
}

TEST_F(DarkDesktopWindow, EveryScrollBarBesideTheTableIsDark) {
    // The guide's tab in the sidebar, in a window of that size: as short as it goes, the lists scroll; at
    // its opening size, the chart is wider than the sidebar and scrolls sideways.
    const auto guideTab = [this](GuideTab tab, QSize size) {
        window.resize(size);
        if (!window.guide()) {
            click(toolbarButton("Poker Basics"));
            settle();
        }
        click(window.guide()->tabButton(tab));
        settle();
        return window.guide()->tabContent();
    };
    const QSize shortest = WindowChrome::minimumSize.toSize();
    const QSize opening = WindowChrome::defaultSize.toSize();
    const struct {
        const char* name;
        std::function<QScrollBar*()> bar;
    } bars[] = {
        {"log", [&] { return window.findChild<ActionLogView*>()->scrollArea()->verticalScrollBar(); }},
        {"guide-rankings",
         [&] {
             return qobject_cast<RankingsTab*>(guideTab(GuideTab::rankings, shortest))->verticalScrollBar();
         }},
        {"guide-glossary",
         [&] {
             return qobject_cast<GlossaryTab*>(guideTab(GuideTab::glossary, shortest))
                 ->scrollArea()
                 ->verticalScrollBar();
         }},
        {"guide-chart",
         [&] {
             return guideTab(GuideTab::starters, opening)
                 ->findChild<SidewaysScrollArea*>()
                 ->horizontalScrollBar();
         }},
    };
    for (const auto& row : bars) {
        QScrollBar* bar = row.bar();
        ASSERT_TRUE(bar->isVisible()) << row.name;
        const QImage image = bar->grab().toImage();
        image.save(WidgetEvents::galleryFolder("shell") +
                   QStringLiteral("/window-dark-desktop-%1-scroll-bar.png").arg(row.name));
        // The track, with the handle or without: nowhere a light bar beside the dark sidebar.
        const bool upright = bar->orientation() == Qt::Vertical;
        for (const double along : {0.25, 0.5, 0.75}) {
            const QPoint at = upright ? QPoint(image.width() / 2, static_cast<int>(image.height() * along))
                                      : QPoint(static_cast<int>(image.width() * along), image.height() / 2);
            EXPECT_LT(Contrast::relativeLuminance(pixel(image, at.x(), at.y())), 0.2)
                << row.name << " " << along;
        }
    }
}

} // namespace
