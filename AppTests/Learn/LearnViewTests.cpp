#include "Learn/BasicsPaging.h"
#include "Learn/GlossarySearch.h"
#include "Learn/GuideContent.h"
#include "Learn/GuideInk.h"
#include "Learn/GuideShell.h"
#include "Learn/LearnMetrics.h"
#include "Learn/StartersChart.h"
#include "Style/Contrast.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/SheetControls.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/BasicsTab.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/HandTagView.h"
#include "Views/Learn/InfoButton.h"
#include "Views/Learn/MarkdownLabel.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Learn/TermPanel.h"
#include "Views/Support/Announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

using BotKit::StartingHand;
using PokerEngine::Rank;

namespace {

// A shown, active window, so shortcuts and focus behave as for a player.
void activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    QApplication::processEvents();
}

void press(QWidget* target, Qt::Key key) {
    QTest::keyClick(target, key);
    QApplication::processEvents();
}

Announcer& quietAnnouncer() {
    static Announcer announcer;
    announcer.setShowsNotifications(false);
    return announcer;
}

QString lastSaid() {
    const QStringList& spoken = quietAnnouncer().spoken();
    return spoken.isEmpty() ? QString() : spoken.back();
}

TableTheme windowTheme() {
    TableTheme theme = TableTheme::standard();
    theme.surface = TableSurface::window;
    return theme;
}

} // namespace

TEST(MarkdownLabel, BoldWhenItParsesVerbatimWhenNot) {
    MarkdownLabel bold("Your **buy-in** comes back.");
    EXPECT_TRUE(bold.parsed());
    EXPECT_EQ(bold.plainText(), "Your buy-in comes back.");
    EXPECT_EQ(bold.boldSpans(), (QList<QPair<int, int>>{{5, 6}}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&bold)->text(QAccessible::Name),
              "Your buy-in comes back.");
    MarkdownLabel broken("An **open bold");
    EXPECT_FALSE(broken.parsed());
    EXPECT_EQ(broken.plainText(), "An **open bold");
    EXPECT_TRUE(broken.boldSpans().isEmpty());
}

TEST(MarkdownLabel, WrapsToItsWidthAndGrowsDownwards) {
    MarkdownLabel text(explanation(Term::sidePot, TermNumbers{}));
    text.setFont(QFont(text.font().family(), 12));
    const int wide = text.heightForWidth(2000);
    const int narrow = text.heightForWidth(120);
    EXPECT_GT(narrow, 3 * wide);
    // The same width asked again gives the same height.
    EXPECT_EQ(text.heightForWidth(120), narrow);
    text.setContentsMargins(0, 6, 0, 0);
    EXPECT_EQ(text.heightForWidth(120), narrow + 6);
    text.setLineSpacing(2);
    EXPECT_GT(text.heightForWidth(120), narrow + 6);
}

TEST(InfoButton, SpeaksTheTermAndRunsItsAction) {
    int pressed = 0;
    InfoButton button(Term::kicker, [&] { ++pressed; });
    EXPECT_EQ(button.accessibleName(), "About Kicker");
    EXPECT_EQ(button.accessibleDescription(), shortText(Term::kicker));
    EXPECT_EQ(button.toolTip(), shortText(Term::kicker));
    EXPECT_EQ(button.size(), QSize(20, 20));
    button.click();
    EXPECT_EQ(pressed, 1);

    std::optional<Term> explained;
    TermHeader header("Stakes", Term::stakes, [&](Term term) { explained = term; });
    header.button()->click();
    EXPECT_EQ(explained, Term::stakes);
}

TEST(TermPanel, ReturnAndEscapeDismiss) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        int dismissed = 0;
        TermPanel panel(TableTheme::standard(), Term::kicker, {}, TableTheme::standard(),
                        [&] { ++dismissed; });
        activate(panel);
        press(panel.gotItButton(), key);
        EXPECT_EQ(dismissed, 1) << key;
    }
}

TEST(TermPanel, GuideLinkLeadsToTheTermsPlace) {
    std::optional<GuideDestination> opened;
    const auto open = [&](const GuideDestination& destination) { opened = destination; };
    TermPanel suited(
        TableTheme::standard(), Term::suited, {}, TableTheme::standard(), [] {}, open);
    ASSERT_TRUE(suited.guideButton());
    EXPECT_EQ(suited.guideButton()->title(), QString::fromUtf8("Starting hands in Poker Basics \u203A"));
    // A reader hears the words, not the chevron drawn after them.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(suited.guideButton())->text(QAccessible::Name),
              "Starting hands in Poker Basics");
    suited.guideButton()->click();
    EXPECT_EQ(opened, GuideDestination::starters());

    TermPanel pot(
        TableTheme::standard(), Term::pot, {}, TableTheme::standard(), [] {}, open);
    pot.guideButton()->click();
    EXPECT_EQ(opened, GuideDestination::glossary(Term::pot));

    TermPanel plain(TableTheme::standard(), Term::pot, {}, TableTheme::standard(), [] {});
    EXPECT_EQ(plain.guideButton(), nullptr);
    EXPECT_EQ(plain.gotItButton()->title(), "Got It");
}

TEST(TermPanel, ExplainsWithTheTablesNumbers) {
    const TermNumbers highStakes{PokerEngine::BlindLevel{100, 200, 0}};
    TermPanel panel(TableTheme::standard(), Term::buyIn, highStakes, TableTheme::standard(), [] {});
    EXPECT_TRUE(
        panel.explanationLabel()->plainText().contains("That's 8,000 to 20,000 chips.", Qt::CaseInsensitive));
}

