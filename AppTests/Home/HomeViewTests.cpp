#include "Game/BotSeating.h"
#include "Style/Drawing/ArtView.h"
#include "Style/Drawing/SatinPanel.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/HomeView.h"
#include "Views/Home/NewGameSheet.h"
#include "Views/Home/NewGameSheetModel.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/InfoButton.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/TermPanel.h"
#include "Views/Support/Announcer.h"

#include "Home/LobbyHarness.h"

#include <QAccessible>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "Support/WidgetEvents.h"

#include <set>

#include <gtest/gtest.h>

using WidgetEvents::click;
using WidgetEvents::key;

namespace {

// A home on screen in the popover's size, active so its keys reach it.
struct ShownHome {
    explicit ShownHome(LobbyHarness& lobby, TableSurface surface = TableSurface::popover,
                       Announcer* announcer = nullptr)
        : view(AppEnvironment{&lobby.state, &lobby.controller, nullptr, nullptr, nullptr, nullptr, announcer},
               surface, TableTheme::standard()) {
        view.resize(420, 560);
        view.show();
        QApplication::setActiveWindow(&view);
    }
    HomeView view;
};

// Where the words inside `box` of `image` are: every pixel that stands apart from the box's corner.
struct Ink {
    QRect rows;
    bool found() const { return rows.isValid(); }
};
Ink inkIn(const QImage& image, const QRect& box) {
    const QColor ground = image.pixelColor(box.topLeft());
    Ink ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (std::abs(image.pixelColor(x, y).lightness() - ground.lightness()) > 60)
                ink.rows |= QRect(x, y, 1, 1);
    return ink;
}

// The sheet of `mode`, opened over `home`.
NewGameSheet* openedSheet(ShownHome& home, GameMode mode) {
    home.view.model().openSheet(mode);
    return home.view.sheet();
}

// The info button of `term` on a sheet.
InfoButton* infoButton(NewGameSheet* sheet, Term term) {
    for (InfoButton* button : sheet->findChildren<InfoButton*>())
        if (button->term() == term)
            return button;
    return nullptr;
}

// A home whose lobby motion runs on time the test moves.
struct TimedHome : ShownHome {
    explicit TimedHome(LobbyHarness& lobby, TableSurface surface = TableSurface::popover)
        : ShownHome(lobby, surface) {
        view.clock().setTimeSource([this] { return now; });
    }
    void at(double seconds) {
        now = seconds;
        emit view.clock().ticked();
    }
    double now = 0;
};

double opacityOf(QWidget* widget) {
    const auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
    return effect ? effect->opacity() : 1;
}

GameSetup quickSetup(std::uint64_t seed) {
    return GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, seed, 1));
}

} // namespace

TEST(HomeColumnFrame, PopoverFillsAndWindowCentresAtMostTheColumn) {
    const QRect popover(0, 0, 420, 560);
    EXPECT_EQ(HomeColumn::frame(popover, std::nullopt), popover);
    EXPECT_EQ(HomeColumn::frame(QRect(0, 0, 1100, 750), HomeColumn::window), QRect(310, 55, 480, 640));
    EXPECT_EQ(HomeColumn::frame(QRect(0, 0, 400, 900), HomeColumn::window), QRect(0, 130, 400, 640));
}

TEST(HomeViewKeys, ReturnDealsTheHeroAndTheRowsOpenSheets) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    ASSERT_EQ(home.view.rows().size(), 2u);
    click(home.view.rows()[0]);
    ASSERT_TRUE(home.view.sheet());
    EXPECT_EQ(home.view.model().sheet()->mode(), GameMode::sitAndGo);
    key(home.view.sheet(), Qt::Key_Escape);
    EXPECT_FALSE(home.view.sheet());
    // Off the row that opened the sheet, with no button focused, Return deals the hero game.
    home.view.column()->setFocus(Qt::OtherFocusReason);
    key(home.view.column(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup()->mode(), GameMode::quickHand);
}

TEST(HomeViewKeys, ALobbyComesUpWithTheKeysOnTheHeroGamesButton) {
    LobbyHarness lobby;
    QWidget window;
    auto* view = new HomeView(AppEnvironment{&lobby.state, &lobby.controller}, TableSurface::popover,
                              TableTheme::standard(), std::nullopt, &window);
    window.resize(420, 560);
    view->resize(420, 560);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(view->heroCard());
    EXPECT_EQ(QApplication::focusWidget(), view->heroCard()->primaryButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
}

TEST(HomeViewKeys, ReturnAndSpacePressTheFocusedButtonAndTheHeroOnlyWithoutOne) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    for (Qt::Key pressed : {Qt::Key_Return, Qt::Key_Space}) {
        home.view.guideButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), pressed);
        EXPECT_TRUE(home.view.guide()) << pressed;
        EXPECT_FALSE(lobby.controller.hasTable()) << pressed;
        click(home.view.guide()->doneButton());
        ASSERT_FALSE(home.view.guide());
    }
    // A row focused by Tab opens its sheet rather than dealing the hero game.
    home.view.rows()[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(home.view.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());
}

