// The real program on a private X display with a tray: the icon, the popover under it and its
// closing, the menu, the window, the hotkey, one program per user, a restart after a kill, and quit.
// Skipped, saying why, when the display, the tray or xdotool cannot start.
#include "Desktop.h"
#include "FakeStatusNotifierWatcher.h"
#include "Shell/FakeSettingsPortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

struct TrayTest : DesktopTest {
    QList<QRect> popovers() const { return desktop->windows(popoverSize); }
    // Where a player clicks "Settings…" in the menu at `menu`: its second item, which spans the middle,
    // the separator above "Quit Chipwhistle" being thinner than an item.
    static QPoint settingsItem(QRect menu) { return menu.center(); }
};

// A tray that speaks StatusNotifierItem, played by the test: a watcher on a private session bus, which a
// game started with session() registers its icon with and the test reaches the game on, as a panel does.
// `whyNot` says why it could not start; empty when it runs.
struct StatusNotifierTray {
    // The watcher lists icons as `itemForm` says (see FakeStatusNotifierWatcher::start).
    explicit StatusNotifierTray(const QString& itemForm = QStringLiteral("{name}"))
        : bus(PrivateBus::start(whyNot)) {
        if (!bus) {
            return;
        }
        watcher = FakeStatusNotifierWatcher::start(answering, itemForm);
        if (!watcher->serve(bus->connect("watcher"))) {
            whyNot = "the watcher could not take its name";
        }
    }
    ~StatusNotifierTray() {
        answering.quit();
        answering.wait();
    }
    QProcessEnvironment session() const {
        QProcessEnvironment environment;
        environment.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());
        return environment;
    }
    // Waits for a game's icon to register.
    bool holdsAnIcon() const {
        return waitUntil([&] { return watcher->item().has_value(); });
    }

    QString whyNot;
    std::unique_ptr<PrivateBus> bus;
    QThread answering;
    FakeStatusNotifierWatcher* watcher = nullptr;
};

TEST_F(TrayTest, TheIconComesUpAndAClickOpensThePopoverUnderIt) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the tray";
    EXPECT_TRUE(game->waitForLine("launch: atLogin=true onboarded=true opensIn=menuBar"))
        << game->lines().join('\n').toStdString();
    EXPECT_TRUE(popovers().isEmpty()) << "a start at login shows nothing";

    ASSERT_TRUE(clickTheIcon(*game)) << game->lines().join('\n').toStdString();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1);
    const QRect popover = popovers().front();
    EXPECT_GE(popover.top(), icon().bottom());
    EXPECT_LE(popover.top(), icon().bottom() + 8);
    EXPECT_EQ(popover.right(), 1919) << "kept on screen under an icon at the right edge";
    QThread::msleep(300);
    EXPECT_TRUE(desktop->screenshot("xvfb-popover", popover.united(icon()).adjusted(-120, 0, 0, 20)));

    const int before = game->lineCount();
    click(icon().center());
    EXPECT_TRUE(game->waitForLine("popover closed (toggle)", loadedMachineWait, before))
        << game->lines().join('\n').toStdString();
}

TEST_F(TrayTest, AClickFarAwayClosesAtOnceAndOneNearTheIconAfterTheGrace) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover")) << "an ordinary start shows the popover";
    const auto log = [&] { return game->lines().join('\n').toStdString(); };
    int before = game->lineCount();
    click({300, 900});
    EXPECT_TRUE(game->waitForLine("popover closing now: a click in another app", loadedMachineWait, before))
        << log();

    click(icon().center());
    ASSERT_TRUE(game->waitForLine("showPopover", loadedMachineWait, before)) << log();
    before = game->lineCount();
    click(icon().center() - QPoint(40, 0));
    EXPECT_TRUE(game->waitForLine("popover will close: a click in another app", loadedMachineWait, before))
        << log();
    EXPECT_TRUE(game->waitForLine("popover closed (a click in another app)", loadedMachineWait, before))
        << log();
}

TEST_F(TrayTest, TheMenuOpensTheWindowWhichClosesBackToTheTray) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(openWindowFromTheMenu(*game)) << "the table window at its first size";
    QThread::msleep(300);
    EXPECT_TRUE(desktop->screenshot("xvfb-window", desktop->windows(windowSize).front()));
    EXPECT_TRUE(game->waitForLine("policy → regular"));

    // Closing the window leaves the game in the tray.
    const int before = game->lineCount();
    click(icon().center());
    EXPECT_TRUE(game->waitForLine("focusWindow", loadedMachineWait, before))
        << "a click with the window open focuses it";
    EXPECT_TRUE(desktop->closeWindow(desktop->windows(windowSize).value(0)));
    EXPECT_TRUE(game->waitForLine("policy → accessory", loadedMachineWait, before))
        << "the window closed\n"
        << game->lines().mid(before).join('\n').toStdString();
    EXPECT_EQ(game->waitForExit(1000), std::nullopt) << "the game stays in the tray";
    EXPECT_TRUE(desktop->windows(windowSize).isEmpty());
    EXPECT_TRUE(desktop->trayIcon());
}