TEST(PracticeCaptionView, StepCaptionHasOneButton) {
    quietAnnouncer();
    int gotIt = 0;
    const PracticeCaption caption{PracticeStep::blinds, "The blinds", "Two **forced bets** start the pot."};
    PracticeCaptionView view(TableTheme::standard(), caption, {[&] { ++gotIt; }, {}, {}}, &quietAnnouncer());
    const auto buttons = view.buttons();
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->title(), "Got It");
    activate(view);
    EXPECT_EQ(lastSaid(), caption.announcement());
    EXPECT_TRUE(buttons[0]->isVisible());
    // The keys land on the button Return presses, named, not on the card round it, which a reader is
    // never told holds them.
    EXPECT_EQ(QApplication::focusWidget(), buttons[0]);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&view)->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&view)->state().focusable);
    press(&view, Qt::Key_Return);
    EXPECT_EQ(gotIt, 1);
    EXPECT_FALSE(qt_sendShortcutOverrideEvent(&view, 0, Qt::Key_Escape, Qt::NoModifier, {}, false))
        << "Escape is the window's until a fold offers Home";

    // A new caption is a new card: spoken once more; the same caption again is not.
    const qsizetype said = quietAnnouncer().spoken().size();
    view.setCaption(caption);
    EXPECT_EQ(quietAnnouncer().spoken().size(), said);
    view.setCaption(PracticeCaption{PracticeStep::flop, "The flop", "Three **shared** cards."});
    EXPECT_EQ(lastSaid(), "Step 4 of 7. The flop. Three shared cards. Press Return for Got It.");
}

TEST(PracticeCaptionView, FoldedCaptionOffersHomeAndTryAgain) {
    int home = 0;
    int tryAgain = 0;
    const PracticeCaption folded{PracticeCaption::Folded{}, "You folded", "Folding gave up **your cards**."};
    PracticeCaptionView view(TableTheme::standard(), folded, {{}, [&] { ++tryAgain; }, [&] { ++home; }},
                             &quietAnnouncer());
    const auto buttons = view.buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->title(), "Home");
    EXPECT_EQ(buttons[1]->title(), "Try Again");
    activate(view);
    EXPECT_EQ(QApplication::focusWidget(), buttons[1]);
    press(&view, Qt::Key_Return);
    EXPECT_EQ(tryAgain, 1);
    press(&view, Qt::Key_Escape);
    EXPECT_EQ(home, 1);
    EXPECT_EQ(tryAgain, 1);
    // With the ring moved to "Home", Return presses "Home".
    buttons[0]->setFocus(Qt::TabFocusReason);
    press(buttons[0], Qt::Key_Return);
    EXPECT_EQ(home, 2);
    EXPECT_EQ(tryAgain, 1);
}

TEST(PracticeCaptionView, BodySizesAndButtonWidths) {
    const PracticeCaption caption{PracticeStep::river, "The river", "An **open bold"};
    PracticeCaptionView popover(TableTheme::standard(), caption, {}, nullptr);
    EXPECT_EQ(popover.bodyLabel()->font().pixelSize(), 12);
    EXPECT_EQ(popover.bodyLabel()->plainText(), "An **open bold");
    EXPECT_EQ(popover.buttons()[0]->width(), 140);
    PracticeCaptionView window(windowTheme(), caption, {}, nullptr);
    EXPECT_EQ(window.bodyLabel()->font().pixelSize(), 13);
    // The buttons stand on the card's bottom edge, however long the text above them.
    EXPECT_EQ(PracticeCaptionMetrics::contentTop(124, 100), 24);
    EXPECT_EQ(PracticeCaptionMetrics::contentTop(124, 150), 0);
    window.resize(500, 124);
    activate(window);
    const StyledButton* gotIt = window.buttons()[0];
    EXPECT_EQ(gotIt->mapTo(&window, QPoint(0, gotIt->height())).y(), window.height());
    TableTheme pixel = TableTheme::drawnIn(TableStyleID::pixel, TableSurface::window, 2, {});
    PracticeCaptionView pixelView(pixel, caption, {}, nullptr);
    EXPECT_EQ(pixelView.buttons()[0]->width(), 120);
}