TEST(HomeViewKeys, TabWalksTheLobbyTopToBottomWithQuitLast) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    const auto tabFrom = [](QWidget* from) {
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tabFrom(home.view.settingsButton()), home.view.heroCard()->primaryButton());
    EXPECT_EQ(tabFrom(home.view.rows().back()), home.view.quitButton());
    // A lobby rebuilt under a new bankroll keeps the order.
    lobby.setBankroll(1500);
    EXPECT_EQ(tabFrom(home.view.settingsButton()), home.view.heroCard()->primaryButton());
    EXPECT_EQ(tabFrom(home.view.rows().back()), home.view.quitButton());
}

TEST(HomeViewNotice, ReturnNeverConfirmsTheForfeitButAClickDoes) {
    LobbyHarness lobby;
    lobby.state.checkpoint(SavedGameFixtures::sitAndGo(2));
    ShownHome home(lobby);
    EXPECT_EQ(home.view.heroCard()->primaryButton()->title(), "Resume");
    home.view.model().begin(quickSetup(5));
    NoticePanel* notice = home.view.noticePanel();
    ASSERT_TRUE(notice);
    ASSERT_TRUE(notice->confirmButton());
    EXPECT_EQ(notice->confirmButton()->title(), "Start Quick Hand");
    EXPECT_EQ(notice->accessibleName(), "End your Sit & Go?");
    notice->confirmButton()->setFocus();
    key(notice->confirmButton(), Qt::Key_Return);
    key(notice->confirmButton(), Qt::Key_Enter);
    key(home.view.column(), Qt::Key_Return);
    EXPECT_FALSE(lobby.controller.hasTable());
    EXPECT_TRUE(lobby.state.savedGame());
    click(notice->confirmButton());
    EXPECT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup(), quickSetup(5));
    EXPECT_EQ(lobby.state.profile().bankroll, 9500);
}

TEST(HomeViewNotice, EscapeAndTheShadeDismissAndKeepTheSavedGame) {
    LobbyHarness lobby;
    lobby.setBankroll(300);
    ShownHome home(lobby);
    home.view.model().play(GameMode::quickHand);
    ASSERT_TRUE(home.view.noticePanel());
    EXPECT_EQ(home.view.noticePanel()->dismissButton()->title(), "OK");
    EXPECT_FALSE(home.view.noticePanel()->confirmButton());
    key(home.view.noticePanel()->dismissButton(), Qt::Key_Escape);
    EXPECT_FALSE(home.view.noticePanel());
    EXPECT_FALSE(home.view.model().notice());

    home.view.model().choose(GameMode::sitAndGo);
    ASSERT_TRUE(home.view.noticePanel());
    // A click on the shade above the panel.
    QWidget* shade = home.view.childAt(QPoint(210, 20));
    ASSERT_TRUE(shade);
    click(shade, QPoint(210, 20));
    EXPECT_FALSE(home.view.model().notice());
}

// The footer's two ends line up with the cards above them, on either surface.
TEST(HomeViewFooter, QuitEndsWhereTheColumnsCardsEnd) {
    for (const TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        LobbyHarness lobby;
        ShownHome home(lobby, surface);
        if (surface == TableSurface::window)
            home.view.resize(1100, 720);
        QApplication::processEvents();
        QWidget* quit = home.view.quitButton();
        QWidget* column = quit->parentWidget();
        const QImage shot = column->grab().toImage();
        const Ink title = inkIn(shot, QRect(quit->mapTo(column, QPoint()), quit->size()));
        ASSERT_TRUE(title.found());
        // The hero card's widget keeps its shadow's room round the card.
        QWidget* hero = home.view.heroCard();
        const int cardsEnd =
            hero->mapTo(column, QPoint(hero->width() - 1, 0)).x() - SatinPanel::shadowMargins().right();
        EXPECT_LE(title.rows.right(), cardsEnd) << int(surface);
        EXPECT_GE(title.rows.right(), cardsEnd - 2) << int(surface) << ": Quit stops short of the edge";
    }
}

TEST(HomeViewHeader, NamesTheOtherSurfaceAndReadsTheBankrollAsOne) {
    LobbyHarness lobby;
    ShownHome popover(lobby);
    EXPECT_EQ(popover.view.surfaceButton()->toolTip(), "Open in Window");
    EXPECT_EQ(popover.view.bankroll()->amount(), "10,000");
    ShownHome window(lobby, TableSurface::window);
    EXPECT_EQ(window.view.surfaceButton()->toolTip(), "Back to System Tray");
    EXPECT_FALSE(window.view.statusLine()->isVisible());
    EXPECT_EQ(window.view.settingsButton()->toolTip(), "Settings");
    EXPECT_EQ(window.view.guideButton()->toolTip(), "Poker Basics");
}

