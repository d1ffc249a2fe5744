// Showing the popover, closing it with a reason, and closing it on clicks elsewhere with the grace
// near the icon, in virtual time, with every log line the presentation writes.
#include "FakeSurfaceHost.h"
#include "Game/ControllerHarness.h"
#include "LogCapture.h"

#include "PopoverPresentation.h"
#include "SurfaceCoordinator.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace std::chrono_literals;

namespace {

// A popover that shows and hides at once, as a Qt tool window does, and reports both.
class FakePopover final : public PopoverSurface {
  public:
    bool hasStatusItem() const override { return statusItem; }
    bool isShown() const override { return shown; }
    bool isOnScreen() const override { return shown; }
    bool iconIsUp() const override { return statusItem && iconUp; }
    bool hasTheKeys() const override { return shown && keys; }
    QRect iconFrame() const override { return statusItem ? icon : QRect(); }
    QPoint cursor() const override { return pointer; }
    bool mouseButtonDown() const override { return buttonDown; }
    void show(PopoverStanding how) override {
        ++shows;
        shown = true;
        standing = how;
        if (presentation) {
            presentation->popoverDidShow();
        }
    }
    void close() override {
        if (!shown) {
            return;
        }
        shown = false;
        if (presentation) {
            presentation->popoverDidClose();
        }
    }
    void askForTheKeys() override {
        ++keyAsks;
        keys = true;
    }
    void watchOutsideClicks(bool on) override { watching = on; }
    void watchKeyPresses(bool on) override { watchingKeys = on; }
    QString activationState() const override { return QStringLiteral("active=true front=Chipwhistle"); }

    // Something other than the presentation hides the popover.
    void closeBehindItsBack() { close(); }
    // A key pressed anywhere, told as the X server tells it: only to a watch begun before the press.
    void pressKey() {
        if (watchingKeys && presentation) {
            presentation->keyPressed();
        }
    }

    PopoverPresentation* presentation = nullptr;
    bool statusItem = true;
    bool iconUp = true;
    bool shown = false;
    PopoverStanding standing = PopoverStanding::underTheIcon;
    // Whether the shown popover has the keys; another program's window over it takes them.
    bool keys = true;
    bool buttonDown = false;
    bool watching = false;
    bool watchingKeys = false;
    int shows = 0;
    int keyAsks = 0;
    QRect icon{1800, 0, 24, 24};
    QPoint pointer{400, 600};
};

struct PresentationTest : ::testing::Test {
    PresentationTest() { popover.presentation = &presentation; }

