// The guide speaks through the program's one announcer wherever it is opened: the lobby's button, the
// Settings window's button, the table window's toolbar and the popover table's "?", each pressed as a
// player presses it.
#include "AppState.h"
#include "Game/BotSeating.h"
#include "GameController.h"
#include "MenuBarHost.h"
#include "System/PacedSignals.h"
#include "System/ReaderChangeEvents.h"
#include "Table/TablePresenter.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/HomeView.h"
#include "Views/Learn/BasicsTab.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/PopoverWindow.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/TableScreen.h"
#include "Views/WindowRoot.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "Support/TestHost.h"
#include "Support/WidgetEvents.h"

using WidgetEvents::click;

namespace {

QString lastSaid(const MenuBarHost& host) {
    const QStringList& spoken = host.announcer().spoken();
    return spoken.isEmpty() ? QString() : spoken.last();
}

// Launches the game into its popover, shown, with what is said only recorded.
PopoverWindow* launchedIntoThePopover(MenuBarHost& host) {
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    host.announcer().setShowsNotifications(false);
    PopoverWindow* popover = host.popoverWindow();
    if (popover) {
        popover->show();
    }
    return popover;
}

// Tells the reader, at the pace it keeps up with, that `screen`'s elements have come into view, as the
// game does when a table is built or uncovered.
void tellShown(QWidget* screen) {
    for (QWidget* shown : screen->findChildren<QWidget*>()) {
        if (QAccessibleInterface* element = QAccessible::queryAccessibleInterface(shown)) {
            PacedSignals::tell({ReaderChangeEvents::objectPath(element), "showing", "1"}, "0");
        }
    }
}

// Turns a page, searches the glossary and moves the chart's selection, as a player does, and expects
// each to be heard through the host's announcer.
void expectTheGuideSpeaks(PokerBasicsView* guide, MenuBarHost& host, const char* where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(guide);
    host.announcer().setShowsNotifications(false);
    guide->setTab(GuideTab::basics);
    auto* basics = qobject_cast<BasicsTab*>(guide->tabContent());
    ASSERT_TRUE(basics);
    click(basics->forwardButton());
    EXPECT_TRUE(lastSaid(host).startsWith("Page 2 of 6. Your cards and the board. You get two cards"))
        << lastSaid(host).toStdString();

    // Pressed by its keys, the last page's way to the rankings leaves the keys in them: the page's
    // buttons go, and the keys must not fall to whatever follows the guide in the window.
    QApplication::setActiveWindow(guide->window());
    basics->forwardButton()->setFocus(Qt::TabFocusReason);
    while (basics->page() < 5) {
        QTest::keyClick(basics->forwardButton(), Qt::Key_Space);
    }
    if (basics->forwardButton()->title().startsWith("Rankings")) {
        // The chevron drawn after its word is not read out.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(basics->forwardButton())->text(QAccessible::Name),
                  "Rankings");
        QTest::keyClick(basics->forwardButton(), Qt::Key_Space);
        EXPECT_EQ(guide->tab(), GuideTab::rankings);
        QWidget* keys = QApplication::focusWidget();
        EXPECT_TRUE(guide->tabContent()->isAncestorOf(keys))
            << (keys ? keys->metaObject()->className() : "nothing") << " holds the keys";
    }

    // Chosen, the tab reads its top as the other tabs do.
    click(guide->tabButton(GuideTab::glossary));
    EXPECT_EQ(lastSaid(host), "Search 30 words");
    auto* glossary = qobject_cast<GlossaryTab*>(guide->tabContent());
    ASSERT_TRUE(glossary);
    QTest::keyClicks(glossary->searchField(), "kicker");
    EXPECT_EQ(lastSaid(host), "1 word");
    // Left by Tab, the field shows no selection, as no field without the keys does; Tab back selects
    // the search again, ready to be typed over.
    glossary->searchField()->setFocus();
    glossary->searchField()->selectAll();
    QTest::keyClick(glossary->searchField(), Qt::Key_Tab);
    runPosted();
    EXPECT_FALSE(glossary->searchField()->hasSelectedText());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    runPosted();
    ASSERT_EQ(QApplication::focusWidget(), glossary->searchField());
    EXPECT_EQ(glossary->searchField()->selectedText(), "kicker");