TEST(HomeViewHeader, ABankrollChangeRollsUnlessMotionIsReduced) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    lobby.setBankroll(12000);
    EXPECT_EQ(home.view.bankroll()->amount(), "12,000");
    EXPECT_TRUE(home.view.bankroll()->isRolling());
    TableTheme still = TableTheme::standard();
    still.reduceMotion = true;
    home.view.setTheme(still);
    lobby.setBankroll(9000);
    EXPECT_FALSE(home.view.bankroll()->isRolling());
}

TEST(HomeViewPractice, TheSuggestionLeavesWhenClosedOrWhenTheColumnIsTooShort) {
    LobbyHarness lobby;
    lobby.state.setLearningMode(true);
    ShownHome home(lobby);
    home.view.resize(420, 680);
    ASSERT_TRUE(home.view.practiceRow());
    EXPECT_TRUE(home.view.practiceRow()->isVisible());
    home.view.resize(420, 500);
    EXPECT_FALSE(home.view.practiceRow()->isVisible());
    home.view.resize(420, 680);
    EXPECT_TRUE(home.view.practiceRow()->isVisible());
    click(home.view.practiceRow()->closeButton());
    EXPECT_TRUE(lobby.state.profile().practiceRowDismissed);
    EXPECT_FALSE(home.view.practiceRow());
}

TEST(NewGameSheetPreview, TheOpponentsPillSitsClearOfTheTable) {
    // The popover's sheet leaves the preview short; the window's gives it its whole height.
    for (const TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        const bool window = surface == TableSurface::window;
        LobbyHarness lobby;
        HomeView view(AppEnvironment{&lobby.state, &lobby.controller}, surface, TableTheme::standard(),
                      window ? std::optional<QSize>(HomeColumn::window) : std::nullopt);
        view.resize(window ? QSize(700, 720) : QSize(420, 560));
        view.show();
        view.model().openSheet(GameMode::cashTable);
        QApplication::processEvents();
        NewGameSheet* sheet = view.sheet();
        ASSERT_TRUE(sheet);
        const OpponentStepper* stepper = sheet->stepper();
        ASSERT_TRUE(stepper);
        const QRectF pill = stepper->capsule().translated(stepper->pos() - sheet->preview()->pos());
        ASSERT_TRUE(QRectF(sheet->preview()->rect()).contains(pill)) << "the pill stands on the preview";
        // Clear by a few pixels, so the felt's rim and the seats never touch the pill.
        for (const QRectF& part : sheet->previewCovers())
            EXPECT_FALSE(part.intersects(pill.adjusted(-4, -4, 4, 4)))
                << (window ? "window: " : "popover: ") << part.x() << ", " << part.y() << " " << part.width()
                << " x " << part.height();
        // Every opponent's disc shows whole, whatever the count: as a seat is taken, what is drawn just
        // inside its disc's lowest edge changes from the felt, its rim or the stage to the disc.
        double now = 10;
        sheet->clock().setTimeSource([&now] { return now; });
        const auto seat = [&](int opponents) {
            lobby.setChoices([opponents](NewGameChoices& c) { c.cashOpponents = opponents; });
            emit sheet->clock().ticked();
            return sheet->preview()->grab().toImage();
        };
        for (int opponents = 2; opponents <= 5; ++opponents) {
            seat(opponents - 1);
            now += 5;
            const QImage empty = seat(opponents);
            now += 5;
            emit sheet->clock().ticked();
            const QImage taken = sheet->preview()->grab().toImage();
            // The covers list the felt, then the five seats' discs in seating order.
            const QRectF disc = sheet->previewCovers()[std::size_t(opponents)];
            const QPoint foot =
                (QPointF(disc.center().x(), disc.bottom() - 3) * taken.devicePixelRatio()).toPoint();
            EXPECT_NE(empty.pixel(foot), taken.pixel(foot))
                << (window ? "window: " : "popover: ") << "opponent " << opponents
                << "'s disc hidden at its foot";
        }
    }
}

TEST(NewGameSheetKeys, ReturnStartsOnlyWhenAffordableAndTabWalksTheControls) {
    LobbyHarness lobby;
    lobby.setBankroll(1999);
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    NewGameSheet* sheet = home.view.sheet();
    ASSERT_TRUE(sheet);
    EXPECT_FALSE(sheet->startButton()->isEnabled());
    EXPECT_EQ(sheet->blockedLine()->text(), "Needs 2,000 chips. You have 1,999.");
    sheet->handsPicker()->setFocus(Qt::TabFocusReason);
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(lobby.controller.hasTable());
    ASSERT_EQ(home.view.sheet(), sheet);

    lobby.setBankroll(2000);
    EXPECT_TRUE(sheet->startButton()->isEnabled());
    EXPECT_EQ(sheet->startButton()->title(), "Deal · 2,000");
    sheet->cancelButton()->setFocus();
    QWidget* first = QApplication::focusWidget();
    std::set<QWidget*> visited;
    for (int step = 0; step < 24; ++step) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    EXPECT_TRUE(visited.count(sheet->stepper()->plusButton()));
    EXPECT_TRUE(visited.count(sheet->handsPicker()->segments()[0]));
    EXPECT_TRUE(visited.count(sheet->startButton()));
    (void)first;
    sheet->startButton()->setFocus(Qt::TabFocusReason);
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
}