TEST_F(TrayTest, TheHotkeyTogglesThePopover) {
    auto game = startGame({"--launched-at-login"}, true);
    ASSERT_TRUE(desktop->trayIcon());
    QThread::msleep(300);
    desktop->xdotool({"key", "ctrl+shift+p"});
    ASSERT_TRUE(game->waitForLine("hotkey popover=false")) << game->lines().join('\n').toStdString();
    EXPECT_TRUE(game->waitForLine("showPopover"));
    const int before = game->lineCount();
    desktop->xdotool({"key", "ctrl+shift+p"});
    EXPECT_TRUE(game->waitForLine("hotkey popover=true", loadedMachineWait, before));
    EXPECT_TRUE(game->waitForLine("popover closed (toggle)", loadedMachineWait, before));
}

TEST_F(TrayTest, AKeyAnotherProgramHoldsIsNotTaken) {
    auto holder = startGame({"--launched-at-login"}, true);
    ASSERT_TRUE(holder->waitForLine("launch:"));
    // A second player's game on the same display (another home, so not the same program) comes too late.
    QTemporaryDir otherHome;
    writeProfile(otherHome.path(), true, true);
    GameProcess late(*desktop, otherHome.path(), {"--launched-at-login"});
    ASSERT_TRUE(late.waitForLine("launch:"));
    QThread::msleep(500);
    desktop->xdotool({"key", "ctrl+shift+p"});
    EXPECT_TRUE(holder->waitForLine("hotkey popover=false"));
    EXPECT_FALSE(late.waitForLine("hotkey", 1000)) << "the refused grab never fires";
}

// While the recorder waits, every combination comes to it: one another program holds is refused, and
// the shortcut in force is recorded rather than acted on.
TEST_F(TrayTest, TheShortcutRecorderTakesEveryCombinationWhileItWaits) {
    auto game = startGame({"--launched-at-login"});
    const auto stored = [&](const char* shortcut) {
        QFile profile(dataFolder(home.path()) + "/profile.json");
        return profile.open(QIODevice::ReadOnly) && profile.readAll().contains(shortcut);
    };
    const char* controlAltJ = R"("key":"J","keyCode":38,"option":true,"shift":false)";

    // Settings opens from our icon before the other program's icon joins the tray and moves it.
    ASSERT_TRUE(chooseFromTheMenu(*game, {"Down", "Down", "Return"}));
    ASSERT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }));
    QTemporaryDir otherHome;
    writeProfile(otherHome.path(), true, true);
    GameProcess holder(*desktop, otherHome.path(), {"--launched-at-login"});
    ASSERT_TRUE(holder.waitForLine("launch:"));
    QThread::msleep(700);
    // "Global shortcut" is the ninth control of Settings and the recorder the tenth.
    for (int control = 1; control < 9; ++control)
        desktop->xdotool({"key", "Tab"});
    desktop->xdotool({"key", "space", "Tab", "space"});
    QThread::msleep(300);
    desktop->xdotool({"key", "ctrl+shift+p"});
    EXPECT_FALSE(holder.waitForLine("hotkey", 1500)) << "the other program's shortcut does not act";
    desktop->xdotool({"key", "ctrl+alt+j"});
    EXPECT_TRUE(waitUntil([&] { return stored(controlAltJ); })) << "recording went on after the refusal";

    const int before = game->lineCount();
    // The keyboard is held once the recorder has seen Space go up.
    desktop->xdotool({"key", "space"});
    QThread::msleep(300);
    desktop->xdotool({"key", "ctrl+alt+j"});
    EXPECT_FALSE(game->waitForLine("hotkey", 1500, before))
        << "the shortcut in force is recorded, not acted on";
    desktop->xdotool({"key", "ctrl+alt+j"});
    EXPECT_TRUE(game->waitForLine("hotkey popover=", loadedMachineWait, before)) << "recorded, and in force";
}

TEST_F(TrayTest, ASecondStartReopensTheFirstAndEnds) {
    auto first = startGame({"--launched-at-login"});
    ASSERT_TRUE(first->waitForLine("launch:"));
    GameProcess second(*desktop, home.path());
    EXPECT_EQ(second.waitForExit(loadedMachineWait), 0);
    EXPECT_TRUE(first->waitForLine("showPopover")) << "the first one came forward";
    EXPECT_TRUE(second.lines().isEmpty()) << "the second never launched";
}

TEST_F(TrayTest, AKilledGameResumesTheSameHandAfterARestart) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    QThread::msleep(300);
    const QRect popover = popovers().value(0);
    // The lobby's hero button: Deal for a new player, Resume with a saved game; both cross this line.
    click({popover.center().x(), popover.top() + 274});
    const QString saved = dataFolder(home.path()) + "/savedgame.json";
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(saved); })) << "a Quick Hand was started and saved";
    QFile before(saved);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const auto stateBefore = nlohmann::json::parse(before.readAll().toStdString());
    game->kill();

    game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    QThread::msleep(300);
    click({popover.center().x(), popover.top() + 274});
    // Read at once, before a bot's pace has passed: the hand is exactly as it was restored.
    QThread::msleep(300);
    QFile after(saved);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    const auto stateAfter = nlohmann::json::parse(after.readAll().toStdString());
    ASSERT_TRUE(stateBefore.contains("state"));
    EXPECT_EQ(stateAfter["state"]["handNumber"], stateBefore["state"]["handNumber"]);
    const auto& seats = stateBefore["state"]["seats"];
    ASSERT_EQ(stateAfter["state"]["seats"].size(), seats.size());
    for (std::size_t seat = 0; seat < seats.size(); ++seat) {
        EXPECT_EQ(stateAfter["state"]["seats"][seat]["holeCards"], seats[seat]["holeCards"])
            << "seat " << seat;
    }
}