    ManualScheduler scheduler;
    ControllerHarness harness;
    SurfaceCoordinator coordinator{harness.controller};
    FakePopover popover;
    PopoverPresentation presentation{scheduler, popover, coordinator};
    LogCapture log;
};

TEST(OutsideClickRule, OnTheIconMeansWithinTwoPixelsOfItsFrame) {
    const QRect icon(100, 0, 20, 20);
    EXPECT_TRUE(OutsideClickRule::isOnIcon({98, 21}, icon));
    EXPECT_FALSE(OutsideClickRule::isOnIcon({97, 10}, icon));
    EXPECT_FALSE(OutsideClickRule::isOnIcon({110, 23}, icon));
    EXPECT_FALSE(OutsideClickRule::isOnIcon({0, 0}, QRect()));
}

TEST(OutsideClickRule, NearTheIconOrWithoutOneThePresentationWaits) {
    const QRect icon(100, 100, 20, 20);
    EXPECT_TRUE(OutsideClickRule::waitsForIconClick({40, 70}, icon));
    EXPECT_TRUE(OutsideClickRule::waitsForIconClick({179, 149}, icon));
    EXPECT_FALSE(OutsideClickRule::waitsForIconClick({39, 110}, icon));
    EXPECT_FALSE(OutsideClickRule::waitsForIconClick({110, 151}, icon));
    EXPECT_TRUE(OutsideClickRule::waitsForIconClick({900, 900}, QRect()));
}

TEST(FocusHandBackRule, TheFocusGoesBackOnlyWhenNothingElseTookIt) {
    constexpr std::uint32_t editor = 0x600007, popover = 0x400012, browser = 0x800003;
    using HandBack = FocusHandBackRule::HandBack;
    const HandBack toEditor{editor, "focus back to 0x600007"};
    const HandBack leftAlone{};
    const HandBack toNothing{std::nullopt,
                             "focus back to nothing: 0x600007, active before the popover, is gone"};
    struct Case {
        const char* what;
        std::optional<std::uint32_t> before, activeNow;
        bool ownWindowShowing = false, beforeIsStillThere = true;
        HandBack expected;
    };
    const Case cases[] = {
        {"nobody holds the focus", editor, std::nullopt, false, true, toEditor},
        {"the hidden popover still holds it", editor, popover, false, true, toEditor},
        {"the player clicked elsewhere", editor, browser, false, true, leftAlone},
        {"the window manager already gave it back", editor, editor, false, true, leftAlone},
        {"the table window or Settings takes it", editor, std::nullopt, true, true, leftAlone},
        {"nothing was active before", std::nullopt, std::nullopt, false, true, leftAlone},
        {"only the popover was", popover, std::nullopt, false, true, leftAlone},
        // The table window the popover took the place of has closed since.
        {"the window before is gone", editor, popover, false, false, toNothing},
        {"gone, and nobody holds the focus", editor, std::nullopt, false, false, toNothing},
        {"gone, and the player clicked elsewhere", editor, browser, false, false, leftAlone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FocusHandBackRule::decide(c.before, c.activeNow, popover, c.ownWindowShowing,
                                            c.beforeIsStillThere),
                  c.expected)
            << c.what;
    }
}

TEST_F(PresentationTest, ShowingStartsTheWatchAndChecksAgainAfterAThirdOfASecond) {
    EXPECT_TRUE(presentation.showPopover());
    EXPECT_TRUE(popover.watching);
    EXPECT_TRUE(coordinator.popoverShown());
    EXPECT_EQ(LogCapture::lines(), QStringList{"showPopover active=true front=Chipwhistle"});
    scheduler.advance(300ms);
    EXPECT_EQ(LogCapture::lines().last(),
              "popover +0.3 s: shown=true onScreen=true active=true front=Chipwhistle");
}

TEST_F(PresentationTest, ShowingAShownPopoverChangesNothing) {
    presentation.showPopover();
    LogCapture::lines().clear();
    EXPECT_TRUE(presentation.showPopover());
    EXPECT_EQ(popover.shows, 1);
    EXPECT_TRUE(LogCapture::lines().isEmpty());
}

TEST_F(PresentationTest, WithoutATrayIconThereIsNoPopover) {
    popover.statusItem = false;
    EXPECT_FALSE(presentation.showPopover());
    EXPECT_EQ(popover.shows, 0);
}

// The launch looks for the icon at once and up to 30 more times 0.1 s apart, whether it is to show the
// popover then or only later (after the first-run window, from the table window, at the shortcut).
// Where no tray takes the icon in that time the popover shows anyway, standing on its own; a test host
// without a tray icon shows nothing and says so.
TEST_F(PresentationTest, AtLaunchThePopoverWaitsForTheTrayAndStandsOnItsOwnWhereNoneTookTheIcon) {
    using namespace std::chrono;
    const QString neverUp = "launch: the tray icon never came up; the popover shows on its own";
    const QString neverUpYet = "launch: the tray icon never came up; a popover will show on its own";
    const QString waits = "ERROR launch: the tray icon never came up; the popover waits for a click";
    struct Row {
        const char* desktop;
        bool statusItem;
        // When a tray takes the icon; never without a value.
        std::optional<milliseconds> iconUpAfter;
        // The launch shows the popover; otherwise it only looks for the icon, and the popover is shown
        // later.
        bool showsAtLaunch;
        bool shown;
        PopoverStanding standing;
        QStringList launchLines;
    };
    constexpr auto onItsOwn = PopoverStanding::onItsOwn, underTheIcon = PopoverStanding::underTheIcon;
    const Row rows[] = {
        {"a tray", true, 0ms, true, true, underTheIcon, {}},
        {"a slow tray", true, 2500ms, true, true, underTheIcon, {}},
        {"no tray", true, std::nullopt, true, true, onItsOwn, {neverUp}},
        {"a tray, the launch showing no popover", true, 0ms, false, true, underTheIcon, {}},
        {"no tray, the launch showing no popover", true, std::nullopt, false, true, onItsOwn, {neverUpYet}},
        {"a test host without a tray icon", false, std::nullopt, true, false, underTheIcon, {waits}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.desktop);
        ManualScheduler rowScheduler;
        FakePopover rowPopover;
        PopoverPresentation rowPresentation{rowScheduler, rowPopover, coordinator};
        rowPopover.presentation = &rowPresentation;
        rowPopover.statusItem = row.statusItem;
        rowPopover.iconUp = row.iconUpAfter == 0ms;
        LogCapture::lines().clear();
        if (row.showsAtLaunch) {
            rowPresentation.showPopoverWhenIconIsUp(30);
        } else {
            rowPresentation.lookForTheIcon(30);
        }
        if (row.iconUpAfter > 0ms) {
            rowScheduler.advance(*row.iconUpAfter);
            rowPopover.iconUp = true;
        }
        // 30 further checks: the last at 3 s.
        rowScheduler.advance(2900ms - row.iconUpAfter.value_or(0ms));
        if (!row.iconUpAfter) {
            EXPECT_TRUE(LogCapture::lines().isEmpty());
            EXPECT_FALSE(rowPopover.shown);
        }
        rowScheduler.advance(100ms);
        if (!row.showsAtLaunch) {
            EXPECT_FALSE(rowPopover.shown);
            rowPresentation.showPopover();
        }
        EXPECT_EQ(rowPopover.shown, row.shown);
        EXPECT_EQ(rowPresentation.standing(), row.standing);
        EXPECT_EQ(rowPopover.standing, row.standing);
        EXPECT_EQ(rowPopover.watching, row.shown && row.standing == underTheIcon)
            << "only under the icon does the popover close when the player turns elsewhere";
        EXPECT_EQ(LogCapture::starting("launch: ") + LogCapture::starting("ERROR launch: "), row.launchLines);
        if (row.shown) {
            EXPECT_EQ(LogCapture::starting("showPopover").value(0),
                      row.standing == onItsOwn ? "showPopover on its own active=true front=Chipwhistle"
                                               : "showPopover active=true front=Chipwhistle");
        }
        rowScheduler.advance(1s);
        EXPECT_EQ(rowScheduler.pendingCount(), 0u) << "the launch looks no more";
        rowPresentation.closePopover("quit");
    }
}

// Standing on its own, the popover is a window the player turns from and back to, as any other: a click
// elsewhere, a switch to another program or to the game's table window leave it open. The shortcut and a
// second start bring it forward with the keys when it has not got them, and close it as ever when it has.
TEST_F(PresentationTest, OnItsOwnThePopoverStaysOpenWhileThePlayerIsElsewhere) {
    popover.iconUp = false;
    presentation.showPopoverWhenIconIsUp(30);
    scheduler.advance(3s);
    ASSERT_TRUE(popover.shown);
    ASSERT_EQ(popover.standing, PopoverStanding::onItsOwn);
    EXPECT_FALSE(presentation.bringForwardOnItsOwn()) << "it has the keys";
    const std::pair<const char*, std::function<void()>> turns[] = {
        {"a click in another program", [&] { presentation.pressInAnotherApp(); }},
        {"a switch to another program", [&] { presentation.applicationDeactivated(); }},
        {"a click in the table window", [&] { presentation.pressInOwnWindow("WindowRoot"); }},
        {"a switch with the pointer near where an icon would be",
         [&] {
             popover.pointer = {1790, 10};
             presentation.applicationDeactivated();
         }},
    };
    for (const auto& [turn, turnAway] : turns) {
        SCOPED_TRACE(turn);
        popover.keys = false;
        turnAway();
        scheduler.advance(1s);
        EXPECT_TRUE(popover.shown);
        EXPECT_FALSE(presentation.hasPendingClose());
        const int asked = popover.keyAsks;
        EXPECT_TRUE(presentation.bringForwardOnItsOwn()) << "the shortcut, or a second start";
        EXPECT_EQ(popover.keyAsks, asked + 1);
        EXPECT_TRUE(popover.keys);
        presentation.applicationActivated();
    }
    EXPECT_TRUE(LogCapture::starting("popover clos").isEmpty());
    EXPECT_TRUE(LogCapture::starting("popover stays").isEmpty());
    presentation.closePopover("Escape");
    EXPECT_EQ(LogCapture::lines().last(), "closePopover (Escape) → shown=false");
    EXPECT_FALSE(presentation.bringForwardOnItsOwn()) << "a closed popover shows again as asked";

    // Back in the place of Settings, it stands on its own as before, holding no keys against anyone.
    presentation.showPopover(PopoverShowing::inPlaceOfSettings);
    EXPECT_EQ(popover.standing, PopoverStanding::onItsOwn);
    EXPECT_FALSE(popover.watchingKeys);
    presentation.applicationDeactivated();
    EXPECT_TRUE(popover.shown);
    EXPECT_EQ(popover.keyAsks, 4);
}

// A tray that comes up after the launch's look is a tray from then on: the popover next shown stands
// under the icon and closes as the player turns elsewhere; the shortcut toggles it.
TEST_F(PresentationTest, ATrayThatTakesTheIconLateIsATrayFromThenOn) {
    popover.iconUp = false;
    presentation.showPopoverWhenIconIsUp(30);
    scheduler.advance(3s);
    ASSERT_EQ(popover.standing, PopoverStanding::onItsOwn);
    popover.iconUp = true;
    EXPECT_TRUE(popover.shown) << "a shown popover keeps standing as it was shown";
    presentation.closePopover("toggle");
    presentation.showPopover();
    EXPECT_EQ(popover.standing, PopoverStanding::underTheIcon);
    EXPECT_EQ(LogCapture::lines().last(), "showPopover active=true front=Chipwhistle");
    popover.keys = false;
    EXPECT_FALSE(presentation.bringForwardOnItsOwn());
    presentation.applicationDeactivated();
    EXPECT_FALSE(popover.shown);
    EXPECT_EQ(LogCapture::lines().last(), "closePopover (switched to another app) → shown=false");
}

TEST_F(PresentationTest, AtLaunchThePopoverOpensOnceTheIconComesUp) {
    popover.iconUp = false;
    presentation.showPopoverWhenIconIsUp(30);
    scheduler.advance(500ms);
    popover.iconUp = true;
    scheduler.advance(100ms);
    EXPECT_TRUE(popover.shown);
    scheduler.advance(5s);
    EXPECT_TRUE(LogCapture::starting("ERROR").isEmpty());
}

TEST_F(PresentationTest, AtLaunchThePopoverWaitsUntilTheTrayHasMovedTheIconIntoPlace) {
    // The tray shows the new icon at the screen's corner first, then moves it into its row.
    popover.icon = QRect(0, 0, 22, 22);
    presentation.showPopoverWhenIconIsUp(30);
    EXPECT_FALSE(popover.shown);
    popover.icon = QRect(1417, 1, 22, 26);
    scheduler.advance(100ms);
    EXPECT_FALSE(popover.shown);
    scheduler.advance(100ms);
    EXPECT_TRUE(popover.shown);
    EXPECT_EQ(popover.shows, 1);
    EXPECT_EQ(scheduler.pendingCount(), 1u); // only the check a third of a second after showing
}

TEST_F(PresentationTest, ARequestedCloseIsLoggedWithItsReason) {
    presentation.showPopover();
    presentation.closePopover("toggle");
    EXPECT_FALSE(popover.watching);
    EXPECT_FALSE(coordinator.popoverShown());
    EXPECT_EQ(LogCapture::lines().mid(1),
              (QStringList{"popover closed (toggle)", "closePopover (toggle) → shown=false"}));
    EXPECT_FALSE(presentation.closeReason());
}

TEST_F(PresentationTest, ACloseNobodyAskedForIsAnErrorWithTheCallStack) {
    presentation.showPopover();
    popover.closeBehindItsBack();
    const QStringList errors = LogCapture::starting("ERROR popover closed by something else active=true");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains('\n'));
}