TEST(NewGameSheetKeys, TheRingStartsOnTheStartButtonSoReturnDoesWhatItShows) {
    for (const std::size_t row : {0u, 1u}) {
        LobbyHarness lobby;
        ShownHome home(lobby);
        home.view.rows()[row]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        NewGameSheet* sheet = home.view.sheet();
        ASSERT_TRUE(sheet);
        EXPECT_EQ(QApplication::focusWidget(), sheet->startButton()) << row;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(lobby.controller.hasTable()) << row;
    }
}

TEST(NewGameSheetKeys, ReturnPressesTheFocusedButtonElseStartsAndABlockedSheetOpensOnCancel) {
    LobbyHarness lobby;
    lobby.setBankroll(1999);
    ShownHome home(lobby);
    NewGameSheet* sheet = openedSheet(home, GameMode::quickHand);
    ASSERT_TRUE(sheet);
    // Nothing to start: the keys wait on Cancel, and Return does what its ring says.
    EXPECT_EQ(QApplication::focusWidget(), sheet->cancelButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(home.view.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());

    lobby.setBankroll(10000);
    sheet = openedSheet(home, GameMode::cashTable);
    ASSERT_TRUE(sheet);
    sheet->cancelButton()->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(home.view.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());

    // On a control that is no button, Return is the sheet's default: it sits down.
    sheet = openedSheet(home, GameMode::cashTable);
    ASSERT_TRUE(sheet);
    sheet->buyInSlider()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
}

TEST(NewGameSheetKeys, EveryTabStopIsAControlWhoseRingShows) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    NewGameSheet* sheet = openedSheet(home, GameMode::sitAndGo);
    ASSERT_TRUE(sheet);
    sheet->startButton()->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 12; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        EXPECT_NE(focused, sheet) << "the sheet itself has no ring to show: step " << step;
        EXPECT_TRUE(sheet->isAncestorOf(focused)) << step;
    }
}

TEST(NewGameSheetChoices, PickerAndStepperShareTheRememberedHands) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    NewGameSheet* sheet = home.view.sheet();
    click(sheet->handsPicker()->segments()[2]);
    EXPECT_EQ(lobby.state.choices().quickHandHands, 5);
    EXPECT_EQ(sheet->stepper()->count(), 5);
    click(sheet->stepper()->plusButton());
    click(sheet->stepper()->plusButton());
    EXPECT_EQ(lobby.state.choices().quickHandHands, 7);
    EXPECT_EQ(sheet->handsPicker()->selected(), std::nullopt);
    key(sheet->handsPicker()->segments()[0], Qt::Key_Right);
    EXPECT_EQ(lobby.state.choices().quickHandHands, 1);
    // Cancelling keeps what was chosen.
    key(sheet, Qt::Key_Escape);
    EXPECT_EQ(lobby.state.choices().quickHandHands, 1);
}

TEST(NewGameSheetChoices, StoredValuesOutOfRangeShowAsTheTableSeatsThem) {
    LobbyHarness lobby;
    lobby.setChoices([](NewGameChoices& c) {
        c.cashOpponents = 9;
        c.cashBuyInBB = 400;
    });
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::cashTable);
    NewGameSheet* sheet = home.view.sheet();
    EXPECT_EQ(sheet->stepper()->count(), 5);
    EXPECT_FALSE(sheet->stepper()->canRaise());
    EXPECT_EQ(sheet->startButton()->title(), "Sit Down · 1,000");
}

// The buttons keep the keys while the count beside them changes: each new count is the pressed
// button's description, which the reader speaks as it changes, in the popover's lobby as in the
// window's, by Return and Space alike; the program's voice does not say it a second time.
TEST(NewGameSheetChoices, EachCountTheKeysSetIsSpokenThroughTheProgramsVoice) {
    for (const TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        LobbyHarness lobby;
        Announcer voice;
        voice.setShowsNotifications(false);
        ShownHome home(lobby, surface, &voice);
        OpponentStepper* stepper = openedSheet(home, GameMode::cashTable)->stepper();
        QStringList described;
        for (const auto& [button, key] : {std::pair{stepper->minusButton(), Qt::Key_Return},
                                          {stepper->minusButton(), Qt::Key_Space},
                                          {stepper->plusButton(), Qt::Key_Return}}) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, key);
            described << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description);
        }
        EXPECT_EQ(described.join(", ").toStdString(), "4 opponents, 3 opponents, 4 opponents")
            << static_cast<int>(surface);
        EXPECT_TRUE(voice.spoken().isEmpty()) << voice.spoken().join(", ").toStdString();
    }
}