TEST_F(TrayTest, QuitEndsTheGameWithSuccess) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(chooseFromTheMenu(*game, {"Up", "Return"}));
    EXPECT_EQ(game->waitForExit(loadedMachineWait), 0);
}

// Settings opened from the popover by keys close it, and closed, bring it back with the keys, which
// no window manager is here to do: Ctrl+Q then reaches it.
TEST_F(TrayTest, ControlQInThePopoverQuits) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    QThread::msleep(500);
    const int opening = game->lineCount();
    desktop->xdotool({"key", "ctrl+comma"});
    ASSERT_TRUE(game->waitForLine("closePopover (Settings)", 20000, opening));
    ASSERT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }));
    QThread::msleep(700);
    const int closing = game->lineCount();
    desktop->xdotool({"key", "ctrl+w"});
    ASSERT_TRUE(game->waitForLine("showPopover", 20000, closing))
        << game->lines().mid(closing).join('\n').toStdString();
    EXPECT_TRUE(waitUntil([&] { return !desktop->windowTree().contains("\"Chipwhistle Settings\""); }));
    QThread::msleep(500);
    desktop->xdotool({"key", "ctrl+q"});
    EXPECT_EQ(game->waitForExit(loadedMachineWait), 0);
}

// "Settings…" clicked in the tray's menu over the popover is the player's next step with it, not a click
// elsewhere: Settings take the popover's place and, closed, bring it back, as the same choice by keys does.
// With no window manager to give them, the keys come back with it: Escape then reaches it.
TEST_F(TrayTest, SettingsClickedInTheMenuOverThePopoverBringItBackWhenClosed) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    const auto chooseSettings = [&] {
        QString seen;
        const auto menu = openTheMenu(seen);
        ASSERT_TRUE(menu) << seen.toStdString();
        click(settingsItem(*menu));
    };
    const auto press = [](const char* keys) { return [keys] { desktop->xdotool({"key", keys}); }; };
    // The first row has the popover as the game opened it, with the keys; the others open it again
    // from the icon.
    const std::tuple<const char*, std::function<void()>, std::function<void()>> rows[] = {
        {"Ctrl+, then Escape", press("ctrl+comma"), press("Escape")},
        {"the menu, then Ctrl+W", chooseSettings, press("ctrl+w")},
        {"the menu, then the close button", chooseSettings,
         [] { desktop->closeWindowTitled("Chipwhistle Settings"); }},
    };
    for (const auto& [how, open, close] : rows) {
        const int opening = game->lineCount();
        const auto said = [&] { return game->lines().mid(opening).join('\n').toStdString(); };
        if (how != std::get<0>(rows[0])) {
            ASSERT_TRUE(clickTheIcon(*game)) << how;
            ASSERT_TRUE(game->waitForLine("showPopover", loadedMachineWait, opening)) << how << said();
        }
        QThread::msleep(500);
        open();
        ASSERT_TRUE(game->waitForLine("closePopover (Settings)", loadedMachineWait, opening))
            << how << said();
        ASSERT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }));
        QThread::msleep(700);
        const int closing = game->lineCount();
        close();
        EXPECT_TRUE(game->waitForLine("showPopover", loadedMachineWait, closing)) << how << said();
        EXPECT_EQ(waitForWindows(popoverSize).size(), 1) << desktop->shown().toStdString();
        QThread::msleep(1000);
        desktop->xdotool({"key", "Escape"});
        ASSERT_TRUE(game->waitForLine("popover closed (Escape)", loadedMachineWait / 3, closing))
            << how << ": the keys never reached the popover; the game said:\n"
            << said();
    }
}

// A desktop with the tray and screens a test names, brought up anew only when the last test's differed.
struct TrayDesktopTest : DesktopTest {
    static void SetUpTestSuite() {}
    void bringUp(TrayHost trayKind, Screens layout) {
        if (tray != trayKind || screens != layout || (!desktop && !startFailed)) {
            TearDownTestSuite();
            startDesktop({}, trayKind, layout);
        }
        DesktopTest::SetUp();
    }
    QList<QRect> popovers() const { return desktop->windows(popoverSize); }
    std::string said(GameProcess& game, int from = 0) const {
        return (desktop->shown() + "\nthe game said:\n" + game.lines().mid(from).join('\n')).toStdString();
    }
    // The shortcut closes the popover at `popover`, and brings it back there with the pointer at `pointer`.
    void theShortcutReopensItThere(GameProcess& game, QRect popover, QPoint pointer) const {
        int before = game.lineCount();
        desktop->xdotool({"key", "ctrl+shift+p"});
        ASSERT_TRUE(game.waitForLine("popover closed (toggle)", loadedMachineWait, before))
            << said(game, before);
        desktop->xdotool({"mousemove", QString::number(pointer.x()), QString::number(pointer.y())});
        before = game.lineCount();
        desktop->xdotool({"key", "ctrl+shift+p"});
        ASSERT_TRUE(game.waitForLine("showPopover", loadedMachineWait, before)) << said(game, before);
        EXPECT_TRUE(waitUntil([&] { return popovers().value(0) == popover; }))
            << "back at " << popovers().value(0).x() << "," << popovers().value(0).y() << "\n"
            << said(game, before);
    }
    // The popover a click on the icon opens, once it shows.
    std::optional<QRect> clickOpensThePopover(GameProcess& game) const {
        if (!clickTheIcon(game)) {
            ADD_FAILURE() << "the game never had a click on the icon\n" << said(game);
            return std::nullopt;
        }
        if (!game.waitForLine("showPopover") || waitForWindows(popoverSize).size() != 1) {
            ADD_FAILURE() << "no popover after a click on the icon\n" << said(game);
            return std::nullopt;
        }
        return popovers().front();
    }
};