    const qsizetype chosen = host.announcer().spoken().size();
    click(guide->tabButton(GuideTab::starters));
    auto* starters = qobject_cast<StartersTab*>(guide->tabContent());
    ASSERT_TRUE(starters);
    // Chosen and entered by Tab, the tab says what the chart holds once.
    starters->chart()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(host.announcer().spoken().mid(chosen).filter(starters->selectionLine()).size(), 1)
        << host.announcer().spoken().mid(chosen).join(" | ").toStdString();
    const qsizetype before = host.announcer().spoken().size();
    // One of the two moves the selection whatever hand the chart starts on.
    QTest::keyClick(starters->chart(), Qt::Key_Right);
    QTest::keyClick(starters->chart(), Qt::Key_Down);
    EXPECT_GT(host.announcer().spoken().size(), before) << "the chart's selection";
}

TEST(GuideSpeech, FromTheLobbysButton) {
    TestHostEnvironment testHost("menuBar");
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    ASSERT_TRUE(host.popoverWindow());
    auto* lobby = host.popoverWindow()->findChild<HomeView*>();
    ASSERT_TRUE(lobby);
    host.popoverWindow()->show();
    runPosted();
    click(lobby->guideButton());
    expectTheGuideSpeaks(lobby->guide(), host, "lobby");
}

// The lobby's guide turned by keys to its last page starts the practice hand, whose captions come as the
// table has just changed, the reader still being told of it: each caption's words come once those changes
// are told, and only then does "Got It" take the keys. Said at once, the words reached the reader while
// the game was still busy with the change, and a reader the game could not answer then dropped them.
TEST(GuideSpeech, FromTheLobbysLastPageIntoThePracticeHand) {
    TestHostEnvironment testHost("menuBar");
    MenuBarHost host;
    PopoverWindow* popover = launchedIntoThePopover(host);
    ASSERT_TRUE(popover);
    runPosted();
    QApplication::setActiveWindow(popover);
    auto* lobby = popover->findChild<HomeView*>();
    ASSERT_TRUE(lobby);
    click(lobby->guideButton());
    ASSERT_TRUE(lobby->guide());
    auto* basics = qobject_cast<BasicsTab*>(lobby->guide()->tabContent());
    ASSERT_TRUE(basics);
    basics->forwardButton()->setFocus(Qt::TabFocusReason);
    while (basics->page() < 5) {
        QTest::keyClick(basics->forwardButton(), Qt::Key_Return);
    }
    ASSERT_EQ(basics->forwardButton()->title(), "Play a Practice Hand");

    // What the reader is still to be told as each caption is said, and what holds the keys then.
    std::vector<std::pair<std::size_t, QString>> captions;
    QObject::connect(&host.announcer(), &Announcer::announced, popover, [&](const QString& words) {
        if (words.contains(" of 7. ")) {
            const auto* keys = qobject_cast<StyledButton*>(QApplication::focusWidget());
            captions.emplace_back(PacedSignals::waiting(), keys ? keys->title() : QString());
        }
    });
    const auto gotItHoldsTheKeys = [] {
        const auto* keys = qobject_cast<StyledButton*>(QApplication::focusWidget());
        return keys && keys->title() == "Got It";
    };
    QTest::keyClick(basics->forwardButton(), Qt::Key_Return);
    runPosted();
    auto* table = popover->findChild<TableScreen*>();
    ASSERT_TRUE(table);
    tellShown(table);
    ASSERT_TRUE(QTest::qWaitFor([&] { return captions.size() == 1 && gotItHoldsTheKeys(); }, 20000));
    EXPECT_EQ(captions[0].first, 0u) << "changes still to be told as the first caption was said";
    EXPECT_NE(captions[0].second, "Got It") << "\"Got It\" took the keys before the words";
    EXPECT_TRUE(lastSaid(host).contains("Only you can see these two: ")) << lastSaid(host).toStdString();

    // The blinds' caption comes as the first is moved on, with the table's changes still being told.
    tellShown(table);
    ASSERT_GT(PacedSignals::waiting(), 0u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return captions.size() == 2; }, 20000));
    EXPECT_EQ(captions[1].first, 0u) << "changes still to be told as the second caption was said";
    EXPECT_TRUE(lastSaid(host).startsWith("Step 2 of 7. The blinds. ")) << lastSaid(host).toStdString();
    EXPECT_TRUE(QTest::qWaitFor(gotItHoldsTheKeys));
}