TEST(PokerBasicsCommand, FollowsTheFocusedWindow) {
    PokerBasicsCommand command;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* screen = new QLineEdit(&window);
    layout->addWidget(screen);
    window.addAction(&command);
    activate(window);
    screen->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(command.isEnabled());

    int opened = 0;
    auto* action = new PokerBasicsAction(screen, [&] { ++opened; });
    QApplication::processEvents();
    EXPECT_TRUE(command.isEnabled());
    EXPECT_EQ(PokerBasicsAction::focused(), action);
    QTest::keyClick(screen, Qt::Key_Question, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(opened, 1);
    command.trigger();
    EXPECT_EQ(opened, 2);

    delete action;
    QApplication::processEvents();
    EXPECT_FALSE(command.isEnabled());
    command.trigger();
    EXPECT_EQ(opened, 2);

    // A window without a publisher greys the command out even while another window has one.
    new PokerBasicsAction(screen, [&] { ++opened; });
    QWidget settings;
    activate(settings);
    QApplication::processEvents();
    EXPECT_FALSE(command.isEnabled());
}

TEST(BasicsTab, PagesButtonsAndAnnouncements) {
    int finished = 0;
    BasicsTab tab(TableTheme::standard(), TableTheme::standard(), 0, {true, false, {}, [&] { ++finished; }},
                  &quietAnnouncer());
    activate(tab);
    EXPECT_FALSE(tab.backButton()->isVisible());
    EXPECT_EQ(tab.forwardButton()->title(), "Next");
    tab.forwardButton()->click();
    EXPECT_EQ(tab.page(), 1);
    EXPECT_TRUE(lastSaid().startsWith("Page 2 of 6. Your cards and the board. You get two cards"))
        << lastSaid().toStdString();
    EXPECT_TRUE(tab.backButton()->isVisible());
    press(tab.forwardButton(), Qt::Key_Return);
    EXPECT_EQ(tab.page(), 2);
    EXPECT_EQ(lastSaid(), BasicsPaging::reading(2));
    tab.setPage(4);
    tab.forwardButton()->click();
    EXPECT_TRUE(lastSaid().endsWith("each day. Next is now Rankings.")) << lastSaid().toStdString();

    tab.setPage(5);
    EXPECT_EQ(tab.forwardButton()->title(), QString::fromUtf8("Rankings \u203A"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tab.forwardButton())->text(QAccessible::Name),
              "Rankings");
    const qsizetype said = quietAnnouncer().spoken().size();
    tab.forwardButton()->click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(tab.page(), 5);
    EXPECT_EQ(quietAnnouncer().spoken().size(), said);
}

TEST(BasicsTab, PracticeOnTheLastPageAndCompactSizes) {
    int practised = 0;
    BasicsTab lobby(TableTheme::standard(), TableTheme::standard(), 5,
                    {true, false, [&] { ++practised; }, {}}, nullptr);
    EXPECT_EQ(lobby.forwardButton()->title(), "Play a Practice Hand");
    EXPECT_EQ(lobby.forwardButton()->width(), 160);
    EXPECT_EQ(lobby.forwardButton()->toolTip(), "One free hand against Biscuit, explained step by step");
    lobby.forwardButton()->click();
    EXPECT_EQ(practised, 1);

    BasicsTab sidebar(TableTheme::standard(), TableTheme::standard(), 1, {false, true, {}, {}}, nullptr);
    EXPECT_EQ(sidebar.backButton()->width(), 64);
    EXPECT_EQ(sidebar.forwardButton()->width(), 84);
}

TEST(PokerBasicsView, OpensWhereItIsAsked) {
    PokerBasicsView::Setup setup;
    setup.opening = GuideDestination::basics(9);
    PokerBasicsView tooFar(setup);
    EXPECT_EQ(tooFar.tab(), GuideTab::basics);
    EXPECT_EQ(tooFar.page(), 5);

    setup.opening = GuideDestination::basics(-2);
    EXPECT_EQ(PokerBasicsView(setup).page(), 0);

    setup.opening = GuideDestination::glossary(Term::sidePot);
    PokerBasicsView glossary(setup);
    EXPECT_EQ(glossary.tab(), GuideTab::glossary);
    EXPECT_NE(qobject_cast<GlossaryTab*>(glossary.tabContent()), nullptr);
}

TEST(PokerBasicsView, ThePanelReadsThePageItOpensOnAndEachTabReadsItsWordsWhenChosen) {
    PokerBasicsView::Setup setup;
    setup.announcer = &quietAnnouncer();
    setup.opening = GuideDestination::basics(3);
    setup.currentHand = StartingHand(Rank::king, Rank::queen, true);
    PokerBasicsView guide(setup);
    activate(guide);
    EXPECT_EQ(lastSaid(), BasicsPaging::reading(3));
    // Chosen by its segment, each tab reads the words at its top that the keys reach only after Tab.
    const struct {
        GuideTab tab;
        QString said;
    } tabs[] = {
        {GuideTab::glossary, "Search 30 words"},
        {GuideTab::rankings,
         "Best first. You make the best five cards you can from your two and the five on the "
         "board. Suits never break a tie."},
        {GuideTab::starters,
         "Rule of thumb. Play pairs, two high cards (A, K, Q, J, 10), and an ace with a card "
         "of the same suit. Fold most of the rest, and play fewer hands when more players "
         "are left to act after you."},
        {GuideTab::basics, *BasicsPaging::reading(3)},
    };
    for (const auto& row : tabs) {
        SCOPED_TRACE(GuideShell::tabTitle(row.tab).toStdString());
        const qsizetype said = quietAnnouncer().spoken().size();
        QAbstractButton* segment = guide.tabButton(row.tab);
        QTest::mouseClick(segment, Qt::LeftButton, {}, segment->rect().center());
        QApplication::processEvents();
        EXPECT_EQ(quietAnnouncer().spoken().size(), said + 1);
        EXPECT_EQ(lastSaid(), row.said);
    }
}

TEST(PokerBasicsView, LastBasicsButtonSwitchesToRankings) {
    PokerBasicsView::Setup setup;
    int done = 0;
    setup.onDone = [&] { ++done; };
    setup.opening = GuideDestination::basics(5);
    PokerBasicsView guide(setup);
    activate(guide);
    auto* basics = qobject_cast<BasicsTab*>(guide.tabContent());
    ASSERT_TRUE(basics);
    basics->forwardButton()->click();
    EXPECT_EQ(guide.tab(), GuideTab::rankings);
    EXPECT_NE(qobject_cast<RankingsTab*>(guide.tabContent()), nullptr);
    // Back to Basics: the page is kept.
    guide.tabButton(GuideTab::basics)->click();
    EXPECT_EQ(guide.page(), 5);
    press(guide.doneButton(), Qt::Key_Escape);
    EXPECT_EQ(done, 1);

    setup.presentation = PokerBasicsView::Presentation::sidebar;
    PokerBasicsView sidebar(setup);
    EXPECT_EQ(sidebar.doneButton(), nullptr);
}

TEST(PokerBasicsView, EveryTabTitleFitsAtTheNarrowestWidth) {
    PokerBasicsView::Setup setup;
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    PokerBasicsView guide(setup);
    guide.resize(static_cast<int>(GuideShell::narrowestWidth), 600);
    activate(guide);
    SlidingPicker* picker = guide.tabPicker();
    EXPECT_EQ(picker->width(), GuideShell::pickerWidth(GuideShell::narrowestWidth, true));
    EXPECT_EQ(picker->accessibleName(), "Poker Basics section");
    EXPECT_GE(picker->titleScale(), SlidingPickerRules::minimumTitleScale);
    const QFont font = ThemeFonts::system(12.5 * picker->titleScale(), FontWeight::medium);
    for (const GuideTab tab : allGuideTabs) {
        QAbstractButton* segment = guide.tabButton(tab);
        EXPECT_EQ(segment->text(), GuideShell::tabTitle(tab));
        EXPECT_LE(QFontMetricsF(font).horizontalAdvance(segment->text()),
                  segment->width() - 2 * SlidingPickerRules::titleInset)
            << segment->text().toStdString();
    }
    // In the panel there is room: the titles keep their size.
    setup.presentation = PokerBasicsView::Presentation::panel;
    PokerBasicsView panel(setup);
    panel.resize(420, 560);
    activate(panel);
    EXPECT_EQ(panel.tabPicker()->titleScale(), 1);
}

TEST(PokerBasicsView, TheSidebarClaimsNeitherReturnNorEscape) {
    PokerBasicsView::Setup setup;
    int done = 0;
    setup.onDone = [&] { ++done; };
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    PokerBasicsView sidebar(setup);
    activate(sidebar);
    auto* basics = qobject_cast<BasicsTab*>(sidebar.tabContent());
    ASSERT_TRUE(basics);
    basics->setFocus();
    press(basics, Qt::Key_Return);
    EXPECT_EQ(basics->page(), 0);
    press(basics, Qt::Key_Escape);
    EXPECT_EQ(done, 0);
    // In the panel, Return turns the page.
    setup.presentation = PokerBasicsView::Presentation::panel;
    PokerBasicsView panel(setup);
    activate(panel);
    auto* paged = qobject_cast<BasicsTab*>(panel.tabContent());
    ASSERT_TRUE(paged);
    press(paged, Qt::Key_Return);
    EXPECT_EQ(paged->page(), 1);
    EXPECT_EQ(panel.page(), 1);
    // A focused button takes Return, as Space: "Back" goes back and "Done" closes.
    paged->backButton()->setFocus();
    press(paged->backButton(), Qt::Key_Return);
    EXPECT_EQ(panel.page(), 0);
    panel.doneButton()->setFocus();
    press(panel.doneButton(), Qt::Key_Return);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(panel.page(), 0);
}

TEST(PokerBasicsView, PickerSwitchesTabs) {
    PokerBasicsView guide(PokerBasicsView::Setup{});
    // Made after the guide, as the table's action bar is made after the window's sidebar.
    auto* madeLater = new QPushButton(QStringLiteral("Later"), &guide);
    activate(guide);
    EXPECT_EQ(guide.tabPicker()->selected(), 0);
    guide.tabButton(GuideTab::starters)->click();
    EXPECT_EQ(guide.tab(), GuideTab::starters);
    EXPECT_NE(qobject_cast<StartersTab*>(guide.tabContent()), nullptr);
    guide.tabButton(GuideTab::starters)->setFocus();
    press(guide.tabButton(GuideTab::starters), Qt::Key_Right);
    EXPECT_EQ(guide.tab(), GuideTab::glossary);
    EXPECT_EQ(guide.tabPicker()->selected(), 3);
    // Tab goes from the picker into the tab below it, as they are drawn.
    press(guide.tabButton(GuideTab::glossary), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), qobject_cast<GlossaryTab*>(guide.tabContent())->searchField());
    EXPECT_NE(QApplication::focusWidget(), madeLater);
    guide.setTab(GuideTab::rankings);
    EXPECT_EQ(guide.tabPicker()->selected(), 1);
}