// The player's steps with the icon on either kind of tray: trayer embeds it (XEmbed); Xfce's panel draws
// it from what the game publishes over D-Bus (StatusNotifierItem), and draws the game's menu too.
struct OnEitherTray : TrayDesktopTest, ::testing::WithParamInterface<TrayHost> {
    void SetUp() override { bringUp(GetParam(), Screens::one); }
};

// At launch, and by the shortcut with the tray untouched since, wherever the pointer is.
TEST_P(OnEitherTray, ThePopoverChosenToOpenShowsAtLaunchByTheTray) {
    auto game = startGame({}, true);
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the tray";
    ASSERT_TRUE(game->waitForLine("showPopover")) << said(*game);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game);
    const QRect popover = popovers().front();
    // Both trays sit at the top right, 32 pixels high.
    EXPECT_EQ(popover.right(), 1919) << said(*game);
    EXPECT_GE(popover.top(), 32) << said(*game);
    EXPECT_LE(popover.top(), 40) << said(*game);

    theShortcutReopensItThere(*game, popover, {900, 600});
}

TEST_P(OnEitherTray, AClickOpensThePopoverUnderTheIconAndAnotherClosesIt) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the tray";
    const std::optional<QRect> opened = clickOpensThePopover(*game);
    ASSERT_TRUE(opened);
    const QRect popover = *opened;
    EXPECT_GE(popover.top(), icon().bottom()) << said(*game);
    EXPECT_LE(popover.top(), icon().bottom() + 8) << said(*game);
    EXPECT_EQ(popover.right(), 1919) << "kept on screen under an icon at the right edge";
    const int before = game->lineCount();
    click(icon().center());
    EXPECT_TRUE(game->waitForLine("popover closed (toggle)", loadedMachineWait, before))
        << said(*game, before);
}

// The game's menu, whoever draws it: its first item by keys, then "Settings…" by the mouse.
TEST_P(OnEitherTray, ARightClickOpensTheGamesMenuWhichTakesTheKeysAndTheMouse) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(openWindowFromTheMenu(*game)) << "\"Open Window\" by Down and Return";
    const int opening = game->lineCount();
    QString seen;
    const auto menu = openTheMenu(seen);
    ASSERT_TRUE(menu) << seen.toStdString() << said(*game, opening);
    if (GetParam() == TrayHost::xfcePanel) {
        // Xfce's panel asks for the menu over D-Bus after the press it had, which still tells the chip's
        // place.
        EXPECT_TRUE(game->waitForLine("tray asks: pressed at", loadedMachineWait, opening))
            << said(*game, opening);
    }
    QThread::msleep(300);
    desktop->screenshot(GetParam() == TrayHost::trayer ? "xvfb-tray-menu-trayer" : "xvfb-tray-menu-xfce",
                        menu->united(icon()).adjusted(-40, -4, 4, 20));
    click(TrayTest::settingsItem(*menu));
    EXPECT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }))
        << "\"Settings…\" by a click\n"
        << said(*game, opening);
}

// "Settings…" clicked in the menu over the popover the player was using: whoever draws the menu, Settings
// take the popover's place and, closed, bring it back.
TEST_P(OnEitherTray, SettingsChosenInTheMenuOverThePopoverBringItBack) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover")) << said(*game);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game);
    QThread::msleep(500);
    // The player turns to the popover: a key it takes and does nothing with.
    desktop->xdotool({"key", "shift"});
    const int opening = game->lineCount();
    QString seen;
    const auto menu = openTheMenu(seen);
    ASSERT_TRUE(menu) << seen.toStdString() << said(*game, opening);
    QThread::msleep(500);
    click(TrayTest::settingsItem(*menu));
    ASSERT_TRUE(game->waitForLine("closePopover (Settings)", loadedMachineWait, opening))
        << said(*game, opening);
    ASSERT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }));
    QThread::msleep(700);
    const int closing = game->lineCount();
    desktop->xdotool({"key", "ctrl+w"});
    EXPECT_TRUE(game->waitForLine("showPopover", loadedMachineWait, closing)) << said(*game, opening);
    EXPECT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game, opening);
}

INSTANTIATE_TEST_SUITE_P(Trays, OnEitherTray, ::testing::Values(TrayHost::trayer, TrayHost::xfcePanel),
                         [](const ::testing::TestParamInfo<TrayHost>& info) {
                             return info.param == TrayHost::trayer ? "trayer" : "xfce";
                         });

// Two screens side by side, the left one the main screen, with the tray's panel on one of them.
struct TwoScreens {
    TrayHost tray;
    Screens screens;
};

struct OnTwoScreens : TrayDesktopTest, ::testing::WithParamInterface<TwoScreens> {
    void SetUp() override { bringUp(GetParam().tray, GetParam().screens); }
    bool panelOnTheLeft() const { return GetParam().screens == Screens::twoWithThePanelOnTheLeft; }
    QRect trayScreen() const { return panelOnTheLeft() ? leftScreen : rightScreen; }
    QRect otherScreen() const { return panelOnTheLeft() ? rightScreen : leftScreen; }
    static constexpr QRect leftScreen{0, 0, 1920, 1080};
    static constexpr QRect rightScreen{1920, 0, 1920, 1080};
};