TEST(GuideSpeech, FromTheSettingsWindowsButton) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    host.showSettings();
    runPosted();
    SettingsView* settings = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<SettingsView*>(window); view && view->isVisible()) {
            settings = view;
        } else if (auto* inside = window->findChild<SettingsView*>(); inside && inside->isVisible()) {
            settings = inside;
        }
    }
    ASSERT_TRUE(settings);
    QAbstractButton* opener = nullptr;
    for (QAbstractButton* button : settings->findChildren<QAbstractButton*>()) {
        if (button->text().startsWith("Poker Basics")) {
            opener = button;
        }
    }
    ASSERT_TRUE(opener);
    QTest::mouseClick(opener, Qt::LeftButton);
    runPosted();
    PokerBasicsView* guide = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = window->findChild<PokerBasicsView*>(); found && window->isVisible()) {
            guide = found;
        }
    }
    expectTheGuideSpeaks(guide, host, "settings");
}

// Opened by "?" over the popover's table as a hand is dealt, while the reader is still being told what
// the deal changed, the guide reads the page it opens on once, after those changes: read ahead of them,
// the page waited in the reader's queue while they piled up behind it, and a reader flooded so drops it.
// Closed by Escape over the dealt hand, the guide gives the keys back to the table, which the reader reads
// where they land, the player's cards among it: the cards are heard once, and the table once; what is due
// follows them once the closing's changes have been told, the turn's prompt last. Said apart as well, the
// cards were heard twice, and the prompt could come ahead of the table. Two deals: the opponent acts first
// in one (its move said after the table, unless it came under the guide), the player in the other; and
// once more at the player's turn, where the turn the guide hid is said again after the table; and there
// once more closed and opened again as it slides away, where it reads its page as a guide opened anew.
TEST(GuideSpeech, FromThePopoversTableAsAHandIsDealt) {
    TestHostEnvironment testHost("menuBar");
    MenuBarHost host;
    PopoverWindow* popover = launchedIntoThePopover(host);
    ASSERT_TRUE(popover);
    host.controller().start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 4, 2)));
    runPosted();
    auto* table = popover->findChild<TableScreen*>();
    ASSERT_TRUE(table);
    // The dealt table's elements come into view, and come back as the guide goes, told to the reader at
    // the pace it keeps up with.
    const auto tellTheTableShown = [table] { tellShown(table); };
    // What the reader hears, in order: each announcement, and the table's own words where the keys land.
    QStringList heard;
    int pages = 0;
    std::optional<std::size_t> waitingAtPage;
    std::optional<std::size_t> waitingAtPrompt;
    std::optional<std::int64_t> dealt;
    QObject::connect(&host.announcer(), &Announcer::announced, popover, [&](const QString& words) {
        heard << words;
        if (words.startsWith("Page 1 of 6. The goal. ")) {
            ++pages;
            waitingAtPage = PacedSignals::waiting();
        }
        if (words.contains("Your turn. ") && !waitingAtPrompt) {
            waitingAtPrompt = PacedSignals::waiting();
        }
        if (words.startsWith("Hand 2. Blinds")) {
            dealt = 2;
        }
    });
    QObject::connect(qApp, &QApplication::focusChanged, popover, [&](QWidget*, QWidget* now) {
        if (now == table) {
            heard << "Table: " + QAccessible::queryAccessibleInterface(table)->text(QAccessible::Description);
        }
    });
    QApplication::setActiveWindow(popover);
    struct Opening {
        // The hand it is over; the last two at the player's turn, with the table at rest.
        std::int64_t hand;
        // Closed and opened again at once, while it slides away.
        bool reopenedAsItSlides = false;
    };
    for (const auto [hand, reopenedAsItSlides] : {Opening{1}, Opening{2}, Opening{2}, Opening{2, true}}) {
        SCOPED_TRACE(hand);
        SCOPED_TRACE(reopenedAsItSlides);
        if (hand > dealt.value_or(1)) {
            // Folded, the next hand is dealt by Return, and the guide opened as soon as it is.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
            ASSERT_TRUE(QTest::qWaitFor([&] { return heard.join(' ').contains("Press Return"); }, 20000))
                << heard.join(" | ").toStdString();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ASSERT_TRUE(QTest::qWaitFor([&] { return dealt == hand; }, 20000))
                << heard.join(" | ").toStdString();
        }
        tellTheTableShown();
        ASSERT_GT(PacedSignals::waiting(), 0u);
        pages = 0;
        waitingAtPage.reset();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : popover, Qt::Key_Question,
                        Qt::ShiftModifier);
        ASSERT_TRUE(table->guidePanel());
        ASSERT_TRUE(QTest::qWaitFor([&] { return waitingAtPage.has_value(); }))
            << heard.join(" | ").toStdString();
        EXPECT_EQ(*waitingAtPage, 0u) << "changes still to be told as the page was read";
        runPosted();
        EXPECT_EQ(pages, 1);
        if (reopenedAsItSlides) {
            // Read as a guide opened anew is: only the keys coming back, the reader heard the button they
            // landed on and nothing of the guide.
            pages = 0;
            const PokerBasicsView* sliding = table->guidePanel();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ShiftModifier);
            ASSERT_TRUE(table->guideOpen());
            ASSERT_EQ(table->guidePanel(), sliding) << "opened again after it had slid away";
            EXPECT_TRUE(QTest::qWaitFor([&] { return pages > 0; })) << heard.join(" | ").toStdString();
            runPosted();
            EXPECT_EQ(pages, 1);
        }

        // Closed over the dealt hand, its cards at rest under the guide.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !table->presenter().cardsComing(); }));
        heard.clear();
        waitingAtPrompt.reset();
        tellTheTableShown();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_FALSE(table->guideOpen());
        ASSERT_TRUE(QTest::qWaitFor([&] { return waitingAtPrompt.has_value(); }, 20000))
            << heard.join(" | ").toStdString();
        runPosted();
        const std::string said = heard.join(" | ").toStdString();
        EXPECT_EQ(heard.join(' ').count("Your cards: "), 1) << said;
        ASSERT_EQ(heard.filter("Table: ").size(), 1) << said;
        EXPECT_TRUE(heard.first().startsWith("Table: ")) << said;
        EXPECT_EQ(heard.join(' ').count("Your turn. "), 1) << said;
        EXPECT_TRUE(heard.last().contains("Your turn. ")) << said;
        EXPECT_EQ(*waitingAtPrompt, 0u) << "changes still to be told as the turn was said";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !table->guidePanel(); })) << "the guide slid away";
    }
}