TEST(GlossaryTab, SearchFiltersAndAnnounces) {
    const qsizetype before = quietAnnouncer().spoken().size();
    GlossaryTab tab(TableTheme::standard(), std::nullopt, &quietAnnouncer());
    activate(tab);
    EXPECT_EQ(tab.shownTerms().size(), 30u);
    EXPECT_EQ(tab.searchField()->placeholderText(), "Search 30 words");
    // The prompt, and the text typed, start clear of the field's edge.
    EXPECT_GE(tab.searchField()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(),
              GlossarySearch::textInset);
    EXPECT_EQ(quietAnnouncer().spoken().size(), before) << "the glossary's first showing says nothing";
    tab.searchField()->setText(" Blind ");
    EXPECT_EQ(tab.shownTerms(), (std::vector<Term>{Term::bigBlind, Term::blinds, Term::sitAndGo,
                                                   Term::smallBlind, Term::stakes}));
    EXPECT_EQ(lastSaid(), "5 words");
    tab.searchField()->setText("kicker");
    EXPECT_EQ(lastSaid(), "1 word");
    tab.searchField()->setText("zebra");
    EXPECT_TRUE(tab.shownTerms().empty());
    EXPECT_TRUE(tab.showsNoMatches());
    EXPECT_EQ(lastSaid(), "No matches");
    tab.searchField()->clear();
    EXPECT_FALSE(tab.showsNoMatches());
    EXPECT_EQ(lastSaid(), "30 words");

    // Typed on by keys: the count is said when it changes, not again for each key that keeps it.
    tab.searchField()->setText("blind");
    EXPECT_EQ(lastSaid(), "5 words");
    const qsizetype said = quietAnnouncer().spoken().size();
    tab.searchField()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tab.searchField(), Qt::Key_Space);
    QTest::keyClick(tab.searchField(), Qt::Key_Backspace);
    EXPECT_EQ(quietAnnouncer().spoken().size(), said) << lastSaid().toStdString();
    // Tab from the field reaches the first result, which a reader hears with its word.
    press(tab.searchField(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), tab.row(Term::bigBlind));
    EXPECT_TRUE(
        tab.row(Term::bigBlind)->accessibleName().startsWith("Big blind (BB), The larger forced bet"));
    // Cards are read by their names, as the table says them, while the row shows their symbols.
    EXPECT_EQ(tab.row(Term::suited)->accessibleName(),
              "Suited and offsuit, Your two cards are suited when they share a suit, like Ace of spades and "
              "Jack of spades, and offsuit when they don't. Suited cards can make a flush, so they're a "
              "little stronger.");
    bool symbolsShown = false;
    for (const MarkdownLabel* words : tab.row(Term::suited)->findChildren<MarkdownLabel*>())
        symbolsShown =
            symbolsShown || words->markdown().contains(QString::fromUtf8("A\u2660\uFE0E J\u2660\uFE0E"));
    EXPECT_TRUE(symbolsShown);
    // Nothing inside a row speaks apart from it: a reader entering the list would read the words
    // without their term.
    for (QWidget* inside : tab.row(Term::bigBlind)->findChildren<QWidget*>())
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(inside)->state().invisible)
            << inside->metaObject()->className();
    press(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), tab.row(Term::blinds));
    // Back in the field by keys, the query is selected, ready to be typed over.
    press(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), tab.searchField());
    EXPECT_EQ(tab.searchField()->selectedText(), "blind");
}