TEST(NewGameSheetStakes, ALockedStakeExplainsItselfUntilAnotherIsChosen) {
    LobbyHarness lobby;
    lobby.setBankroll(3000);
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::cashTable);
    NewGameSheet* sheet = home.view.sheet();
    sheet->announcer().setShowsNotifications(false);
    EXPECT_EQ(sheet->messageLine()->text(), " ");
    click(sheet->stakePicker()->card(CashStakes::high));
    EXPECT_EQ(lobby.state.choices().cashStakes, CashStakes::low);
    EXPECT_EQ(sheet->messageLine()->text(), "100/200 needs 8,000 chips (40 BB). You have 3,000.");
    EXPECT_EQ(sheet->announcer().spoken(), QStringList{"100/200 needs 8,000 chips (40 BB). You have 3,000."});
    // Its words stand clear of the "Buy-in" heading under it.
    const QImage shot = sheet->grab().toImage();
    const auto box = [sheet](QWidget* widget) {
        return QRect(widget->mapTo(sheet, QPoint()), widget->size());
    };
    const Ink message = inkIn(shot, box(sheet->messageLine()));
    const Ink heading = inkIn(shot, box(infoButton(sheet, Term::buyIn)->parentWidget()));
    ASSERT_TRUE(message.found() && heading.found());
    EXPECT_GE(heading.rows.top() - message.rows.bottom() - 1, 6);
    click(sheet->stakePicker()->card(CashStakes::medium));
    EXPECT_EQ(lobby.state.choices().cashStakes, CashStakes::medium);
    EXPECT_EQ(sheet->lockedReason(), std::nullopt);
    EXPECT_EQ(sheet->messageLine()->text(), " ");
    EXPECT_EQ(sheet->startButton()->title(), "Sit Down · 3,000");
}

TEST(HomeViewGuide, TheHeaderButtonOpensTheGuideOverTheLobbyAndDoneClosesIt) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    click(home.view.guideButton());
    PokerBasicsView* guide = home.view.guide();
    ASSERT_TRUE(guide);
    EXPECT_EQ(home.view.model().guide(), GuideDestination::basics(0));
    EXPECT_EQ(guide->tab(), GuideTab::basics);
    EXPECT_EQ(guide->page(), 0);
    // The lobby under it takes no clicks or keys meanwhile.
    EXPECT_FALSE(home.view.column()->isEnabled());
    key(home.view.column(), Qt::Key_Return);
    EXPECT_FALSE(lobby.controller.hasTable());
    click(guide->doneButton());
    EXPECT_FALSE(home.view.guide());
    EXPECT_TRUE(home.view.column()->isEnabled());

    click(home.view.guideButton());
    key(home.view.guide(), Qt::Key_Escape);
    EXPECT_FALSE(home.view.guide());
}

TEST(HomeViewGuide, OnlyTheWindowOffersTheGuideCommand) {
    LobbyHarness lobby;
    PokerBasicsCommand command;
    {
        ShownHome popover(lobby);
        command.refresh();
        EXPECT_FALSE(command.isEnabled());
    }
    Announcer voice;
    voice.setShowsNotifications(false);
    ShownHome window(lobby, TableSurface::window, &voice);
    window.view.addAction(&command);
    command.refresh();
    ASSERT_TRUE(command.isEnabled());
    command.trigger();
    PokerBasicsView* guide = window.view.guide();
    ASSERT_TRUE(guide);
    EXPECT_EQ(window.view.model().guide(), GuideDestination::basics(0));

    // Asked again over a searched glossary, the guide stays where the player is and says where that is.
    click(guide->tabButton(GuideTab::glossary));
    auto* glossary = qobject_cast<GlossaryTab*>(guide->tabContent());
    ASSERT_TRUE(glossary);
    click(glossary->searchField());
    QTest::keyClicks(glossary->searchField(), "bli");
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Question, Qt::ControlModifier);
    EXPECT_EQ(window.view.guide(), guide);
    EXPECT_EQ(guide->tab(), GuideTab::glossary);
    EXPECT_EQ(glossary->searchField()->text(), "bli");
    ASSERT_FALSE(voice.spoken().isEmpty());
    EXPECT_EQ(voice.spoken().back(), "Search: bli. 5 words");
}