// At launch, and by the shortcut with the tray untouched since, with the pointer on the other screen.
TEST_P(OnTwoScreens, ThePopoverChosenToOpenShowsAtLaunchUnderTheTraysEnd) {
    const QPoint away = otherScreen().center();
    desktop->xdotool({"mousemove", QString::number(away.x()), QString::number(away.y())});
    auto game = startGame({}, true);
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the tray";
    ASSERT_TRUE(game->waitForLine("showPopover")) << said(*game);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game);
    const QRect popover = popovers().front();
    QThread::msleep(500);
    desktop->screenshot(GetParam().tray == TrayHost::trayer ? "xvfb-two-screens-trayer"
                        : panelOnTheLeft()                  ? "xvfb-two-screens-xfce-left"
                                                            : "xvfb-two-screens-xfce-right",
                        trayScreen().adjusted(1920 / 2, 0, 0, -1080 / 3));
    // Either tray sits at its screen's top right, 32 pixels high or a little more.
    EXPECT_EQ(popover.right(), trayScreen().right()) << said(*game);
    EXPECT_GE(popover.top(), 32) << said(*game);
    EXPECT_LE(popover.top(), 41) << said(*game);
    theShortcutReopensItThere(*game, popover, away + QPoint(100, 100));
}

// A click on the icon tells its place, on whichever screen it is.
TEST_P(OnTwoScreens, AClickOpensThePopoverUnderTheIcon) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the tray";
    const std::optional<QRect> popover = clickOpensThePopover(*game);
    ASSERT_TRUE(popover);
    EXPECT_GE(popover->top(), icon().bottom()) << said(*game);
    EXPECT_LE(popover->top(), icon().bottom() + 8) << said(*game);
    EXPECT_EQ(popover->right(), trayScreen().right())
        << "kept on the tray's screen under an icon at its right edge";
}

INSTANTIATE_TEST_SUITE_P(Trays, OnTwoScreens,
                         ::testing::Values(TwoScreens{TrayHost::trayer, Screens::twoWithThePanelOnTheRight},
                                           TwoScreens{TrayHost::xfcePanel, Screens::twoWithThePanelOnTheLeft},
                                           TwoScreens{TrayHost::xfcePanel,
                                                      Screens::twoWithThePanelOnTheRight}),
                         [](const ::testing::TestParamInfo<TwoScreens>& info) {
                             if (info.param.tray == TrayHost::trayer) {
                                 return std::string("trayer");
                             }
                             return std::string(info.param.screens == Screens::twoWithThePanelOnTheLeft
                                                    ? "xfceOnTheLeft"
                                                    : "xfceOnTheRight");
                         });