TEST(GlossaryTab, OpensOnTheFocusedTerm) {
    GlossaryTab tab(TableTheme::standard(), Term::sidePot, nullptr);
    tab.resize(360, 300);
    activate(tab);
    QApplication::processEvents();
    QWidget* row = tab.row(Term::sidePot);
    EXPECT_EQ(tab.scrollArea()->verticalScrollBar()->value(),
              row->mapTo(tab.scrollArea()->widget(), QPoint()).y());
    EXPECT_TRUE(row->property("chipwhistleAccessibleSelected").toBool());
    EXPECT_FALSE(tab.row(Term::pot)->property("chipwhistleAccessibleSelected").toBool());
    tab.searchField()->setText("kicker");
    EXPECT_TRUE(row->isHidden());
}

TEST(GlossaryTab, ScrollBarOnlyWhileTheRowsOverflow) {
    // Typed down from every term to a few, the rows fit the panel and no bar shows; all back, it returns.
    // Where the few nearly fill the panel, the rows end at their last line: they scroll by what they
    // overflow, if at all, and one wheel turn down shows the last row whole.
    struct Case {
        QSize size;
        bool overflows;
    };
    for (const Case& c : {Case{{236, 600}, false}, Case{{360, 600}, false}, Case{{404, 392}, false},
                          Case{{404, 382}, true}}) {
        SCOPED_TRACE(c.size.width());
        SCOPED_TRACE(c.size.height());
        GlossaryTab tab(TableTheme::standard(), std::nullopt, nullptr);
        tab.resize(c.size);
        activate(tab);
        QApplication::processEvents();
        const QScrollBar* bar = tab.scrollArea()->verticalScrollBar();
        EXPECT_TRUE(bar->isVisible());
        tab.searchField()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), "blind");
        QApplication::processEvents();
        const QWidget* viewport = tab.scrollArea()->viewport();
        const QWidget* last = tab.row(tab.shownTerms().back());
        const int rowsEnd = last->mapTo(tab.scrollArea()->widget(), QPoint(0, last->height())).y();
        EXPECT_EQ(tab.scrollArea()->widget()->height(), std::max(viewport->height(), rowsEnd));
        EXPECT_EQ(bar->isVisible(), c.overflows);
        const QPoint middle = viewport->rect().center();
        QWheelEvent turn(middle, viewport->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(tab.scrollArea()->viewport(), &turn);
        EXPECT_EQ(rowsEnd - bar->value(), c.overflows ? viewport->height() : rowsEnd) << "the last row whole";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QApplication::processEvents();
        EXPECT_EQ(tab.shownTerms().size(), 30u);
        EXPECT_TRUE(bar->isVisible());
        EXPECT_GT(bar->maximum(), 0);
    }
}