TEST(HomeViewGuide, OverASheetEscapeClosesOnlyTheGuide) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    home.view.model().openGuide(GuideDestination::rankings());
    ASSERT_TRUE(home.view.guide());
    EXPECT_EQ(home.view.guide()->tab(), GuideTab::rankings);
    EXPECT_FALSE(home.view.sheet()->isEnabled());
    key(home.view.guide(), Qt::Key_Escape);
    EXPECT_FALSE(home.view.guide());
    ASSERT_TRUE(home.view.sheet());
    EXPECT_TRUE(home.view.sheet()->isEnabled());
    key(home.view.sheet(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
}

TEST(HomeViewGuide, ItsPracticeHandLeavesEveryLayerAtOnce) {
    LobbyHarness lobby;
    lobby.state.checkpoint(SavedGameFixtures::sitAndGo(2));
    ShownHome home(lobby);
    home.view.model().openGuide(GuideDestination::basics(9));
    ASSERT_TRUE(home.view.guide());
    EXPECT_EQ(home.view.guide()->page(), 5);
    home.view.model().startPractice();
    EXPECT_FALSE(home.view.guide());
    EXPECT_EQ(lobby.controller.setup(), NewGameSheetModel::practiceSetup());
    EXPECT_TRUE(lobby.state.savedGame());
}

TEST(NewGameSheetTerms, AQuestionMarkExplainsItsTermOverTheShadedForm) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::cashTable);
    NewGameSheet* sheet = home.view.sheet();
    for (Term term : {Term::stakes, Term::buyIn, Term::difficulty})
        EXPECT_TRUE(infoButton(sheet, term)) << title(term).toStdString();
    click(infoButton(sheet, Term::stakes));
    EXPECT_EQ(sheet->explaining(), Term::stakes);
    ASSERT_TRUE(sheet->termPanel());
    EXPECT_FALSE(sheet->form()->isEnabled());
    // Return is the panel's "Got It", never the sheet's start.
    key(sheet->termPanel()->gotItButton(), Qt::Key_Return);
    EXPECT_FALSE(sheet->explaining());
    EXPECT_FALSE(lobby.controller.hasTable());
    EXPECT_TRUE(sheet->form()->isEnabled());

    sheet->explain(Term::difficulty);
    QWidget* shade = sheet->childAt(QPoint(20, 20));
    ASSERT_TRUE(shade);
    click(shade, QPoint(20, 20));
    EXPECT_FALSE(sheet->explaining());

    // Escape closes the panel and leaves the sheet open.
    sheet->explain(Term::buyIn);
    key(sheet->termPanel()->gotItButton(), Qt::Key_Escape);
    EXPECT_FALSE(sheet->explaining());
    EXPECT_EQ(home.view.sheet(), sheet);
    key(sheet, Qt::Key_Escape);
    EXPECT_FALSE(home.view.sheet());
}

TEST(NewGameSheetTerms, EachSheetExplainsItsOwnTermsAndTheQuickHandLineToo) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    EXPECT_EQ(home.view.sheet()->findChildren<InfoButton*>().size(), 3);
    EXPECT_TRUE(infoButton(home.view.sheet(), Term::quickHand));
    EXPECT_TRUE(infoButton(home.view.sheet(), Term::difficulty));
    key(home.view.sheet(), Qt::Key_Escape);
    home.view.model().openSheet(GameMode::sitAndGo);
    EXPECT_TRUE(infoButton(home.view.sheet(), Term::sitAndGo));
    key(home.view.sheet(), Qt::Key_Escape);
    home.view.model().openSheet(GameMode::practice);
    EXPECT_TRUE(home.view.sheet()->findChildren<InfoButton*>().empty());
}

TEST(NewGameSheetTerms, TheGuideLinkLeavesAtOnceForTheGuideAndDoneComesBack) {
    LobbyHarness lobby;
    TimedHome home(lobby);
    home.view.model().openSheet(GameMode::sitAndGo);
    home.at(1);
    NewGameSheet* sheet = home.view.sheet();
    sheet->explain(Term::sitAndGo);
    ASSERT_TRUE(sheet->termPanel()->guideButton());
    click(sheet->termPanel()->guideButton());
    EXPECT_FALSE(sheet->explaining());
    EXPECT_FALSE(sheet->termPanel());
    EXPECT_EQ(home.view.model().guide(), guideDestination(Term::sitAndGo));
    ASSERT_TRUE(home.view.guide());
    // No picture of the panel is left behind to fade over the sheet.
    EXPECT_FALSE(sheet->clock().isRunning());
    click(home.view.guide()->doneButton());
    EXPECT_EQ(home.view.sheet(), sheet);
    EXPECT_TRUE(sheet->isEnabled());
}

TEST(HomeViewMotion, TheNoticeRisesAndFadesInOverTheLobbyMotion) {
    LobbyHarness lobby;
    lobby.setBankroll(300);
    TimedHome home(lobby);
    home.view.model().choose(GameMode::sitAndGo);
    NoticePanel* notice = home.view.noticePanel();
    ASSERT_TRUE(notice);
    const int start = notice->y();
    home.at(0.06);
    const int early = notice->y();
    const double fading = opacityOf(notice);
    home.at(0.24);
    const int rest = notice->y();
    EXPECT_GT(start, early);
    EXPECT_GT(early, rest);
    EXPECT_GT(fading, 0);
    EXPECT_LT(fading, 1);
    EXPECT_EQ(opacityOf(notice), 1);
    EXPECT_EQ(notice->geometry().bottom(), 560 - 12 + SatinPanel::shadowMargins().bottom() - 1);
    EXPECT_FALSE(home.view.clock().isRunning());

    // Leaving, the panel itself goes at once and its picture sinks for another 0.24 s.
    home.view.model().dismissNotice();
    EXPECT_FALSE(home.view.noticePanel());
    home.at(0.3);
    EXPECT_TRUE(home.view.clock().isRunning());
    home.at(0.5);
    EXPECT_FALSE(home.view.clock().isRunning());
}