// GNOME Shell's AppIndicator extension (Ubuntu's desktop) draws the icon and the game's menu in its panel,
// and opens that menu for a left click as for a right one: by its design, only a double click reaches
// the game. There the menu offers the surface a click would open first, then the other.
struct OnGnomeShell : TrayDesktopTest {
    static void SetUpTestSuite() { startDesktop({}, TrayHost::gnomeShell); }
    // Opens the game's menu in the panel with a click of `button` on the icon, once the game has launched;
    // what was seen when it did not show with the items of a game that opens in the popover.
    ::testing::AssertionResult openTheMenuWith(GameProcess& game, int button) const {
        if (!desktop->trayIcon() || !game.waitForLine("launch:")) {
            return ::testing::AssertionFailure() << "the chip never reached the panel\n" << said(game);
        }
        const int before = game.lineCount();
        click(icon().center(), button);
        if (!waitUntil([] { return desktop->trayMenu().has_value(); }, 10000)) {
            return ::testing::AssertionFailure() << "no menu after a click of button " << button << "\n"
                                                 << said(game);
        }
        // The extension asks for the menu as the press opens it: the press tells the chip's place.
        if (!game.waitForLine("tray asks: pressed at", loadedMachineWait, before)) {
            return ::testing::AssertionFailure() << "the press on the chip told no place\n"
                                                 << said(game, before);
        }
        const QStringList items = desktop->trayMenuItems();
        if (items != QStringList{"Show Popover", "Open Window", "Settings…", "Quit Chipwhistle"}) {
            return ::testing::AssertionFailure() << "the menu shows " << items.join(", ").toStdString();
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(OnGnomeShell, ThePopoverChosenToOpenShowsAtLaunchUnderThePanel) {
    auto game = startGame();
    ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the panel";
    ASSERT_TRUE(waitUntil([&] {
        return game->waitForOutput("showPopover", 100) || game->output().contains("never came up");
    })) << said(*game);
    ASSERT_TRUE(game->waitForLine("showPopover", 0)) << said(*game);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game);
    const QRect popover = popovers().front();
    EXPECT_GE(popover.top(), 32) << said(*game);
    EXPECT_LE(popover.top(), 40) << said(*game);
}

// Ubuntu's GNOME shows a dock beside the top bar, fixed at the left at full height, and neither publishes
// a strut: the work area is inset most by the dock. Before any click tells the chip's place, the popover
// still opens under the right end of the top bar, where the AppIndicator extension shows the chip,
// wherever the dock sits. The extension asks for the game's menu as the chip appears, with nothing
// pressed: wherever the pointer rests then (on the dock, as after a start from it, or on the top bar),
// that tells no place, at launch or by the shortcut after. Debian's Dash to Dock plays Ubuntu's dock,
// turned on for this test alone.
TEST_F(OnGnomeShell, ThePopoverAtLaunchOpensUnderTheChipWhereverTheDockSitsAndThePointerRests) {
    const QString dock = QStringLiteral("dash-to-dock@micxgx.gmail.com");
    if (!QFile::exists(QStringLiteral("/usr/share/gnome-shell/extensions/%1/metadata.json").arg(dock))) {
        GTEST_SKIP() << "gnome-shell-extension-dashtodock is not installed";
    }
    const auto workArea = [] {
        const QStringList values =
            desktop->output("xprop", {"-root", "_NET_WORKAREA"}).section('=', 1).split(',');
        return values.size() < 4
                   ? QRect()
                   : QRect(values[0].toInt(), values[1].toInt(), values[2].toInt(), values[3].toInt());
    };
    // The suite's other tests play on the desktop without the dock.
    const auto turnOff = qScopeGuard([&] {
        desktop->askTheShell(QStringLiteral("Main.extensionManager.disableExtension('%1')").arg(dock));
        waitUntil([&] { return workArea() == QRect(0, 32, 1920, 1048); }, 20000);
    });
    struct Row {
        const char* position;
        // Whether the work area shows the dock fixed there, under the top bar.
        std::function<bool(QRect)> docked;
        // Where the pointer rests as the game starts, given the work area.
        std::function<QPoint(QRect)> pointer;
    };
    // The dock's thickness is the work area's only inset beside the top bar's.
    const auto insetOnlyAt = [](int left, int bottom, int right) {
        return [=](QRect area) {
            return area.top() == 32 && (area.left() > 32) == bool(left) &&
                   (area.bottom() < 1079 - 32) == bool(bottom) && (area.right() < 1919 - 32) == bool(right);
        };
    };
    // The middle of the dock's band, a third of the way down or across.
    const auto onTheLeftDock = [](QRect area) { return QPoint(area.left() / 2, 360); };
    const auto onTheBottomDock = [](QRect area) { return QPoint(640, (area.bottom() + 1080) / 2); };
    const auto onTheRightDock = [](QRect area) { return QPoint((area.right() + 1920) / 2, 360); };
    const auto onTheTopBarsLeftPart = [](QRect) { return QPoint(300, 16); };
    const Row rows[] = {
        {"LEFT", insetOnlyAt(1, 0, 0), onTheLeftDock},
        {"BOTTOM", insetOnlyAt(0, 1, 0), onTheBottomDock},
        {"RIGHT", insetOnlyAt(0, 0, 1), onTheRightDock},
        {"LEFT", insetOnlyAt(1, 0, 0), onTheTopBarsLeftPart},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(desktop->askTheShell(
            QStringLiteral(
                "const dock = new imports.gi.Gio.Settings({schema_id: "
                "'org.gnome.shell.extensions.dash-to-dock'}); dock.set_boolean('dock-fixed', true); "
                "dock.set_boolean('extend-height', true); dock.set_string('dock-position', '%1'); "
                "Main.extensionManager.enableExtension('%2')")
                .arg(row.position, dock)));
        ASSERT_TRUE(waitUntil([&] { return row.docked(workArea()); }, 20000))
            << row.position << ": the dock never kept its place: the work area is " << workArea().x() << ','
            << workArea().y() << ' ' << workArea().width() << 'x' << workArea().height();
        const QPoint pointer = row.pointer(workArea());
        SCOPED_TRACE(QStringLiteral("the dock at the %1, the pointer at %2,%3")
                         .arg(row.position)
                         .arg(pointer.x())
                         .arg(pointer.y())
                         .toStdString());
        desktop->xdotool({"mousemove", QString::number(pointer.x()), QString::number(pointer.y())});
        auto game = startGame({}, true);
        ASSERT_TRUE(desktop->trayIcon()) << "the chip never reached the panel";
        ASSERT_TRUE(game->waitForLine("showPopover")) << said(*game);
        ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game);
        const QRect popover = popovers().front();
        EXPECT_GE(popover.top(), 32) << said(*game);
        EXPECT_LE(popover.top(), 40) << said(*game);
        EXPECT_LE(popover.left(), icon().center().x()) << said(*game);
        EXPECT_GE(popover.right(), icon().center().x()) << said(*game);
        QThread::msleep(300);
        EXPECT_TRUE(desktop->screenshot(QStringLiteral("xvfb-popover-gnome-dock-%1-pointer-%2-%3")
                                            .arg(QString::fromLatin1(row.position).toLower())
                                            .arg(pointer.x())
                                            .arg(pointer.y()),
                                        {0, 0, 1920, 1080}));
        // The extension asks for the game's menu as the chip appears, the pointer resting where it did.
        ASSERT_TRUE(game->waitForLine("tray asks:")) << said(*game);
        theShortcutReopensItThere(*game, popover, pointer);
        game->kill();
    }
}

TEST_F(OnGnomeShell, ALeftClickOpensTheMenuWhoseFirstItemShowsThePopoverUnderTheIcon) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(openTheMenuWith(*game, 1));
    int before = game->lineCount();
    desktop->xdotool({"key", "Down", "Return"});
    ASSERT_TRUE(game->waitForLine("showPopover", loadedMachineWait, before)) << said(*game, before);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(*game, before);
    const QRect popover = popovers().front();
    EXPECT_GE(popover.top(), icon().bottom()) << said(*game, before);
    EXPECT_LE(popover.top(), icon().bottom() + 8) << said(*game, before);
    EXPECT_LE(popover.left(), icon().center().x()) << said(*game, before);
    EXPECT_GE(popover.right(), icon().center().x()) << said(*game, before);
    QThread::msleep(300);
    EXPECT_TRUE(desktop->screenshot("xvfb-popover-gnome", popover.united(icon()).adjusted(-120, 0, 0, 20)));