TEST(StartersTab, SelectionByArrowsAndClicks) {
    StartersTab away(TableTheme::standard(), std::nullopt, false);
    activate(away);
    EXPECT_EQ(away.detailLabel()->accessibleName(), "Click a hand to see how it rates.");
    away.chart()->setFocus();
    press(away.chart(), Qt::Key_Right);
    EXPECT_EQ(away.chart()->selected(), StartingHand(Rank::ace, Rank::king, true));
    EXPECT_EQ(away.detailLabel()->accessibleName(), QString::fromUtf8("Ace-king suited \u00B7 Great"));

    const StartingHand kingQueen(Rank::king, Rank::queen, true);
    StartersTab atTable(TableTheme::standard(), kingQueen, false);
    atTable.resize(360, 700);
    activate(atTable);
    EXPECT_EQ(atTable.chart()->selected(), kingQueen);
    EXPECT_EQ(atTable.detailLabel()->accessibleName(),
              QString::fromUtf8("Your hand: King-queen suited \u00B7 Great"));
    const QRectF sixes = atTable.chart()->cellRect(8, 8);
    QTest::mouseClick(atTable.chart(), Qt::LeftButton, {}, sixes.center().toPoint());
    EXPECT_EQ(atTable.chart()->selected(), StartingHand(Rank::six, Rank::six, false));
    EXPECT_EQ(atTable.detailLabel()->accessibleName(), QString::fromUtf8("Pair of sixes \u00B7 Playable"));
    EXPECT_EQ(atTable.chart()->current(), kingQueen);
}

TEST(StartersTab, TheNarrowestSidebarScrollsTheChartSidewaysRatherThanLeaveHandsUnnamed) {
    PokerBasicsView::Setup setup;
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    setup.opening = GuideDestination::starters();
    setup.currentHand = StartingHand(Rank::ace, Rank::two, true);
    PokerBasicsView guide(setup);
    guide.resize(static_cast<int>(GuideShell::narrowestWidth), 500);
    activate(guide);
    auto* tab = qobject_cast<StartersTab*>(guide.tabContent());
    ASSERT_TRUE(tab);
    StartersChartView* chart = tab->chart();
    EXPECT_EQ(chart->width(), StartersChart::narrowestChart(StartersChartView::labelMeasures()));
    EXPECT_GE(chart->labelSize(), 9);
    auto* sideways = qobject_cast<QScrollArea*>(chart->parentWidget()->parentWidget());
    ASSERT_TRUE(sideways);
    EXPECT_TRUE(sideways->horizontalScrollBar()->isVisible());
    EXPECT_GE(sideways->height(), chart->height() + sideways->horizontalScrollBar()->height());
    // The player's ace-deuce suited, in the last column, is in view as the tab opens; the keys bring the
    // aces back.
    const auto inView = [&](int row, int column) {
        return chart->visibleRegion().boundingRect().contains(chart->cellRect(row, column).toRect());
    };
    EXPECT_TRUE(inView(0, 12));
    EXPECT_FALSE(inView(0, 0));
    chart->setFocus();
    for (int step = 0; step < 12; ++step) {
        press(chart, Qt::Key_Left);
    }
    EXPECT_EQ(chart->selected(), StartingHand(Rank::ace, Rank::ace, false));
    EXPECT_TRUE(inView(0, 0));
}

TEST(StartersTab, TheLegendTakesTwoRowsWhenOneDoesNotFit) {
    BandLegend legend(false, false);
    EXPECT_EQ(legend.rowsAt(600), 1);
    EXPECT_EQ(legend.rowsAt(150), 2);
    EXPECT_GT(legend.heightForWidth(150), legend.heightForWidth(600));
    EXPECT_EQ(legend.accessibleName(), "Great, Good, Playable, Risky, Usually fold");
}

TEST(StartersTab, ASelectionIsAnnounced) {
    const StartingHand kingQueen(Rank::king, Rank::queen, true);
    StartersTab tab(TableTheme::standard(), kingQueen, false, &quietAnnouncer());
    activate(tab);
    const qsizetype before = quietAnnouncer().spoken().size();
    // The keys coming into the chart name the cell they start from.
    tab.setFocus(Qt::OtherFocusReason);
    press(&tab, Qt::Key_Tab);
    ASSERT_TRUE(tab.chart()->hasFocus());
    EXPECT_EQ(lastSaid(), "Your hand: King-queen suited, great");
    press(tab.chart(), Qt::Key_Left);
    EXPECT_EQ(lastSaid(), "Pair of kings, great");
    press(tab.chart(), Qt::Key_Right);
    EXPECT_EQ(lastSaid(), "Your hand: King-queen suited, great");
    EXPECT_EQ(quietAnnouncer().spoken().size(), before + 3);
}

TEST(StartersChartView, ReadsAsAChartOfButtons) {
    StartersChartView chart(std::nullopt, false, false);
    chart.resize(330, 330);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&chart);
    ASSERT_TRUE(access);
    EXPECT_EQ(access->text(QAccessible::Name), "Starting hands chart");
    ASSERT_EQ(access->childCount(), 169);
    QAccessibleInterface* kingQueen = access->child(1 * 13 + 2);
    ASSERT_TRUE(kingQueen);
    EXPECT_EQ(kingQueen->text(QAccessible::Name), "King-queen suited, great");
    EXPECT_EQ(kingQueen->role(), QAccessible::Button);
    EXPECT_FALSE(kingQueen->state().selected);
    kingQueen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chart.selected(), StartingHand(Rank::king, Rank::queen, true));
    EXPECT_TRUE(kingQueen->state().selected);
    EXPECT_EQ(access->indexOfChild(kingQueen), 15);
    EXPECT_EQ(chart.labelSize(), 10);
}