TEST(HomeViewGuide, OnceRisenItHidesWhatItCoversUntilDone) {
    LobbyHarness lobby;
    TimedHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    home.at(1);
    home.view.model().openGuide(GuideDestination::basics(0));
    // Still rising: the sheet shows above its edge.
    home.at(1.1);
    EXPECT_TRUE(home.view.sheet()->isVisible());
    home.at(2);
    EXPECT_FALSE(home.view.sheet()->isVisible());
    EXPECT_FALSE(home.view.column()->isVisible());
    home.view.model().closeGuide();
    EXPECT_TRUE(home.view.sheet()->isVisible());
    EXPECT_FALSE(home.view.column()->isVisible());
    home.view.model().closeSheet();
    home.view.model().openGuide(GuideDestination::starters());
    home.at(4);
    EXPECT_FALSE(home.view.column()->isVisible());
    click(home.view.guide()->doneButton());
    EXPECT_TRUE(home.view.column()->isVisible());
}

TEST(HomeViewMotion, UnderReducedMotionLayersOnlyFade) {
    LobbyHarness lobby;
    TimedHome home(lobby);
    TableTheme still = TableTheme::standard();
    still.reduceMotion = true;
    home.view.setTheme(still);
    home.view.model().openSheet(GameMode::quickHand);
    home.at(0.06);
    EXPECT_EQ(home.view.sheet()->y(), 0);
    EXPECT_LT(opacityOf(home.view.sheet()), 1);
    home.view.model().openGuide(GuideDestination::basics(0));
    home.at(0.1);
    EXPECT_EQ(home.view.guide()->y(), 0);
    home.at(1);
    EXPECT_EQ(opacityOf(home.view.guide()), 1);
}

TEST(HomeViewMotion, TheSheetRisesFromTheBottomEdgeAsTheColumnFades) {
    LobbyHarness lobby;
    TimedHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    EXPECT_FALSE(home.view.column()->isVisible());
    home.at(0.06);
    EXPECT_GT(home.view.sheet()->y(), 0);
    EXPECT_EQ(opacityOf(home.view.sheet()), 1);
    home.at(0.24);
    EXPECT_EQ(home.view.sheet()->y(), 0);
    home.view.model().closeSheet();
    EXPECT_TRUE(home.view.column()->isVisible());
    home.at(0.3);
    EXPECT_LT(opacityOf(home.view.column()), 1);
    home.at(0.48);
    EXPECT_EQ(opacityOf(home.view.column()), 1);
}