TEST_F(PresentationTest, AReasonGivenWhileHiddenDoesNotExcuseALaterUnrequestedClose) {
    presentation.closePopover("Settings");
    EXPECT_FALSE(presentation.closeReason());
    presentation.showPopover();
    popover.closeBehindItsBack();
    EXPECT_EQ(LogCapture::starting("ERROR popover closed by something else").size(), 1);
    EXPECT_TRUE(LogCapture::starting("popover closed (Settings)").isEmpty());
}

TEST_F(PresentationTest, AClickFarAwayClosesAtOnce) {
    presentation.showPopover();
    presentation.pressInAnotherApp();
    EXPECT_FALSE(popover.shown);
    EXPECT_EQ(LogCapture::starting("popover closing now: ").first(),
              "popover closing now: a click in another app");
    EXPECT_EQ(LogCapture::lines().last(), "closePopover (a click in another app) → shown=false");
}

TEST_F(PresentationTest, AClickNearTheIconClosesAfterTheGraceUnlessTheIconIsClicked) {
    presentation.showPopover();
    popover.pointer = {1780, 40};
    presentation.pressInAnotherApp();
    EXPECT_TRUE(popover.shown);
    EXPECT_EQ(LogCapture::starting("popover will close").first(),
              "popover will close: a click in another app (mouse {1780, 40}, icon {{1800, 0}, {24, 24}})");
    presentation.pressInAnotherApp();
    EXPECT_EQ(LogCapture::starting("popover will close").size(), 1) << "one close pending at a time";
    scheduler.advance(199ms);
    EXPECT_TRUE(popover.shown);
    scheduler.advance(1ms);
    EXPECT_FALSE(popover.shown);

    presentation.showPopover();
    presentation.pressInAnotherApp();
    scheduler.advance(100ms);
    EXPECT_TRUE(presentation.cancelPendingClose());
    scheduler.advance(1s);
    EXPECT_TRUE(popover.shown);
    EXPECT_FALSE(presentation.cancelPendingClose());
}

