// The tray icon's badge, chip count and spoken label, what a click does, and the right-click menu.
#include "Game/ControllerHarness.h"

#include "Persistence/Profile.h"
#include "StatusIcon.h"
#include "System/ScreenReaderStatus.h"
#include "System/StatusNotifierTray.h"
#include "Views/StatusMenu.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

TEST(StatusIconTitle, ShortensTheCountAndNeverRoundsUp) {
    const std::vector<std::pair<std::int64_t, QString>> cases{
        {999, "999"},     {1000, "1k"},     {1050, "1k"},      {1099, "1k"},
        {1100, "1.1k"},   {1250, "1.2k"},   {10000, "10k"},    {99999, "99.9k"},
        {100000, "100k"}, {123456, "123k"}, {1500000, "1.5M"},
    };
    for (const auto& [amount, title] : cases) {
        EXPECT_EQ(statusIconTitle(amount), title) << amount;
    }
    EXPECT_EQ(statusIconTitle(std::nullopt), "");
}

TEST(StatusIconLabel, NamesTheChipsAndTheTurn) {
    EXPECT_EQ(statusItemLabel(false, 10000), "Chipwhistle, 10,000 chips");
    EXPECT_EQ(statusItemLabel(true, 1480), "Chipwhistle, 1,480 chips, your turn");
    EXPECT_EQ(statusItemLabel(true, std::nullopt), "Chipwhistle, your turn");
    EXPECT_EQ(statusItemLabel(false, std::nullopt), "Chipwhistle");
}

struct IconStateTest : ::testing::Test {
    IconStateTest() {
        harness.controller.start(GameSetup::practice(PracticeSetup{}));
        profile.bankroll = 12345;
    }
    // Plays on until the player is to act.
    void untilHeroTurn() {
        int hands = 0;
        for (int i = 0; i < 200 && !harness.controller.isHeroTurn(); ++i) {
            if (!harness.controller.pauseReasons().empty()) {
                harness.controller.acknowledgePracticeStep();
                continue;
            }
            harness.stepOnce(checkOrCall, hands);
        }
        ASSERT_TRUE(harness.controller.isHeroTurn());
    }
    ControllerHarness harness;
    Profile profile;
};

TEST_F(IconStateTest, TheCountFollowsTheTableStackOnlyWhenAskedFor) {
    EXPECT_EQ(statusIconState(harness.controller, profile).stack, std::nullopt);
    profile.settings.showStackInMenuBar = true;
    EXPECT_EQ(statusIconState(harness.controller, profile).stack, harness.controller.heroChips());
    harness.controller.leaveTable();
    EXPECT_EQ(statusIconState(harness.controller, profile).stack, 12345) << "the bankroll in the lobby";
}

TEST_F(IconStateTest, TheBadgeShowsThePlayersTurnWhileHiddenButNotWhileTheNarrationWaits) {
    untilHeroTurn();
    EXPECT_FALSE(statusIconState(harness.controller, profile).badge) << "running: no badge";
    harness.controller.pause(PauseReason::practice);
    EXPECT_FALSE(statusIconState(harness.controller, profile).badge);
    harness.controller.pause(PauseReason::hidden);
    EXPECT_TRUE(statusIconState(harness.controller, profile).badge);
}

TEST(IconClick, RightClickOrControlOpensTheMenuAndAnythingElseToggles) {
    EXPECT_EQ(iconClickOutcome(IconEvent::rightMouseDown, false, true), IconClickOutcome::showMenu);
    EXPECT_EQ(iconClickOutcome(IconEvent::rightMouseUp, false, false), IconClickOutcome::showMenu);
    EXPECT_EQ(iconClickOutcome(IconEvent::leftMouseDown, true, true), IconClickOutcome::showMenu);
    EXPECT_EQ(iconClickOutcome(IconEvent::leftMouseDown, false, true), IconClickOutcome::toggleSurface);
    EXPECT_EQ(iconClickOutcome(std::nullopt, true, true), IconClickOutcome::toggleSurface)
        << "an activation without an event counts as a left click";
    EXPECT_EQ(iconClickOutcome(IconEvent::leftMouseDown, false, false), IconClickOutcome::showOnboarding);
}