    // A double click is the one the shell hands to the game: as a click on another tray, it closes the
    // popover.
    before = game->lineCount();
    desktop->xdotool({"mousemove", QString::number(icon().center().x()), QString::number(icon().center().y()),
                      "click", "--repeat", "2", "--delay", "100", "1"});
    EXPECT_TRUE(game->waitForLine("popover closed (toggle)", loadedMachineWait, before))
        << said(*game, before);
}

TEST_F(OnGnomeShell, ARightClickOpensTheGamesMenuWhichTakesTheKeys) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(openTheMenuWith(*game, 3));
    QThread::msleep(300);
    desktop->screenshot("xvfb-tray-menu-gnome", desktop->trayMenu()->united(icon()).adjusted(-40, -4, 4, 20));
    const int before = game->lineCount();
    desktop->xdotool({"key", "Down", "Down", "Down", "Return"});
    EXPECT_TRUE(waitUntil([&] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }))
        << "\"Settings…\" by keys\n"
        << said(*game, before);
}

// A tray that speaks StatusNotifierItem asks for the menu over D-Bus, with no button down, for a click and
// for the tray's own keys alike. Without a reader the menu opens with nothing held, as on any tray, so
// Down then Return takes its first item.
TEST_F(TrayTest, OnAStatusNotifierTrayTheMenuOpensWithNothingHeldWithoutAReader) {
    StatusNotifierTray tray;
    if (!tray.whyNot.isEmpty()) {
        GTEST_SKIP() << tray.whyNot.toStdString();
    }
    writeProfile(home.path(), true);
    GameProcess game(*desktop, home.path(), {"--launched-at-login"}, tray.session());
    ASSERT_TRUE(tray.holdsAnIcon()) << game.output().toStdString();
    FakeStatusNotifierWatcher* watcher = tray.watcher;

    // The tray's panel shows the menu where the player pointed.
    desktop->xdotool({"mousemove", "1700", "20"});
    QDBusMessage ask = QDBusMessage::createMethodCall(*watcher->item(), "/StatusNotifierItem",
                                                      "org.kde.StatusNotifierItem", "ContextMenu");
    ask << 1700 << 20;
    const QDBusMessage answer = tray.bus->connect("tray").call(ask, QDBus::Block, loadedMachineWait);
    ASSERT_NE(answer.type(), QDBusMessage::ErrorMessage) << answer.errorMessage().toStdString();
    ASSERT_TRUE(game.waitForLine("icon click: event=rightMouseDown")) << game.output().toStdString();
    ASSERT_TRUE(waitUntil([] { return desktop->trayMenu().has_value(); })) << desktop->shown().toStdString();
    const int choosing = game.lineCount();
    desktop->xdotool({"key", "Down", "Return"});
    EXPECT_TRUE(game.waitForLine("openWindow", loadedMachineWait, choosing))
        << "Down then Return took another item; shown:\n"
        << desktop->shown().toStdString() << "\nthe game said:\n"
        << game.lines().mid(choosing).join('\n').toStdString();
}

// Each watcher lists a registered icon in its own words, and one behind a sandbox's bus (Flatpak's proxy)
// cannot tell whose process an icon is: however the watcher lists it, the popover chosen to open at
// launch shows once it holds the icon.
TEST_F(TrayTest, ThePopoverChosenToOpenShowsAtLaunchHoweverTheWatcherListsTheIcon) {
    const std::pair<const char*, QString> rows[] = {
        {"as Xfce lists it", "{name}/StatusNotifierItem"},
        {"as GNOME Shell lists it", "{name}@/StatusNotifierItem"},
        {"by the name Qt's connection is named after",
         "org.kde.StatusNotifierItem-{pid}-1/StatusNotifierItem"},
    };
    for (const auto& [listed, form] : rows) {
        SCOPED_TRACE(listed);
        StatusNotifierTray tray(form);
        if (!tray.whyNot.isEmpty()) {
            GTEST_SKIP() << tray.whyNot.toStdString();
        }
        QTemporaryDir rowHome;
        writeProfile(rowHome.path(), true);
        GameProcess game(*desktop, rowHome.path(), {}, tray.session());
        ASSERT_TRUE(waitUntil([&] {
            return game.waitForOutput("showPopover", 100) || game.output().contains("never came up");
        })) << game.output().toStdString();
        EXPECT_TRUE(game.waitForLine("showPopover", 0)) << game.output().toStdString();
    }
}