TEST_F(PresentationTest, AClickOnTheIconItselfOrInItsMenuNeverStartsAClose) {
    presentation.showPopover();
    popover.pointer = {1801, 25};
    presentation.pressInAnotherApp();
    presentation.pressInOwnWindow("QSystemTrayIconSys");
    EXPECT_FALSE(presentation.hasPendingClose());
    EXPECT_TRUE(popover.shown);
    // The icon's menu, open over the popover: what is chosen there is the player's next step with it.
    for (const QPoint pointer : {QPoint(1790, 60), QPoint(900, 700)}) {
        popover.pointer = pointer;
        presentation.pressInOwnWindow("StatusMenu", PopoverPresentation::OwnWindow::menu);
        EXPECT_FALSE(presentation.hasPendingClose());
        EXPECT_TRUE(popover.shown);
    }
    // A tray that draws the menu itself: the press on its icon is another program's, its menu takes the
    // keys from the popover the player had turned to, and a choice in it is a press in another program.
    // Whatever the order the first two come in, the popover stays; once the program has the keys back,
    // a switch is a switch again.
    for (const bool lossFirst : {false, true}) {
        SCOPED_TRACE(lossFirst ? "the loss of the keys before the menu's opening" : "the opening first");
        presentation.showPopover();
        presentation.playerTurnedToPopover();
        popover.pointer = {1790, 12};
        presentation.pressInAnotherApp();
        if (lossFirst) {
            presentation.applicationDeactivated();
            presentation.trayMenuOpening();
        } else {
            presentation.trayMenuOpening();
            presentation.applicationDeactivated();
        }
        scheduler.advance(1s);
        EXPECT_TRUE(popover.shown);
        popover.pointer = {1700, 80};
        presentation.pressInAnotherApp();
        scheduler.advance(1s);
        EXPECT_TRUE(popover.shown) << "a choice in the tray's menu";
        EXPECT_EQ(popover.keyAsks, 0);
        presentation.applicationActivated();
        popover.pointer = {400, 600};
        presentation.applicationDeactivated();
        EXPECT_FALSE(popover.shown) << "a switch after the menu closed";
    }
}

