#include "Game/BotSeating.h"
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
#include "Views/Support/Announcer.h"

#include "Home/LobbyHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "Support/WidgetEvents.h"

#include <gtest/gtest.h>

using WidgetEvents::click;
using WidgetEvents::key;

namespace {

// A home on screen in the popover's size, active so its keys reach it.
struct ShownHome {
    explicit ShownHome(LobbyHarness& lobby, TableSurface surface = TableSurface::popover)
        : view(AppEnvironment{&lobby.state, &lobby.controller}, surface, TableTheme::standard()) {
        view.resize(420, 560);
        view.show();
        QApplication::setActiveWindow(&view);
    }
    HomeView view;
};

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
    key(home.view.column(), Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
    EXPECT_EQ(lobby.controller.setup()->mode(), GameMode::quickHand);
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

TEST(HomeViewHeader, NamesTheOtherSurfaceAndReadsTheBankrollAsOne) {
    LobbyHarness lobby;
    ShownHome popover(lobby);
    EXPECT_EQ(popover.view.surfaceButton()->toolTip(), "Open in Window");
    EXPECT_EQ(popover.view.bankroll()->amount(), "10,000");
    ShownHome window(lobby, TableSurface::window);
    EXPECT_EQ(window.view.surfaceButton()->toolTip(), "Back to Menu Bar");
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

TEST(NewGameSheetKeys, ReturnStartsOnlyWhenAffordableAndTabWalksTheControls) {
    LobbyHarness lobby;
    lobby.setBankroll(1999);
    ShownHome home(lobby);
    home.view.model().openSheet(GameMode::quickHand);
    NewGameSheet* sheet = home.view.sheet();
    ASSERT_TRUE(sheet);
    EXPECT_FALSE(sheet->startButton()->isEnabled());
    EXPECT_EQ(sheet->blockedLine()->text(), "Needs 2,000 chips. You have 1,999.");
    key(sheet, Qt::Key_Return);
    EXPECT_FALSE(lobby.controller.hasTable());

    lobby.setBankroll(2000);
    EXPECT_TRUE(sheet->startButton()->isEnabled());
    EXPECT_EQ(sheet->startButton()->title(), "Deal · 2,000");
    sheet->cancelButton()->setFocus();
    QWidget* first = QApplication::focusWidget();
    QSet<QWidget*> visited;
    for (int step = 0; step < 12; ++step) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    EXPECT_TRUE(visited.contains(sheet->stepper()->plusButton()));
    EXPECT_TRUE(visited.contains(sheet->handsPicker()->segments()[0]));
    EXPECT_TRUE(visited.contains(sheet->startButton()));
    (void)first;
    key(sheet, Qt::Key_Return);
    EXPECT_TRUE(lobby.controller.hasTable());
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
    EXPECT_FALSE(sheet->stepper()->plusButton()->isEnabled());
    EXPECT_EQ(sheet->startButton()->title(), "Sit Down · 1,000");
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
    click(sheet->stakePicker()->card(CashStakes::medium));
    EXPECT_EQ(lobby.state.choices().cashStakes, CashStakes::medium);
    EXPECT_EQ(sheet->lockedReason(), std::nullopt);
    EXPECT_EQ(sheet->messageLine()->text(), " ");
    EXPECT_EQ(sheet->startButton()->title(), "Sit Down · 3,000");
}