// A tray that speaks StatusNotifierItem may ask for the game's menu and close it again without the menu
// ever taking the keys, as a panel that readies a menu it does not show does. Closed, the menu holds the
// popover open no longer: another program taking the keys closes it as a switch.
TEST_F(TrayTest, OnAStatusNotifierTrayAMenuClosedHoldsThePopoverNoLonger) {
    StatusNotifierTray tray;
    if (!tray.whyNot.isEmpty()) {
        GTEST_SKIP() << tray.whyNot.toStdString();
    }
    writeProfile(home.path(), true);
    GameProcess game(*desktop, home.path(), {}, tray.session());
    ASSERT_TRUE(tray.holdsAnIcon()) << game.output().toStdString();
    ASSERT_TRUE(game.waitForLine("showPopover")) << game.output().toStdString();
    QThread::msleep(700);

    QDBusConnection host = tray.bus->connect("tray");
    const auto ask = [&](const char* path, const char* interface, const char* method,
                         const QVariantList& with) {
        QDBusMessage call = QDBusMessage::createMethodCall(*tray.watcher->item(), path, interface, method);
        call.setArguments(with);
        return host.call(call, QDBus::Block, loadedMachineWait);
    };
    const QDBusMessage menu = ask("/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                  {"org.kde.StatusNotifierItem", "Menu"});
    ASSERT_EQ(menu.type(), QDBusMessage::ReplyMessage) << menu.errorMessage().toStdString();
    const QString menuPath =
        menu.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
    ASSERT_FALSE(menuPath.isEmpty());
    const QByteArray path = menuPath.toUtf8();
    for (const auto& [method, with] :
         {std::pair<const char*, QVariantList>{"AboutToShow", {0}},
          std::pair<const char*, QVariantList>{
              "Event", {0, QString("closed"), QVariant::fromValue(QDBusVariant(0)), 0u}}}) {
        const QDBusMessage answer = ask(path.constData(), "com.canonical.dbusmenu", method, with);
        ASSERT_NE(answer.type(), QDBusMessage::ErrorMessage) << method << answer.errorMessage().toStdString();
    }

    const int switching = game.lineCount();
    QProcess other;
    other.setProcessEnvironment(desktop->environment());
    other.start("xev", {"-geometry", "360x120+200+300", "-name", "another program", "-event", "keyboard"});
    ASSERT_TRUE(desktop->xdotool({"search", "--sync", "--name", "^another program$", "windowfocus"}));
    EXPECT_TRUE(
        game.waitForLine("popover closed (switched to another app)", loadedMachineWait / 3, switching))
        << "the game said:\n"
        << game.lines().mid(switching).join('\n').toStdString();
    other.kill();
    other.waitForFinished(3000);
}

// The accessibility bus is turned on by any assistive program, an on-screen keyboard or a magnifier as
// much as a screen reader; the desktop's reader switch alone says a reader runs. The tray's menu holds its
// first item for a reader only: for anyone else, Down then Return takes "Open Window", as on any tray.
TEST_F(TrayTest, TheMenuHoldsItsFirstItemOnlyWhileAScreenReaderRuns) {
    if (!QFile::exists("/usr/libexec/at-spi-bus-launcher")) {
        GTEST_SKIP() << "at-spi2-core's bus launcher is not installed";
    }
    struct Row {
        const char* session;
        const char* property;
        bool held;
    };
    const Row rows[] = {
        {"an assistive program that is not a reader", "IsEnabled", false},
        {"a screen reader turned on by the desktop", "ScreenReaderEnabled", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.session);
        QString whyNot;
        auto bus = PrivateBus::start(whyNot);
        if (!bus) {
            GTEST_SKIP() << whyNot.toStdString();
        }
        QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
        session.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());
        // The launcher keeps both switches in the desktop's settings: a test's own may not outlive it.
        session.insert("GSETTINGS_BACKEND", "memory");
        QProcess launcher;
        launcher.setProcessEnvironment(session);
        launcher.start("/usr/libexec/at-spi-bus-launcher", {"--launch-immediately"});
        const auto stopLauncher = qScopeGuard([&] {
            launcher.kill();
            launcher.waitForFinished(5000);
        });
        QDBusConnection assistant = bus->connect("assistant");
        ASSERT_TRUE(waitUntil([&] {
            QDBusMessage set = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                              "org.freedesktop.DBus.Properties", "Set");
            set << "org.a11y.Status" << row.property << QVariant::fromValue(QDBusVariant(true));
            return assistant.call(set, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
        })) << "the launcher never took "
            << row.property;

        QTemporaryDir rowHome;
        writeProfile(rowHome.path(), true);
        QProcessEnvironment extra;
        extra.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());
        GameProcess game(*desktop, rowHome.path(), {"--launched-at-login"}, extra);
        ASSERT_TRUE(waitUntil([&] { return desktop->trayIcon().has_value(); }))
            << game.output().toStdString();
        ASSERT_TRUE(game.waitForLine("launch: atLogin=true")) << game.output().toStdString();
        const int choosing = game.lineCount();
        ASSERT_TRUE(chooseFromTheMenu(game, {"Down", "Return"}));
        const auto settingsShow = [] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); };
        EXPECT_TRUE(row.held ? waitUntil(settingsShow)
                             : game.waitForLine("openWindow", loadedMachineWait, choosing))
            << (row.held ? "Down then Return should reach Settings; "
                         : "Down then Return should open the window; ")
            << "shown:\n"
            << desktop->shown().toStdString() << "\nthe game said:\n"
            << game.lines().mid(choosing).join('\n').toStdString();
    }
}

} // namespace