TEST(IconClick, EventsAreNamedForTheLog) {
    EXPECT_EQ(iconEventName(std::nullopt), "none");
    EXPECT_EQ(iconEventName(IconEvent::leftMouseDown), "leftMouseDown");
    EXPECT_EQ(iconEventName(IconEvent::rightMouseUp), "rightMouseUp");
    EXPECT_EQ(iconEventName(IconEvent::keyDown), "keyDown");
    EXPECT_EQ(iconEventName(IconEvent::otherMouseDown), "type 25");
}

TEST(StatusMenu, OffersTheSurfaceALeftClickDoesNotOpen) {
    const auto menuBar = statusMenuItems(LaunchSurface::menuBar, LeftClick::reachesTheGame);
    ASSERT_EQ(menuBar.size(), 4u);
    EXPECT_EQ(menuBar[0], (StatusMenuItem{StatusMenuCommand::openWindow, "Open Window", ""}));
    EXPECT_EQ(menuBar[1], (StatusMenuItem{StatusMenuCommand::settings, "Settings…", "Ctrl+,"}));
    EXPECT_EQ(menuBar[2].command, StatusMenuCommand::separator);
    EXPECT_EQ(menuBar[3], (StatusMenuItem{StatusMenuCommand::quit, "Quit Chipwhistle", "Ctrl+Q"}));
    EXPECT_EQ(statusMenuItems(LaunchSurface::window, LeftClick::reachesTheGame)[0],
              (StatusMenuItem{StatusMenuCommand::showPopover, "Show Popover", ""}));
    // Where a left click opens only the menu, it offers the surface a click would open first, then the
    // other one.
    const StatusMenuItem popover{StatusMenuCommand::showPopover, "Show Popover", ""};
    const StatusMenuItem window{StatusMenuCommand::openWindow, "Open Window", ""};
    for (const auto& [opens, first, second] : {std::tuple{LaunchSurface::menuBar, popover, window},
                                               std::tuple{LaunchSurface::window, window, popover}}) {
        const auto items = statusMenuItems(opens, LeftClick::opensTheMenu);
        ASSERT_EQ(items.size(), 5u);
        EXPECT_EQ(items[0], first);
        EXPECT_EQ(items[1], second);
        EXPECT_EQ(std::vector(items.begin() + 2, items.end()),
                  std::vector(menuBar.begin() + 1, menuBar.end()));
    }
}