TEST(GuideSpeech, FromTheTableWindowsToolbar) {
    TestHostEnvironment testHost("window");
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    host.controller().start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 4, 1)));
    runPosted();
    WindowRoot* window = host.tableWindow();
    ASSERT_TRUE(window);
    window->show();
    QAction* guideItem = nullptr;
    for (QAction* action : window->toolbar()->actions()) {
        if (action->text() == "Poker Basics") {
            guideItem = action;
        }
    }
    ASSERT_TRUE(guideItem);
    if (window->guide() && window->guide()->isVisible()) {
        // The sidebar already shows the guide; pressing the item would close it.
    } else {
        QWidget* button = window->toolbar()->widgetForAction(guideItem);
        ASSERT_TRUE(button);
        host.announcer().setShowsNotifications(false);
        const qsizetype before = host.announcer().spoken().size();
        QTest::mouseClick(button, Qt::LeftButton);
        runPosted();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->clock().isRunning(); }));
        // Opened beside the table, it reads the page it opens on, whatever the table says meanwhile.
        const QStringList since = host.announcer().spoken().mid(before);
        EXPECT_TRUE(std::any_of(since.begin(), since.end(), [](const QString& words) {
            return words.startsWith("Page 1 of 6. The goal. ");
        })) << since.join(" | ").toStdString();
    }
    expectTheGuideSpeaks(window->guide(), host, "window sidebar");

    // Asked where it stands, by the command's keys from the glossary's field or by the table's, the guide
    // says what the search holds and how many words it finds.
    click(window->guide()->tabButton(GuideTab::glossary));
    auto* glossary = qobject_cast<GlossaryTab*>(window->guide()->tabContent());
    ASSERT_TRUE(glossary);
    click(glossary->searchField());
    ASSERT_EQ(QApplication::focusWidget(), glossary->searchField());
    QTest::keyClicks(glossary->searchField(), "bli");
    ASSERT_EQ(glossary->shownTerms().size(), 5u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ControlModifier);
    EXPECT_EQ(lastSaid(host), "Search: bli. 5 words");
    EXPECT_EQ(glossary->searchField()->text(), "bli");
    QTest::keyClicks(glossary->searchField(), "x");
    // Tab takes the keys round the window to the table.
    QWidget* table = window->content();
    for (int press = 0; press < 60 && QApplication::focusWidget() != table; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), table);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ShiftModifier);
    EXPECT_EQ(lastSaid(host), "Search: blix. No matches");
    // Emptied, the field is read by its prompt again.
    click(glossary->searchField());
    QTest::keyClick(glossary->searchField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(glossary->searchField(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ControlModifier);
    EXPECT_EQ(lastSaid(host), "Search 30 words");
}

} // namespace