TEST_F(PresentationTest, AClickInTheTableWindowNamesIt) {
    presentation.showPopover();
    presentation.pressInOwnWindow("WindowRoot");
    EXPECT_EQ(LogCapture::lines().last(),
              "closePopover (a click in another window (WindowRoot)) → shown=false");
    presentation.showPopover();
    presentation.pressInOwnWindow("");
    EXPECT_EQ(LogCapture::lines().last(), "closePopover (a click in another window (none)) → shown=false");
}

TEST_F(PresentationTest, SwitchingAwayClosesUnlessThePointerPressesTheIcon) {
    presentation.showPopover();
    presentation.playerTurnedToPopover(); // the Alt of Alt+Tab
    popover.pointer = {1810, 10};
    popover.buttonDown = true;
    presentation.applicationDeactivated();
    EXPECT_TRUE(popover.shown);
    popover.buttonDown = false;
    presentation.applicationDeactivated();
    EXPECT_TRUE(presentation.hasPendingClose()) << "resting near the icon waits";
    scheduler.advance(200ms);
    EXPECT_EQ(LogCapture::lines().last(), "closePopover (switched to another app) → shown=false");
}

// On a busy desktop the focus can take long enough passing from the icon to the popover that the
// program looks inactive for a moment: that is no switch to another app.
TEST_F(PresentationTest, ActiveAgainWithinTheGraceKeepsThePopoverButNotAfterAClick) {
    presentation.showPopover();
    presentation.playerTurnedToPopover();
    popover.pointer = {1810, 30};
    presentation.applicationDeactivated();
    scheduler.advance(100ms);
    presentation.applicationActivated();
    scheduler.advance(1s);
    EXPECT_TRUE(popover.shown);
    EXPECT_EQ(LogCapture::starting("popover stays").value(0), "popover stays: the program is active again");

    presentation.pressInAnotherApp();
    presentation.applicationDeactivated();
    presentation.applicationActivated();
    scheduler.advance(200ms);
    EXPECT_FALSE(popover.shown) << "a click near the icon still closes after the grace";

    presentation.showPopover();
    presentation.playerTurnedToPopover();
    presentation.applicationDeactivated();
    presentation.pressInAnotherApp();
    presentation.applicationActivated();
    scheduler.advance(200ms);
    EXPECT_FALSE(popover.shown) << "a click while the switch waits is not lost";
    EXPECT_EQ(LogCapture::starting("popover will close: a click").size(), 2);

    presentation.showPopover();
    presentation.playerTurnedToPopover();
    presentation.applicationActivated();
    presentation.applicationDeactivated();
    scheduler.advance(200ms);
    EXPECT_FALSE(popover.shown) << "a switch that lasts closes after the grace";
}