// A tray that draws menus keeps the one it was given: its items change in place with the surface a
// click opens, and each still runs its own command.
TEST(StatusMenu, ItsItemsFollowTheSurfaceInPlace) {
    std::optional<StatusMenuCommand> chosen;
    StatusMenu menu(statusMenuItems(LaunchSurface::menuBar, LeftClick::reachesTheGame),
                    [&](StatusMenuCommand command) { chosen = command; });
    const QList<QAction*> before = menu.actions();
    menu.setItems(statusMenuItems(LaunchSurface::window, LeftClick::reachesTheGame));
    ASSERT_EQ(menu.actions(), before) << "the same items";
    EXPECT_EQ(before[0]->text(), "Show Popover");
    EXPECT_EQ(before[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(before[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(StatusMenu::spokenName(before[1]), "Settings…, Ctrl+Comma");
    menu.popup({100, 100});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_EQ(chosen, StatusMenuCommand::showPopover);
}

// Which tray gets the menu to draw, and when the icon counts as up for the popover to open at launch.
TEST(TrayIcon, OnlyADrawingTrayGetsTheMenuAndEachTellsInItsOwnWayThatItTookTheIcon) {
    EXPECT_FALSE(trayDrawsTheMenu(TrayKind::embedding)) << "Qt would pop it up over ours";
    EXPECT_TRUE(trayDrawsTheMenu(TrayKind::statusNotifier));
    struct Row {
        TrayKind tray;
        bool shown;
        QRect frame;
        bool registered;
        bool up;
    };
    const Row rows[] = {
        {TrayKind::embedding, true, {1896, 4, 24, 24}, false, true},
        {TrayKind::embedding, true, {}, false, false},
        {TrayKind::embedding, false, {1896, 4, 24, 24}, false, false},
        {TrayKind::statusNotifier, true, {}, true, true},
        {TrayKind::statusNotifier, true, {}, false, false},
        {TrayKind::statusNotifier, false, {}, true, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(trayIconIsUp(row.tray, row.shown, row.frame, row.registered), row.up)
            << (row.tray == TrayKind::embedding ? "embedded, " : "drawn, ")
            << (row.shown ? "shown, " : "hidden, ") << (row.frame.isEmpty() ? "no frame, " : "a frame, ")
            << (row.registered ? "held" : "not held");
    }
}

// Each watcher keeps a registered icon in its own words; ours is found by the bus names Qt serves it on.
TEST(TrayIcon, TheWatcherHoldsOurIconByItsBusNameHoweverItWritesIt) {
    const QStringList ours{":1.15", "org.kde.StatusNotifierItem-4242-1"};
    struct Row {
        const char* watcher;
        QString item;
        std::optional<QString> name;
        bool held;
    };
    const Row rows[] = {
        {"Xfce", ":1.15/StatusNotifierItem", ":1.15", true},
        {"KDE, by the well-known name", "org.kde.StatusNotifierItem-4242-1/StatusNotifierItem",
         "org.kde.StatusNotifierItem-4242-1", true},
        {"GNOME Shell", ":1.15@/StatusNotifierItem", ":1.15", true},
        {"GNOME Shell, by the well-known name", "org.kde.StatusNotifierItem-4242-1",
         "org.kde.StatusNotifierItem-4242-1", true},
        {"another program's", ":1.150/StatusNotifierItem", ":1.150", false},
        {"another program's well-known name", "org.kde.StatusNotifierItem-4243-1/StatusNotifierItem",
         "org.kde.StatusNotifierItem-4243-1", false},
        {"a path alone", "/StatusNotifierItem", std::nullopt, false},
        {"empty", "", std::nullopt, false},
        {"garbage", "not a name at all", std::nullopt, false},
        {"a name of one word", "chipwhistle/StatusNotifierItem", std::nullopt, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.watcher);
        EXPECT_EQ(StatusNotifierTray::registeredBusName(row.item), row.name);
        EXPECT_EQ(StatusNotifierTray::holdsItemOn({":1.3/StatusNotifierItem", row.item}, ours), row.held);
    }
    EXPECT_FALSE(StatusNotifierTray::holdsItemOn({":1.15/StatusNotifierItem"}, {})) << "no names of ours";
}

// Readers hear nothing of a menu that opens with nothing held, and Qt reads an item by its title alone;
// anyone else gets the menu as menus open here, where Down then takes the first item.
TEST(StatusMenu, OpensOnItsFirstItemWhenAskedAndReadsEachItemWithItsShortcut) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held" : "nothing held");
        std::optional<StatusMenuCommand> chosen;
        StatusMenu menu(statusMenuItems(LaunchSurface::menuBar, LeftClick::reachesTheGame),
                        [&](StatusMenuCommand command) { chosen = command; });
        menu.open({100, 100}, held);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&menu);
        ASSERT_NE(reader, nullptr);
        ASSERT_EQ(reader->childCount(), 4);
        const QStringList read{"Open Window", "Settings…, Ctrl+Comma", "", "Quit Chipwhistle, Ctrl+Q"};
        for (int item = 0; item < 4; ++item) {
            EXPECT_EQ(reader->child(item)->text(QAccessible::Name), read[item]) << item;
            EXPECT_EQ(reader->child(item)->state().focused, held && item == 0) << item;
        }
        QTest::keyClick(&menu, Qt::Key_Down);
        EXPECT_TRUE(reader->child(held ? 1 : 0)->state().focused);
        QTest::keyClick(&menu, Qt::Key_Return);
        EXPECT_EQ(chosen, held ? StatusMenuCommand::settings : StatusMenuCommand::openWindow);
        EXPECT_FALSE(menu.isVisible());
    }
    // Held wherever a screen reader runs and nowhere else: not for another assistive program that turns
    // the accessibility bus on, and not by how the menu was asked for, which the program cannot tell.
    struct Row {
        const char* session;
        bool readerEnabled;
        QStringList clients;
        bool held;
    };
    const Row rows[] = {
        {"the desktop's reader switch on", true, {}, true},
        {"Orca started by hand", false, {"at-spi2-registr", "chipwhistle", "orca"}, true},
        {"an on-screen keyboard", false, {"at-spi2-registr", "onboard", "chipwhistle"}, false},
        {"a magnifier", false, {"kmag"}, false},
        {"a client whose name could not be read", false, {""}, false},
        {"a program merely named like a reader", false, {"orca-helper", "Orca"}, false},
        {"nothing but the game", false, {"chipwhistle"}, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(statusMenuHoldsFirstItem(ScreenReaderStatus::runs(row.readerEnabled, row.clients)),
                  row.held)
            << row.session;
    }
}

} // namespace