TEST(StartersChartView, LabelSizesWithIncreasedContrastFollowTheWidth) {
    // The size the width gives (9 at 300, 11 at 350, 13 at 400), shrunk alike where the widest label
    // would reach its cell's border; a chart never gets narrower than holds every label at 9.
    StartersChartView chart(std::nullopt, false, true);
    for (const auto& [width, size, shown] :
         {std::tuple{300, 9, 300}, {350, 10, 350}, {400, 12, 400}, {216, 9, chart.minimumWidth()}}) {
        chart.resize(width, width);
        EXPECT_EQ(chart.labelSize(), size) << width;
        EXPECT_EQ(chart.width(), shown) << width;
    }
    StartersChartView standard(std::nullopt, false, false);
    standard.resize(400, 400);
    EXPECT_EQ(standard.labelSize(), 12);
}

TEST(StartersChartView, EveryLabelReadsOnItsCellAsDrawn) {
    // Measured on the pixels a player sees, at the sidebar's and the panel's sizes: the inkiest pixel
    // of each label against its cell just inside the top edge, 7:1 with more contrast, 4.5:1 otherwise.
    for (const auto& [dark, increased, width] : {std::tuple{false, false, 230},
                                                 {false, false, 384},
                                                 {true, false, 230},
                                                 {true, false, 384},
                                                 {false, true, 230},
                                                 {false, true, 384},
                                                 {true, true, 230},
                                                 {true, true, 384}}) {
        StartersChartView chart(std::nullopt, dark, increased);
        chart.resize(width, width);
        QImage image(chart.size(), QImage::Format_RGB32);
        image.fill(toQColor(GuideInk::ground(dark)));
        chart.render(&image, {}, {}, QWidget::DrawChildren);
        const auto colour = [&](QPoint at) {
            return RGB::bytes(qRed(image.pixel(at)), qGreen(image.pixel(at)), qBlue(image.pixel(at)));
        };
        QStringList faint;
        for (int index = 0; index < chartSide * chartSide; ++index) {
            const QRectF cell = chart.cellRect(index / chartSide, index % chartSide);
            const RGB fill = colour(QPointF(cell.center().x(), cell.top() + 2.5).toPoint());
            double inkiest = 1;
            const QRect label = cell.adjusted(2, 4, -2, -4).toRect();
            for (int y = label.top(); y <= label.bottom(); ++y)
                for (int x = label.left(); x <= label.right(); ++x)
                    inkiest = std::max(inkiest, Contrast::ratio(colour({x, y}), fill));
            if (inkiest < (increased ? Contrast::enhancedText : Contrast::text))
                faint << QString::fromStdString(
                             chartCell(index / chartSide, index % chartSide).description()) +
                             QStringLiteral(" %1").arg(inkiest, 0, 'f', 1);
        }
        EXPECT_TRUE(faint.isEmpty()) << dark << increased << width << ": " << faint.join(", ").toStdString();
    }
}

TEST(RankingsTab, TheRowsAreOneTabStopAndTheKeysReadThemOneByOne) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("Before"), &window);
    auto* tab = new RankingsTab(TableTheme::standard(), false, std::nullopt, &window);
    auto* stack = new QVBoxLayout(&window);
    stack->addWidget(before);
    stack->addWidget(tab);
    window.resize(420, 320);
    activate(window);
    before->setFocus(Qt::TabFocusReason);
    press(before, Qt::Key_Tab);
    const auto& rows = tab->rows();
    ASSERT_EQ(QApplication::focusWidget(), rows[0]);
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(rows[0]);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_TRUE(row->state().focused);
    EXPECT_TRUE(row->text(QAccessible::Name).startsWith("1. Royal Flush: A, K, Q, J and 10, all one suit."));
    press(rows[0], Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), rows[1]);
    press(rows[1], Qt::Key_End);
    EXPECT_EQ(QApplication::focusWidget(), rows[9]);
    EXPECT_FALSE(rows[9]->visibleRegion().isEmpty()) << "scrolled into view";
    // Tab leaves the list at once and Shift+Tab comes back to the row last read.
    press(rows[9], Qt::Key_Tab);
    EXPECT_FALSE(tab->isAncestorOf(QApplication::focusWidget()));
    press(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), rows[9]);
}

TEST(RankingsTab, HighlightsTheHeldRow) {
    RankingsTab plain(TableTheme::standard(), false, std::nullopt);
    EXPECT_EQ(plain.rows().size(), 10u);
    EXPECT_EQ(plain.detailLabel(4)->text(), "Any five of one suit");

    RankingsTab flush(TableTheme::standard(), false, QStringLiteral("Flush"));
    EXPECT_EQ(flush.detailLabel(4)->text(), "You have this now");
    EXPECT_TRUE(flush.rows()[4]->accessibleName().endsWith(
        "Any five of one suit. For example Ace of diamonds, Jack of "
        "diamonds, Eight of diamonds, Six of diamonds, Two of "
        "diamonds. You have this now."));
    EXPECT_EQ(flush.detailLabel(3)->text(), "Three of a kind plus a pair");

    RankingsTab lowerCase(TableTheme::standard(), false, QStringLiteral("flush"));
    EXPECT_EQ(lowerCase.detailLabel(4)->text(), "Any five of one suit");
}