// A loss of the keys is the player's switch to another app, however it came (a launcher's key, a
// program raising its own window): the popover closes and never takes them back. Only the popover
// that comes back in closed Settings' place stays for the window manager's own move on from the closed
// window, right after the popover first has the keys, and only while the player has pressed nothing.
TEST_F(PresentationTest, ALossOfTheKeysClosesThePopoverSaveTheManagersMoveOnFromClosedSettings) {
    const auto lose = [this] { presentation.applicationDeactivated(); };
    const auto regain = [this] { presentation.applicationActivated(); };
    const auto hasKeys = [this] { presentation.popoverHasTheKeys(); };
    const auto wait = [this](Scheduler::Duration time) { return [this, time] { scheduler.advance(time); }; };
    using Steps = std::vector<std::function<void()>>;
    const auto pressKey = [this] { popover.pressKey(); };
    struct Row {
        const char* what;
        PopoverShowing showing;
        Steps steps;
        bool staysShown;
        int keyAsks;
        QString closedBy = "switched to another app";
    };
    const PopoverShowing asked = PopoverShowing::asked, settings = PopoverShowing::inPlaceOfSettings;
    const Row rows[] = {
        {"shown at launch, nothing pressed in it, another program activated",
         asked,
         {hasKeys, lose},
         false,
         0},
        {"shown asked for, the loss before it had the keys", asked, {lose}, false, 0},
        {"in Settings' place: the manager's moves just after it had the keys",
         settings,
         {hasKeys, lose, regain, lose, regain, lose, regain},
         true,
         3},
        {"in Settings' place: a manager that keeps the keys elsewhere is not fought for ever",
         settings,
         {hasKeys, lose, regain, lose, regain, lose, regain, lose},
         false,
         3},
        {"in Settings' place: the loss Settings' closing brought before it had the keys",
         settings,
         {lose},
         true,
         1},
        {"in Settings' place: the moment counts from when it first has the keys",
         settings,
         {wait(5s), hasKeys, wait(PopoverPresentation::managerMoveWindow - 1ms), lose},
         true,
         1},
        {"in Settings' place: a switch once the moment has passed",
         settings,
         {hasKeys, wait(PopoverPresentation::managerMoveWindow), lose},
         false,
         0},
        {"in Settings' place: a switch after the manager's move, once the moment has passed",
         settings,
         {hasKeys, lose, regain, wait(PopoverPresentation::managerMoveWindow), lose},
         false,
         1},
        {"in Settings' place: the keys again later do not start the moment again",
         settings,
         {hasKeys, wait(PopoverPresentation::managerMoveWindow), regain, hasKeys, lose},
         false,
         0},
        {"in Settings' place: a switch after a press in it",
         settings,
         {hasKeys, [this] { presentation.playerTurnedToPopover(); }, lose},
         false,
         0},
        {"in Settings' place: a key another program took for itself, then that program activated",
         settings,
         {hasKeys, pressKey, lose},
         false,
         0},
        {"in Settings' place: a key pressed before it had the keys, then a switch",
         settings,
         {pressKey, hasKeys, lose},
         false,
         0},
        {"in Settings' place: a click into another program by the icon, then its loss of the keys",
         settings,
         {hasKeys,
          [this] {
              popover.pointer = {1780, 40};
              presentation.pressInAnotherApp();
          },
          lose},
         false,
         0,
         "a click in another app"},
        {"in Settings' place again after Settings closed by a key: the manager's move",
         settings,
         {[this] {
              presentation.closePopover("Settings");
              EXPECT_FALSE(popover.watchingKeys) << "keys watched while Settings are open";
          },
          pressKey, [this] { presentation.showPopover(PopoverShowing::inPlaceOfSettings); }, hasKeys, lose,
          regain},
         true,
         1},
        {"in Settings' place, no key watched once the moment has passed",
         settings,
         {hasKeys, wait(PopoverPresentation::managerMoveWindow),
          [this] { EXPECT_FALSE(popover.watchingKeys); }},
         true,
         0},
        {"in Settings' place, closed and shown again by the icon",
         settings,
         {[this] { presentation.closePopover("toggle"); }, [this] { presentation.showPopover(); }, hasKeys,
          lose},
         false,
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        presentation.closePopover("toggle");
        presentation.applicationActivated();
        popover.keyAsks = 0;
        popover.pointer = {400, 600};
        LogCapture::lines().clear();
        presentation.showPopover(row.showing);
        for (const auto& step : row.steps) {
            step();
        }
        scheduler.advance(1s);
        EXPECT_EQ(popover.shown, row.staysShown);
        EXPECT_EQ(popover.keyAsks, row.keyAsks);
        if (row.keyAsks > 0) {
            EXPECT_EQ(LogCapture::starting("popover stays: the keys").value(0),
                      "popover stays: the keys moved on from closed Settings; asking for them again");
        }
        if (!row.staysShown) {
            EXPECT_TRUE(LogCapture::lines().contains("popover closed (" + row.closedBy + ")"));
        }
        EXPECT_FALSE(popover.watchingKeys && !popover.shown) << "keys watched for a hidden popover";
    }
}

// A tray's own menu holds the popover open only while it is open: once it has closed, whether it ever
// took the keys or not, a switch or a click elsewhere closes the popover again. Closed with the keys
// elsewhere, it leaves a switch, which the choice made in the menu or the keys coming back overtake.
TEST_F(PresentationTest, TheTraysMenuHoldsThePopoverOnlyWhileItIsOpen) {
    const auto open = [this] { presentation.trayMenuOpening(); };
    const auto closed = [this] { presentation.trayMenuClosed(); };
    const auto lose = [this] { presentation.applicationDeactivated(); };
    const auto regain = [this] { presentation.applicationActivated(); };
    const auto click = [this] { presentation.pressInAnotherApp(); };
    using Steps = std::vector<std::function<void()>>;
    struct Row {
        const char* what;
        Steps steps;
        // The close reason once a second has passed; empty while the popover stays.
        QString closedBy;
    };
    const Row rows[] = {
        {"asked for, its menu never took the keys, then a switch",
         {open, closed, lose},
         "switched to another app"},
        {"asked for and closed, then a click elsewhere", {open, closed, click}, "a click in another app"},
        {"dismissed into another program", {open, lose, closed}, "switched to another app"},
        {"dismissed into another program, then a click there",
         {open, lose, closed, click},
         "a click in another app"},
        {"still open after a click", {open, lose, click}, ""},
        {"Settings chosen in it, which closes first",
         {open, lose, closed, [this] { presentation.closePopover("Settings"); }},
         "Settings"},
        {"closed with Escape, the keys back in the popover", {open, lose, closed, regain}, ""},
        {"closed once the keys were back", {open, lose, regain, closed}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        presentation.closePopover("toggle");
        presentation.applicationActivated();
        LogCapture::lines().clear();
        presentation.showPopover();
        presentation.playerTurnedToPopover();
        for (const auto& step : row.steps) {
            step();
        }
        scheduler.advance(1s);
        EXPECT_EQ(popover.shown, row.closedBy.isEmpty());
        EXPECT_EQ(LogCapture::starting("popover closed (").value(0),
                  row.closedBy.isEmpty() ? QString() : "popover closed (" + row.closedBy + ")");
    }
}

TEST_F(PresentationTest, NothingIsWatchedOrClosedWhileHidden) {
    presentation.pressInAnotherApp();
    presentation.applicationDeactivated();
    presentation.closeForOutsideClick("x");
    EXPECT_TRUE(LogCapture::lines().isEmpty());
    EXPECT_FALSE(popover.watching);
}

TEST_F(PresentationTest, AGivenWaitDecidesByItself) {
    presentation.showPopover();
    presentation.closeForOutsideClick("test", true);
    EXPECT_TRUE(presentation.hasPendingClose());
    presentation.cancelPendingClose();
    presentation.closeForOutsideClick("test", false);
    EXPECT_FALSE(popover.shown);
}

} // namespace