TEST(HomeViewFocus, ASheetTakesTheKeysOnItsFirstControlAndGivesThemBackToItsRow) {
    for (const bool changeAChoice : {false, true}) {
        LobbyHarness lobby;
        ShownHome home(lobby);
        home.view.rows()[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        NewGameSheet* sheet = home.view.sheet();
        ASSERT_TRUE(sheet);
        ASSERT_TRUE(sheet->isAncestorOf(QApplication::focusWidget()))
            << "the keys are on one of its controls";
        // A changed choice rebuilds the lobby's rows under the sheet, the row that opened it too.
        const NewGameChoices before = lobby.state.choices();
        for (int presses = 0; changeAChoice && presses < 20 &&
                              !sheet->difficultyPicker()->isAncestorOf(QApplication::focusWidget());
             ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        if (changeAChoice)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        ASSERT_EQ(lobby.state.choices() != before, changeAChoice);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_FALSE(home.view.sheet());
        EXPECT_EQ(QApplication::focusWidget(), home.view.rows()[0]) << "choice changed: " << changeAChoice;
    }
}

TEST(HomeViewFocus, ALightOrDarkSwitchKeepsTheKeysOnTheirControl) {
    LobbyHarness lobby;
    Profile profile = lobby.state.profile();
    profile.settings.learningMode = true; // the practice suggestion shows
    lobby.state.setProfile(profile);
    ShownHome home(lobby);
    HomeView& view = home.view;
    view.resize(420, 760);
    const std::vector<std::function<QWidget*()>> controls{
        [&] { return view.rows()[1]; }, [&] { return view.practiceRow()->closeButton(); },
        [&] { return view.settingsButton(); }, [&] { return view.heroCard()->primaryButton(); }};
    for (std::size_t index = 0; index < controls.size(); ++index) {
        controls[index]()->setFocus(Qt::TabFocusReason);
        TableTheme theme = TableTheme::standard();
        theme.dark = index % 2 == 0;
        view.setTheme(theme);
        EXPECT_EQ(QApplication::focusWidget(), controls[index]()) << "control " << index;
    }
    // In a sheet too: with the ring kept on Cancel, Return cancels instead of starting.
    view.model().openSheet(GameMode::sitAndGo);
    view.sheet()->cancelButton()->setFocus(Qt::TabFocusReason);
    view.setTheme(TableTheme::standard());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_FALSE(view.sheet());
    EXPECT_FALSE(lobby.controller.hasTable());
    // The ring is back on the hero game's button: Return deals rather than opening the guide.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
}

TEST(HomeViewFocus, TheGuideTakesTheKeysAndGivesThemBackToItsButton) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.guideButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    PokerBasicsView* guide = home.view.guide();
    ASSERT_TRUE(guide);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(guide->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_FALSE(home.view.guide());
    EXPECT_EQ(QApplication::focusWidget(), home.view.guideButton());
}

TEST(HomeViewFocus, ATermPanelGivesTheKeysBackToItsQuestionMark) {
    LobbyHarness lobby;
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::cashTable);
    NewGameSheet* sheet = home.view.sheet();
    InfoButton* info = infoButton(sheet, Term::buyIn);
    ASSERT_TRUE(info);
    info->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(sheet->termPanel());
    EXPECT_EQ(QApplication::focusWidget(), sheet->termPanel()->gotItButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_FALSE(sheet->termPanel());
    EXPECT_EQ(QApplication::focusWidget(), info);
}

TEST(NewGameSheetLayout, EverySheetsRowsKeepClearOfEachOtherInThePopover) {
    for (const GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable}) {
        LobbyHarness lobby;
        ShownHome home(lobby);
        home.view.model().openSheet(mode);
        NewGameSheet* sheet = home.view.sheet();
        ASSERT_TRUE(sheet);
        QApplication::processEvents();
        QWidget* form = sheet->startButton()->parentWidget();
        std::vector<QRect> rows;
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(form) && child != sheet->stepper() && !child->isWindow())
                rows.push_back(child->geometry());
        }
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t j = i + 1; j < rows.size(); ++j)
                EXPECT_FALSE(rows[i].intersects(rows[j])) << int(mode) << ": rows " << i << " and " << j;
        if (sheet->stepper()) {
            // The count sits over the preview's corner and nowhere else.
            const QRect pill = sheet->stepper()->geometry();
            for (const QRect& row : rows) {
                if (!row.contains(pill)) {
                    EXPECT_FALSE(row.intersects(pill)) << int(mode);
                }
            }
        }
    }
    EXPECT_EQ(NewGameSheetModel::previewHeight(-20), 140);
    EXPECT_EQ(NewGameSheetModel::previewHeight(30), 110);
    EXPECT_EQ(NewGameSheetModel::previewHeight(90), 96);
}

// In the window the start button comes 8 under the last choice and the form sits in the middle of the
// window; in the popover the button rests at the foot, 18 in.
TEST(NewGameSheetLayout, TheStartButtonFollowsTheChoicesInTheWindowAndRestsAtTheFootInThePopover) {
    for (const bool window : {true, false}) {
        for (const GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable}) {
            SCOPED_TRACE(std::string(window ? "window " : "popover ") + toString(mode).data());
            LobbyHarness lobby;
            HomeView view(AppEnvironment{&lobby.state, &lobby.controller},
                          window ? TableSurface::window : TableSurface::popover, TableTheme::standard(),
                          window ? std::optional(HomeColumn::window) : std::nullopt);
            view.resize(window ? QSize(1100, 750) : QSize(420, 560));
            view.show();
            view.model().openSheet(mode);
            NewGameSheet* sheet = view.sheet();
            ASSERT_TRUE(sheet);
            QApplication::processEvents();
            const QRect start = sheet->startButton()->geometry();
            const QRect choices = sheet->difficultyPicker()->geometry();
            QWidget* form = sheet->form();
            if (window) {
                EXPECT_EQ(start.top() - (choices.bottom() + 1), 8);
                EXPECT_LE(std::abs(form->geometry().center().y() - sheet->rect().center().y()), 1);
                EXPECT_LE(form->height(), HomeColumn::window.height());
            } else {
                EXPECT_EQ(form->geometry(), sheet->rect());
                EXPECT_EQ(form->height() - (start.bottom() + 1), 18);
            }
        }
    }
    const QRect popover(0, 0, 420, 560);
    EXPECT_EQ(NewGameSheetModel::formFrame(popover, std::nullopt, 300), popover);
    const QRect window(0, 0, 1100, 750);
    EXPECT_EQ(NewGameSheetModel::formFrame(window, HomeColumn::window, 450), QRect(310, 150, 480, 450));
    EXPECT_EQ(NewGameSheetModel::formFrame(window, HomeColumn::window, 900), QRect(310, 55, 480, 640));
    EXPECT_EQ(NewGameSheetModel::formFrame(QRect(0, 0, 400, 500), HomeColumn::window, 600),
              QRect(0, 0, 400, 500));
}