TEST(HandTagView, ShrinksItsTextToFitButNoFurther) {
    const HandTag tag{"Playable start", 3, {"King-queen offsuit"}, "help", "spoken"};
    HandTagView view(windowTheme(), tag);
    view.resize(view.sizeHint());
    EXPECT_EQ(view.textScale(), 1);
    // A little narrower: the text shrinks to fit and the height does not grow.
    view.resize(view.sizeHint().width() - 10, view.sizeHint().height());
    EXPECT_LT(view.textScale(), 1);
    EXPECT_GT(view.textScale(), HandTagMetrics::minimumScale);
    EXPECT_LE(view.heightForWidth(view.width()), view.sizeHint().height());
    // Much narrower: never below the minimum scale.
    view.resize(60, view.sizeHint().height());
    EXPECT_EQ(view.textScale(), HandTagMetrics::minimumScale);
    EXPECT_LT(view.minimumSizeHint().width(), view.sizeHint().width());
    view.resize(view.minimumSizeHint());
    EXPECT_NEAR(view.textScale(), HandTagMetrics::minimumScale, 0.01);
}

TEST(HandTagView, ANarrowChipPutsThePipsUnderTheTitleRatherThanCutIt) {
    const HandTag tag{
        "Playable start", 3, {"Queen-jack offsuit", "Rated up for 2 players"}, "help", "spoken"};
    HandTagView view(TableTheme::standard(), tag);
    view.resize(view.sizeHint());
    const int oneRow = view.heightForWidth(view.width());
    // The popover's room beside the player's cards.
    const int narrow = 112;
    view.resize(narrow, view.heightForWidth(narrow));
    EXPECT_EQ(view.shownTitle(), "Playable start");
    EXPECT_GT(view.height(), oneRow) << "the pips took a row of their own";
}

TEST(HandTagView, SizesFollowTheSurfaceAndLinesWrap) {
    const HandTag preflop{"Good start", 4, {"King-queen suited"}, "help text", "spoken"};
    HandTagView popover(TableTheme::standard(), preflop);
    HandTagView window(windowTheme(), preflop);
    EXPECT_LT(popover.sizeHint().width(), window.sizeHint().width());
    EXPECT_LT(popover.sizeHint().height(), window.sizeHint().height());
    EXPECT_EQ(popover.toolTip(), "help text");

    HandTag wordy = preflop;
    wordy.lines = {"A very long hint line that would otherwise make the chip far too wide for the table"};
    HandTagView wrapped(windowTheme(), wordy);
    wrapped.resize(wrapped.sizeHint());
    EXPECT_LE(wrapped.chipRect().width(), 190 + 2 * 10 + 1);
    EXPECT_GT(wrapped.sizeHint().height(), window.sizeHint().height());
    const QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&window);
    ASSERT_TRUE(access);
    EXPECT_TRUE(access->state().invisible);
}

TEST(PokerBasicsView, FollowsThePlayersHandWhereItStands) {
    PokerBasicsView::Setup setup;
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    setup.opening = GuideDestination::rankings();
    PokerBasicsView guide(setup);
    auto* before = qobject_cast<RankingsTab*>(guide.tabContent());
    ASSERT_TRUE(before);
    guide.setPlayerHand(std::nullopt, QStringLiteral("Flush"));
    auto* after = qobject_cast<RankingsTab*>(guide.tabContent());
    ASSERT_TRUE(after) << "still on the rankings";
    EXPECT_EQ(guide.tab(), GuideTab::rankings);
    EXPECT_EQ(after->detailLabel(4)->text(), "You have this now");
    // The same hand again changes nothing.
    guide.setPlayerHand(std::nullopt, QStringLiteral("Flush"));
    EXPECT_EQ(guide.tabContent(), after);
    // The Basics page the player is on is kept.
    setup.opening = GuideDestination::basics(3);
    PokerBasicsView basics(setup);
    basics.setPlayerHand(BotKit::StartingHand::fromText("AKs"), std::nullopt);
    EXPECT_EQ(basics.tab(), GuideTab::basics);
    EXPECT_EQ(basics.page(), 3);
}

TEST(BasicsTab, ThePagesWordsFadeOutAsTheNextPagesFadeIn) {
    BasicsTab tab(TableTheme::standard(), TableTheme::standard(), 0, {true, false, {}, {}},
                  &quietAnnouncer());
    activate(tab);
    double seconds = 0;
    tab.clock().setTimeSource([&seconds] { return seconds; });
    const QImage before = tab.grab().toImage();
    tab.forwardButton()->click();
    // At the press the old words still show in full; the new ones have not begun.
    tab.clock().ticked();
    const QImage atPress = tab.grab().toImage();
    const QRect words(0, 190, tab.width(), 80);
    EXPECT_EQ(atPress.copy(words), before.copy(words));
    // Halfway the two are mixed; at the end only the new page is left.
    seconds = 0.1;
    tab.clock().ticked();
    EXPECT_NE(tab.grab().toImage().copy(words), before.copy(words));
    seconds = 1;
    tab.clock().ticked();
    const QImage after = tab.grab().toImage();
    tab.setPage(1);
    EXPECT_EQ(after.copy(words), tab.grab().toImage().copy(words)) << "nothing of the first page is left";
}
