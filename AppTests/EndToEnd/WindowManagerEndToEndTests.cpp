// The real program under a window manager that follows EWMH (openbox) on a private X display with a
// tray: which of the game's windows the manager takes in, and where the focus goes when the popover
// closes. Skipped, saying why, when the display, the tray or the manager cannot start.
#include "Desktop.h"
#include "Support/TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// How far below Settings' top edge its Sounds switch lies, with the deck's preview above it.
constexpr int soundsDown = 410;

struct ManagedWindow {
    QString id;
    QString windowClass;
    QSize size;
};

struct WindowManagerTest : DesktopTest {
    static void startUnder(const QStringList& windowManager, TrayHost trayKind = TrayHost::trayer) {
        if (QStandardPaths::findExecutable("xmessage").isEmpty()) {
            whyNot = "xmessage is not installed";
            return;
        }
        startDesktop(windowManager, trayKind);
    }

    // The windows the manager has taken in, as it lists them for task bars and window switchers.
    static QList<ManagedWindow> managedWindows() {
        static const QRegularExpression id("0x[0-9a-f]+");
        static const QRegularExpression windowClass(R"re(WM_CLASS\(STRING\) = "([^"]*)")re");
        static const QRegularExpression width(R"(Width: (\d+))"), height(R"(Height: (\d+))");
        QList<ManagedWindow> found;
        auto ids = id.globalMatch(desktop->output("xprop", {"-root", "_NET_CLIENT_LIST"}));
        while (ids.hasNext()) {
            const QString window = ids.next().captured();
            const QString info = desktop->output("xwininfo", {"-id", window});
            found.push_back(
                {window, windowClass.match(desktop->output("xprop", {"-id", window, "WM_CLASS"})).captured(1),
                 QSize(width.match(info).captured(1).toInt(), height.match(info).captured(1).toInt())});
        }
        return found;
    }
    static QString activeWindow() {
        static const QRegularExpression id("0x[0-9a-f]+");
        return id.match(desktop->output("xprop", {"-root", "_NET_ACTIVE_WINDOW"})).captured();
    }
    // Whether the window with the keys is the game's popover.
    static bool popoverHasTheKeys() {
        const QString window = activeWindow();
        return !window.isEmpty() &&
               desktop->output("xprop", {"-id", window, "WM_CLASS"}).contains("chipwhistle") &&
               desktop->output("xwininfo", {"-id", window})
                   .contains(QStringLiteral("Width: %1\n  Height: %2\n")
                                 .arg(popoverSize.width())
                                 .arg(popoverSize.height()));
    }
    static bool waitForActive(const QString& window) {
        return waitUntil([&] { return activeWindow() == window; });
    }
    // The game's managed window of that size.
    static QString ourWindow(QSize size) {
        QString id;
        for (const ManagedWindow& window : managedWindows())
            id = window.windowClass == "chipwhistle" && window.size == size ? window.id : id;
        return id;
    }
    static void minimise(const QString& window) {
        desktop->xdotool({"windowminimize", QString::number(window.toULongLong(nullptr, 16))});
    }
    // A number property, as in {"-root", "_NET_CURRENT_DESKTOP"}.
    static QString cardinal(const QStringList& where) {
        return desktop->output("xprop", where).section('=', 1).trimmed();
    }
    static bool minimised(const QString& window) {
        return desktop->output("xprop", {"-id", window, "_NET_WM_STATE"}).contains("HIDDEN");
    }
    // Whether `window` stands above `other` in the manager's stacking order.
    static bool above(const QString& window, const QString& other) {
        static const QRegularExpression id("0x[0-9a-f]+");
        QStringList order;
        auto ids = id.globalMatch(desktop->output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}));
        while (ids.hasNext())
            order << ids.next().captured();
        return order.indexOf(window) > order.indexOf(other);
    }
    // Starts the game again in this test's home, as a player does from a launcher; the second copy
    // hands over to the running one and ends.
    void startAgain() const {
        GameProcess second(*desktop, home.path());
        EXPECT_EQ(second.waitForExit(loadedMachineWait), 0);
    }

    // A way to open Settings over the popover and to close them again.
    struct SettingsWay {
        const char* how;
        std::function<void()> open, close;
    };
    // By keys (Ctrl+, in the popover, Ctrl+W in Settings) and by mouse (the tray's menu, the manager's
    // close).
    std::vector<SettingsWay> settingsWays() const {
        const auto press = [](const char* keys) { return [keys] { desktop->xdotool({"key", keys}); }; };
        return {{"by keys", press("ctrl+comma"), press("ctrl+w")},
                {"by mouse",
                 [this] {
                     QString seen;
                     if (const auto menu = openTheMenu(seen))
                         click(menu->center());
                 },
                 [] { desktop->closeWindowTitled("Chipwhistle Settings"); }}};
    }
    // Shows the popover by a click on the icon, opens Settings over it and closes them `way`, until the
    // popover is shown again; `closing` is then the count of the game's lines before Settings closed.
    // What the game said where a step did not come.
    ::testing::AssertionResult throughSettings(GameProcess& game, const SettingsWay& way,
                                               int& closing) const {
        const auto said = [&](int from) { return game.lines().mid(from).join('\n').toStdString(); };
        const int showing = game.lineCount();
        if (!clickTheIcon(game) || !game.waitForLine("showPopover", loadedMachineWait, showing))
            return ::testing::AssertionFailure() << "the popover never showed: " << said(showing);
        QThread::msleep(700);
        const int opening = game.lineCount();
        way.open();
        if (!game.waitForLine("closePopover (Settings)", loadedMachineWait, opening) ||
            !waitUntil([] { return desktop->windowTree().contains("\"Chipwhistle Settings\""); }))
            return ::testing::AssertionFailure() << "Settings never opened: " << said(opening);
        QThread::msleep(700);
        closing = game.lineCount();
        way.close();
        if (!game.waitForLine("showPopover", loadedMachineWait, closing))
            return ::testing::AssertionFailure() << "the popover never came back: " << said(closing);
        return ::testing::AssertionSuccess();
    }

    // The popover, shown when the game had said `from` lines, closed as the player switched to `other`,
    // a key recorder run by `recorder`: `other` has the keys, and `letter` typed next reaches it, not
    // the table. `typed` gathers what the recorder printed.
    static void leftForTheRecorder(GameProcess& game, int from, const QString& other, QProcess& recorder,
                                   QString& typed, const char* letter) {
        const auto said = [&] { return game.lines().mid(from).join('\n').toStdString(); };
        ASSERT_TRUE(game.waitForLine("popover closed (switched to another app)", loadedMachineWait / 3, from))
            << "shown:\n"
            << desktop->shown().toStdString() << "\nthe game said:\n"
            << said();
        EXPECT_TRUE(waitForActive(other)) << "active: " << activeWindow().toStdString();
        desktop->xdotool({"key", letter});
        const QString key = QStringLiteral(", %1)").arg(letter);
        EXPECT_TRUE(waitUntil([&] {
            recorder.waitForReadyRead(100);
            return (typed += recorder.readAllStandardOutput()).contains(key);
        })) << "the other program never got the letter; shown:\n"
            << desktop->shown().toStdString() << "\nthe game said:\n"
            << said();
        EXPECT_EQ(activeWindow(), other);
    }

    void secondStartBringsTheWindowForward();
    void settingsBringThePopoverBack();
    void anotherProgramActivatedKeepsTheKeys();
    void aKeyTakenElsewhereSoonAfterSettingsClosed();

    // Presses the game's shortcut until the game says it had it: one pressed before the game took it
    // from the display is pressed again. Whether the game had it.
    static bool pressTheShortcut(GameProcess& game) {
        const int before = game.lineCount();
        for (int attempt = 0; attempt < 3; ++attempt) {
            desktop->xdotool({"key", "ctrl+shift+p"});
            if (game.waitForLine("hotkey", loadedMachineWait / 3, before))
                return true;
        }
        return false;
    }

    // Another program's window, which the player has clicked into.
    QString otherProgram(QProcess& process, const QString& words, QPoint at, QSize size = {360, 120}) {
        return clickedInto(process, "xmessage", {words}, "xmessage", QRect(at, size));
    }
    // A window of another program that records the keys it gets, which the player has clicked into:
    // what `process` printed names each key, as "(keysym 0x6b, k)".
    QString keyRecorder(QProcess& process, QPoint at) {
        return clickedInto(process, "xev", {"-name", "keys recorder", "-event", "keyboard"}, "keys recorder",
                           QRect(at, QSize(360, 120)));
    }
    // Starts `program` with `arguments` in a window at `frame` titled `title`, and clicks into it: the
    // window once it has the keys.
    QString clickedInto(QProcess& process, const QString& program, const QStringList& arguments,
                        const QString& title, QRect frame) {
        QStringList known;
        for (const ManagedWindow& window : managedWindows()) {
            known << window.id;
        }
        process.setProcessEnvironment(desktop->environment());
        process.start(program, QStringList{"-geometry", QStringLiteral("%1x%2+%3+%4")
                                                            .arg(frame.width())
                                                            .arg(frame.height())
                                                            .arg(frame.x())
                                                            .arg(frame.y())} +
                                   arguments);
        QString shown;
        waitUntil([&] {
            for (const ManagedWindow& window : managedWindows())
                if (!known.contains(window.id) &&
                    desktop->output("xprop", {"-id", window.id, "WM_NAME"}).contains('"' + title + '"'))
                    shown = window.id;
            return !shown.isEmpty();
        });
        // Clicked again when the first click came before the window could take it.
        for (int tries = 0; tries < 3 && !shown.isEmpty() && activeWindow() != shown; ++tries) {
            click(frame.topLeft() + QPoint(180, 30));
            waitUntil([&] { return activeWindow() == shown; }, loadedMachineWait / 3);
        }
        return shown;
    }
};

void WindowManagerTest::secondStartBringsTheWindowForward() {
    auto game = startGameInTheWindow();
    QString table;
    ASSERT_TRUE(waitUntil([&] { return !(table = ourWindow(windowSize)).isEmpty(); }))
        << "the table window never showed; shown:\n"
        << desktop->shown().toStdString() << "\nthe game said:\n"
        << game->lines().join('\n').toStdString();
    ASSERT_TRUE(waitForActive(table)) << desktop->shown().toStdString();
    const QString number = QString::number(table.toULongLong(nullptr, 16));
    QProcess editor;
    const QString other = otherProgram(editor, "a program over the whole screen", {0, 0}, {1900, 1040});
    ASSERT_FALSE(other.isEmpty()) << "xmessage's window never showed";
    // The game's window raises itself once more as it appears, which on a loaded machine can be seconds
    // later; a player who sees it come back over the program clicks the program again, until the
    // program stays in front.
    const auto otherInFront = [&] { return activeWindow() == other && above(other, table); };
    const auto staysInFront = [&] {
        if (!waitUntil(otherInFront, loadedMachineWait / 6))
            return false;
        QThread::msleep(2000);
        return otherInFront();
    };
    for (int tries = 0; tries < 5 && !staysInFront(); ++tries)
        click({180, 30});
    ASSERT_TRUE(above(other, table))
        << "stacked from the bottom: "
        << desktop->output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).toStdString()
        << desktop->shown().toStdString();
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"covered", [] {}},
        {"minimised", [&] { minimise(table); }},
        {"on another workspace",
         [&] {
             desktop->xdotool({"set_desktop_for_window", number, "1"});
         }},
        {"left on the workspace the player went from",
         [&] {
             desktop->xdotool({"set_desktop", "2"});
         }},
    };
    for (const auto& [where, sendAway] : rows) {
        sendAway();
        ASSERT_TRUE(waitUntil([&] { return activeWindow() != table; })) << where;
        startAgain();
        EXPECT_TRUE(waitForActive(table)) << where << ": active " << activeWindow().toStdString() << ", "
                                          << cardinal({"-id", table, "_NET_WM_STATE"}).toStdString();
        EXPECT_EQ(cardinal({"-id", table, "_NET_WM_DESKTOP"}), cardinal({"-root", "_NET_CURRENT_DESKTOP"}))
            << where << ": on the player's workspace";
        EXPECT_FALSE(minimised(table)) << where;
        EXPECT_TRUE(above(table, other)) << where;
    }
    desktop->xdotool({"set_desktop", "0"});
    editor.kill();
    editor.waitForFinished(3000);
}

// Settings opened over the popover take its place and, closed, bring it back with the keys, over the
// program the player was in: by keys (Ctrl+, in the popover, Ctrl+W in Settings) and by mouse (the
// tray's menu, the manager's close). Escape in the popover then shows that the keys reach it, as does
// Alt+Tab, a switch to the other program, which closes it.
void WindowManagerTest::settingsBringThePopoverBack() {
    QProcess editor;
    ASSERT_FALSE(otherProgram(editor, "the program the player was in", {200, 300}).isEmpty());
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(desktop->trayIcon());
    const auto said = [&](int from) { return game->lines().mid(from).join('\n').toStdString(); };
    const std::vector<SettingsWay> ways = settingsWays();
    struct Row {
        const SettingsWay& way;
        const char* leave;
        const char* closed;
    };
    const Row rows[] = {
        {ways[0], "Escape", "popover closed (Escape)"},
        {ways[1], "alt+Tab", "popover closed (switched to another app)"},
    };
    for (const Row& row : rows) {
        const char* how = row.way.how;
        int closing = 0;
        ASSERT_TRUE(throughSettings(*game, row.way, closing)) << how;
        // The keys reach the popover and stay there once the manager has moved the focus on from the
        // closed Settings.
        EXPECT_TRUE(waitUntil(popoverHasTheKeys, loadedMachineWait / 3)) << how;
        QThread::msleep(1000);
        desktop->xdotool({"key", row.leave});
        ASSERT_TRUE(game->waitForLine(row.closed, loadedMachineWait / 3, closing))
            << how << ": the popover did not come back with the keys; shown:\n"
            << desktop->shown().toStdString() << "\nthe game said:\n"
            << said(closing);
    }
    editor.kill();
    editor.waitForFinished(3000);
}

// The popover with the keys and nothing pressed in it yet, shown at launch, by the shortcut or the icon:
// another program activated through the window manager, as a launcher's key, a drop-down terminal's key
// or a program raising its own window does, keeps the keys; the popover closes as a switch, and the
// letter the player types next reaches that program, not the table, where it would be a move.
void WindowManagerTest::anotherProgramActivatedKeepsTheKeys() {
    QProcess recorder;
    const QString other = keyRecorder(recorder, {200, 300});
    ASSERT_FALSE(other.isEmpty()) << "xev's window never showed";
    auto game = startGame({}, true);
    const auto said = [&](int from) { return game->lines().mid(from).join('\n').toStdString(); };
    QString typed;
    // Shown at launch, by the shortcut, and by a click on the icon.
    for (const char* letter : {"k", "e", "y"}) {
        SCOPED_TRACE(letter);
        const int showing = game->lineCount();
        if (letter == std::string_view("e")) {
            ASSERT_TRUE(pressTheShortcut(*game)) << said(showing);
        } else if (letter == std::string_view("y")) {
            ASSERT_TRUE(clickTheIcon(*game)) << said(showing);
        }
        ASSERT_TRUE(game->waitForLine("showPopover", loadedMachineWait, showing)) << said(showing);
        ASSERT_TRUE(waitUntil(popoverHasTheKeys)) << desktop->shown().toStdString() << said(showing);
        QThread::msleep(700);
        const int switching = game->lineCount();
        desktop->xdotool({"windowactivate", QString::number(other.toULongLong(nullptr, 16))});
        leftForTheRecorder(*game, switching, other, recorder, typed, letter);
        for (const QString& line : game->lines().mid(switching))
            EXPECT_FALSE(line.startsWith("popover stays")) << line.toStdString();
    }
    recorder.kill();
    recorder.waitForFinished(3000);
}

// The popover back in closed Settings' place holds its keys for a moment against the window manager
// moving them on by itself, which it does with nothing pressed. A key the player presses in that moment
// is theirs: a launcher's key, which another program took for itself and answers by activating its
// window, 0.2 or 0.5 s after Settings closed by keys or by mouse, leaves the keys with that program and
// closes the popover as a switch, and the letter typed next reaches that program, not the table.
void WindowManagerTest::aKeyTakenElsewhereSoonAfterSettingsClosed() {
    QProcess recorder;
    const QString other = keyRecorder(recorder, {200, 300});
    ASSERT_FALSE(other.isEmpty()) << "xev's window never showed";
    QProcess launcher;
    launcher.setProcessEnvironment(desktop->environment());
    launcher.start(TestPaths::buildFolder() + "/tools/activate_on_key", {"0xffc9", other});
    QString launcherSaid;
    const auto launcherSays = [&](const QString& what, int times) {
        return waitUntil(
            [&] {
                launcher.waitForReadyRead(100);
                return (launcherSaid += launcher.readAllStandardOutput()).count(what) >= times;
            },
            loadedMachineWait / 3);
    };
    ASSERT_TRUE(launcherSays("grabbed", 1))
        << "F12 is not the launcher's: " << launcher.readAllStandardError().toStdString();
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(desktop->trayIcon());
    const std::vector<SettingsWay> ways = settingsWays();
    struct Row {
        const SettingsWay& way;
        int keyAfter;
        const char* letter;
    };
    const Row rows[] = {{ways[0], 200, "k"}, {ways[1], 500, "m"}};
    QString typed;
    int activations = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1, the launcher's key %2 ms after")
                         .arg(row.way.how)
                         .arg(row.keyAfter)
                         .toStdString());
        int closing = 0;
        ASSERT_TRUE(throughSettings(*game, row.way, closing));
        QThread::msleep(row.keyAfter);
        desktop->xdotool({"key", "F12"});
        ASSERT_TRUE(launcherSays("activated", ++activations)) << "the launcher never had its key";
        leftForTheRecorder(*game, closing, other, recorder, typed, row.letter);
    }
    for (QProcess* process : {&launcher, &recorder}) {
        process->kill();
        process->waitForFinished(3000);
    }
}

// Openbox takes in every window that asks to be managed, as the big desktops' managers do.
struct UnderOpenbox : WindowManagerTest {
    static void SetUpTestSuite() { startUnder({"openbox"}); }
};

// Openbox with Xfce's panel as the tray, which draws the game's icon and menu from what the game
// publishes.
struct UnderOpenboxOnXfce : WindowManagerTest {
    static void SetUpTestSuite() { startUnder({"openbox"}, TrayHost::xfcePanel); }
};

// Metacity, GNOME's manager of old, prevents focus stealing the way the big desktops do.
struct UnderMetacity : WindowManagerTest {
    static void SetUpTestSuite() { startUnder({"metacity", "--sm-disable", "--no-composite"}); }
};

// evilwm moves the focus nowhere when the focused window goes: the focus comes back only if the
// game gives it back.
struct UnderEvilwm : WindowManagerTest {
    // evilwm looks for a font that a bare X server may not have; "fixed" is always there.
    static void SetUpTestSuite() { startUnder({"evilwm", "-fn", "fixed"}); }
};

// GNOME Shell as Debian installs it, without its AppIndicator extension: the shell manages the windows,
// and there is no tray at all.
struct UnderGnomeShellWithoutATray : WindowManagerTest {
    static void SetUpTestSuite() { startUnder({}, TrayHost::gnomeShellWithoutATray); }
    // What the desktop shows and what the game said after its first `from` lines.
    static std::string said(GameProcess& game, int from = 0) {
        return "shown:\n" + desktop->shown().toStdString() + "\nthe game said:\n" +
               game.lines().mid(from).join('\n').toStdString();
    }
};

// With no tray to take the icon, the popover chosen to open shows at launch all the same, with the keys.
// It stands as a window of its own: the player clicks into another program, which comes in front of it,
// and comes back to the game with the keys as to any window, by Alt+Tab, by the game's shortcut and by a
// second start. Escape puts it away, and a second start brings it back; the desktop's close puts it away
// too.
TEST_F(UnderGnomeShellWithoutATray, ThePopoverChosenShowsAtLaunchAndAltTabBringsItBack) {
    QProcess recorder;
    const QString other = keyRecorder(recorder, {200, 300});
    ASSERT_FALSE(other.isEmpty()) << "xev's window never showed";
    // Where the player leaves the pointer, the popover opens beside the other program.
    desktop->xdotool({"mousemove", "1400", "300"});
    writeProfile(home.path(), true, true, LaunchSurface::menuBar);
    GameProcess game(*desktop, home.path());
    const auto said = [&](int from = 0) { return UnderGnomeShellWithoutATray::said(game, from); };
    ASSERT_TRUE(game.waitForLine("showPopover on its own")) << said();
    EXPECT_TRUE(game.waitForLine("launch: the tray icon never came up; the popover shows on its own", 0))
        << said();
    QString popover;
    ASSERT_TRUE(waitUntil([&] { return !(popover = ourWindow(popoverSize)).isEmpty(); }))
        << "listed for the window list and the task switcher; " << said();
    EXPECT_TRUE(waitForActive(popover)) << said();
    QThread::msleep(1500);
    const QList<QRect> shown = desktop->windows(popoverSize);
    ASSERT_EQ(shown.size(), 1) << said();
    EXPECT_TRUE(
        desktop->screenshot("xvfb-popover-gnome-without-a-tray", shown.front().adjusted(-40, -40, 40, 40)));

    const std::tuple<const char*, std::function<void()>, bool> ways[] = {
        // Held as a player holds it: the shell's switcher shows while Alt is down and switches as Alt is
        // let go. A busy shell now and then misses one, and the player, seeing nothing, presses it again.
        {"Alt+Tab",
         [&] {
             for (int tries = 0; tries < 2 && activeWindow() != popover; ++tries) {
                 desktop->xdotool(
                     {"keydown", "alt", "sleep", "0.2", "key", "Tab", "sleep", "0.5", "keyup", "alt"});
                 waitUntil([&] { return activeWindow() == popover; }, loadedMachineWait / 3);
             }
         },
         false},
        // The game brings it forward itself.
        {"the shortcut", [&] { ASSERT_TRUE(pressTheShortcut(game)); }, true},
        {"a second start", [&] { startAgain(); }, true},
    };
    for (const auto& [way, comeBack, byTheGame] : ways) {
        SCOPED_TRACE(way);
        const int switching = game.lineCount();
        click({380, 330});
        ASSERT_TRUE(waitForActive(other)) << said(switching);
        QThread::msleep(1500);
        EXPECT_TRUE(above(other, popover)) << "the other program comes in front; " << said(switching);
        EXPECT_EQ(ourWindow(popoverSize), popover) << "the popover stays open; " << said(switching);
        comeBack();
        EXPECT_TRUE(waitForActive(popover)) << said(switching);
        if (byTheGame) {
            EXPECT_TRUE(
                game.waitForLine("popover on its own comes forward", loadedMachineWait / 3, switching))
                << said(switching);
        }
        EXPECT_TRUE(above(popover, other)) << said(switching);
        QThread::msleep(700);
    }
    const int escaping = game.lineCount();
    desktop->xdotool({"key", "Escape"});
    ASSERT_TRUE(game.waitForLine("popover closed (Escape)", loadedMachineWait / 3, escaping))
        << "the keys reach the game; " << said(escaping);

    const int again = game.lineCount();
    startAgain();
    ASSERT_TRUE(game.waitForLine("showPopover on its own", loadedMachineWait, again)) << said(again);
    EXPECT_TRUE(waitUntil([&] {
        return !(popover = ourWindow(popoverSize)).isEmpty() && activeWindow() == popover;
    })) << "a second start brings it back with the keys; "
        << said(again);
    // Closed as the overview's close button closes a window, it goes as at Escape.
    const int closing = game.lineCount();
    ASSERT_TRUE(desktop->closeWindow(desktop->windows(popoverSize).value(0)));
    EXPECT_TRUE(game.waitForLine("popover closed (closed from the desktop)", loadedMachineWait / 3, closing))
        << said(closing);
    recorder.kill();
    recorder.waitForFinished(3000);
}

// A tray that comes up after the start (the AppIndicator extension turned on) takes the icon, and from
// then on it is a tray as any other: a click on the icon closes the popover shown on its own, the next
// opens the popover under the icon, and a click elsewhere closes that.
TEST_F(UnderGnomeShellWithoutATray, ATrayTurnedOnLaterTakesTheIconFromThenOn) {
    writeProfile(home.path(), true, false, LaunchSurface::menuBar);
    GameProcess game(*desktop, home.path());
    const auto said = [&](int from = 0) { return UnderGnomeShellWithoutATray::said(game, from); };
    ASSERT_TRUE(game.waitForLine("showPopover on its own")) << said();
    // The suite's other tests play on the desktop without a tray.
    const auto turnOff = qScopeGuard([&] {
        game.kill();
        desktop->turnTrayOn(false);
        waitUntil([] { return !desktop->trayIcon(); }, 20000);
    });
    if (!desktop->turnTrayOn(true)) {
        GTEST_SKIP() << "GNOME Shell's AppIndicator extension is not installed";
    }
    ASSERT_TRUE(waitUntil([] { return desktop->trayIcon().has_value(); }))
        << "no icon in the top bar; " << said();
    QThread::msleep(500);
    int from = game.lineCount();
    ASSERT_TRUE(clickTheIcon(game)) << said(from);
    ASSERT_TRUE(game.waitForLine("popover closed (toggle)", loadedMachineWait, from)) << said(from);

    from = game.lineCount();
    ASSERT_TRUE(clickTheIcon(game)) << said(from);
    ASSERT_TRUE(game.waitForLine("showPopover active", loadedMachineWait, from)) << said(from);
    ASSERT_EQ(waitForWindows(popoverSize).size(), 1) << said(from);
    const QRect popover = desktop->windows(popoverSize).front();
    // Under the top bar, 32 pixels high, that holds the icon.
    EXPECT_GE(popover.top(), 32) << said(from);
    EXPECT_LE(popover.top(), 40) << said(from);
    EXPECT_LE(popover.left(), icon().center().x()) << said(from);
    EXPECT_GE(popover.right(), icon().center().x()) << said(from);
    QThread::msleep(500);
    EXPECT_TRUE(desktop->screenshot("xvfb-popover-gnome-tray-turned-on-later",
                                    popover.united(icon()).adjusted(-120, 0, 0, 20)));
    from = game.lineCount();
    click({300, 900});
    EXPECT_TRUE(game.waitForLine("popover closed (a click in another app)", loadedMachineWait, from))
        << said(from);
}

TEST_F(UnderOpenbox, ATableThatSpeaksLeavesNoStrayWindowsForTheTaskBar) {
    auto game = startGame();
    ASSERT_TRUE(game->waitForLine("showPopover")) << "an ordinary start shows the popover";
    QThread::msleep(500);
    const QList<QRect> popovers = desktop->windows(popoverSize);
    ASSERT_EQ(popovers.size(), 1);
    // The lobby's hero button deals a Quick Hand; the table then says what happens at it.
    click({popovers.front().center().x(), popovers.front().top() + 274});
    const QString saved = dataFolder(home.path()) + "/savedgame.json";
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(saved); })) << "a Quick Hand was started";
    QThread::msleep(3000);

    QStringList ours;
    for (const ManagedWindow& window : managedWindows()) {
        if (window.windowClass == "chipwhistle") {
            ours << QStringLiteral("%1 %2x%3")
                        .arg(window.id)
                        .arg(window.size.width())
                        .arg(window.size.height());
        }
    }
    EXPECT_EQ(ours.size(), 1) << "only the popover is a window the player works in:\n"
                              << ours.join('\n').toStdString();
}

// The table window opened from the tray's menu goes back to the tray: the popover takes its place and
// the window closes. Escape on the popover then has no window to give the focus back to, and says so.
TEST_F(UnderOpenbox, ClosingThePopoverGivesTheFocusOnlyToAWindowStillThere) {
    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(openWindowFromTheMenu(*game));
    QThread::msleep(700);
    const int collapsing = game->lineCount();
    // From the lobby's first control, back past Settings to "Back to System Tray".
    desktop->xdotool({"key", "shift+Tab", "shift+Tab", "space"});
    ASSERT_TRUE(game->waitForLine("showPopover", loadedMachineWait, collapsing));
    QThread::msleep(700);
    const int escaping = game->lineCount();
    desktop->xdotool({"key", "Escape"});
    ASSERT_TRUE(game->waitForLine("popover closed (Escape)", loadedMachineWait, escaping));
    EXPECT_TRUE(game->waitForLine("focus back to nothing: ", loadedMachineWait, escaping))
        << game->lines().mid(escaping).join('\n').toStdString();
    for (const QString& line : game->lines().mid(escaping))
        EXPECT_FALSE(line.startsWith("focus back to 0x")) << line.toStdString();
}

TEST_F(UnderOpenbox, TheOnboardingWindowWithoutATitleBarIsListedFocusedAndMovedByItsBackground) {
    GameProcess game(*desktop, home.path());
    ASSERT_TRUE(game.waitForLine("launch: atLogin=false onboarded=false"));
    const QSize size(600, 640);
    const QList<QRect> shown = waitForWindows(size);
    ASSERT_EQ(shown.size(), 1);
    // The manager lists a window a moment after it shows.
    QString id;
    ASSERT_TRUE(waitUntil([&] { return !(id = ourWindow(size)).isEmpty(); }))
        << "listed for task bars and window switchers";
    EXPECT_TRUE(waitForActive(id)) << "active: " << activeWindow().toStdString();
    EXPECT_TRUE(desktop->output("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).contains("0, 0, 0, 0"));
    QThread::msleep(1500); // the welcome page's art has come in
    EXPECT_TRUE(desktop->screenshot("xvfb-onboarding-openbox", shown.front().adjusted(-20, -20, 20, 20)));

    // A drag on the backdrop above the title moves the window as far as the pointer goes. The game
    // hands the move to the manager once the press reaches it, which under the sanitizers on a busy
    // machine takes a while, so the pointer nudges until the window follows it; from there the window
    // must keep the pointer's offset to the end of the drag.
    const QPoint grip = shown.front().topLeft() + QPoint(300, 24), by(-120, 90);
    const auto pointTo = [&](QPoint at) {
        desktop->xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    };
    // None unless the window shows exactly once, which it may not while it is being moved.
    const auto topLeft = [&] {
        const QList<QRect> now = desktop->windows(size);
        return now.size() == 1 ? std::optional(now.front().topLeft()) : std::nullopt;
    };
    pointTo(grip);
    desktop->xdotool({"mousedown", "1"});
    QPoint nudge = grip;
    ASSERT_TRUE(waitUntil([&] {
        nudge = nudge == grip ? grip + QPoint(6, 0) : grip;
        pointTo(nudge);
        QThread::msleep(150);
        const std::optional<QPoint> now = topLeft();
        return now && *now != shown.front().topLeft();
    })) << "the window never followed the pointer";
    pointTo(grip);
    // The offset the window keeps, once it has come after the pointer: where it lies twice running.
    std::optional<QPoint> settled;
    ASSERT_TRUE(waitUntil([&] {
        const std::optional<QPoint> before = topLeft();
        QThread::msleep(300);
        return (settled = topLeft()) && settled == before;
    }));
    const QPoint offset = *settled - grip;
    for (int step = 1; step <= 6; ++step) {
        pointTo(grip + by * step / 6);
        QThread::msleep(50);
    }
    desktop->xdotool({"mouseup", "1"});
    EXPECT_TRUE(waitUntil([&] { return topLeft() == grip + by + offset; }))
        << "at " << topLeft().value_or(QPoint()).x() << "," << topLeft().value_or(QPoint()).y();
    // Minimised by the manager, it comes back un-minimised and in front at a click on the tray icon.
    minimise(id);
    ASSERT_TRUE(waitUntil([&] { return activeWindow() != id; }));
    click(icon().center());
    EXPECT_TRUE(waitForActive(id)) << "active: " << activeWindow().toStdString();
    EXPECT_FALSE(minimised(id));
    // And at a second start of the game.
    minimise(id);
    ASSERT_TRUE(waitUntil([&] { return activeWindow() != id; }));
    startAgain();
    EXPECT_TRUE(waitForActive(id)) << "active: " << activeWindow().toStdString();
    EXPECT_FALSE(minimised(id));
    // Ctrl+W closes it, as its close control does.
    desktop->xdotool({"key", "ctrl+w"});
    EXPECT_TRUE(waitUntil([&] { return desktop->windows(size).isEmpty(); }));
    game.kill();
}

// A second start brings the table window forward with the keys and onto the player's workspace,
// whether another program covers it, the player minimised it, moved it to another workspace or went
// to another workspace.
TEST_F(UnderOpenbox, ASecondStartBringsTheWindowForwardWhereverItIs) {
    secondStartBringsTheWindowForward();
}

TEST_F(UnderMetacity, ASecondStartBringsTheWindowForwardWhereverItIs) {
    secondStartBringsTheWindowForward();
}

TEST_F(UnderOpenbox, SettingsOpenedFromThePopoverBringItBackWhenClosed) {
    settingsBringThePopoverBack();
}

TEST_F(UnderMetacity, SettingsOpenedFromThePopoverBringItBackWhenClosed) {
    settingsBringThePopoverBack();
}

TEST_F(UnderEvilwm, SettingsOpenedFromThePopoverBringItBackWhenClosed) {
    settingsBringThePopoverBack();
}

TEST_F(UnderOpenbox, AKeyTakenElsewhereSoonAfterSettingsClosedLeavesTheKeysWithItsProgram) {
    aKeyTakenElsewhereSoonAfterSettingsClosed();
}

TEST_F(UnderMetacity, AKeyTakenElsewhereSoonAfterSettingsClosedLeavesTheKeysWithItsProgram) {
    aKeyTakenElsewhereSoonAfterSettingsClosed();
}

TEST_F(UnderOpenbox, AnotherProgramActivatedKeepsTheKeysAndClosesThePopover) {
    anotherProgramActivatedKeepsTheKeys();
}

TEST_F(UnderMetacity, AnotherProgramActivatedKeepsTheKeysAndClosesThePopover) {
    anotherProgramActivatedKeepsTheKeys();
}

TEST_F(UnderOpenboxOnXfce, AnotherProgramActivatedKeepsTheKeysAndClosesThePopover) {
    anotherProgramActivatedKeepsTheKeys();
}

TEST_F(UnderEvilwm, ClosingThePopoverGivesTheFocusBackToTheWindowBefore) {
    QProcess editor;
    const QString before = otherProgram(editor, "the program the player was in", {200, 300});
    ASSERT_FALSE(before.isEmpty()) << "xmessage's window never showed";
    ASSERT_EQ(activeWindow(), before);

    // The shortcut, so the pointer stays where it was: a manager that focuses the window under the
    // pointer then has no reason to move the focus by itself.
    auto game = startGame({"--launched-at-login"}, true);
    ASSERT_TRUE(desktop->trayIcon());
    ASSERT_TRUE(pressTheShortcut(*game)) << game->lines().join('\n').toStdString();
    ASSERT_TRUE(game->waitForLine("showPopover"));
    QThread::msleep(700);
    EXPECT_NE(activeWindow(), before) << "the popover has the keys while it shows";

    const int lines = game->lineCount();
    ASSERT_TRUE(pressTheShortcut(*game));
    ASSERT_TRUE(game->waitForLine("popover closed (toggle)", loadedMachineWait, lines));
    EXPECT_TRUE(waitForActive(before)) << "active: " << activeWindow().toStdString();
    editor.kill();
    editor.waitForFinished(3000);
}

TEST_F(UnderEvilwm, AClickIntoAnotherProgramKeepsTheFocusThere) {
    QProcess first;
    const QString before = otherProgram(first, "where the player was", {200, 300});
    ASSERT_FALSE(before.isEmpty());
    QProcess second;
    const QString clicked = otherProgram(second, "where the player goes", {200, 600});
    ASSERT_FALSE(clicked.isEmpty());
    click({380, 330});
    ASSERT_TRUE(waitForActive(before));

    auto game = startGame({"--launched-at-login"});
    ASSERT_TRUE(clickTheIcon(*game)) << game->lines().join('\n').toStdString();
    ASSERT_TRUE(game->waitForLine("showPopover")) << game->lines().join('\n').toStdString();
    QThread::msleep(700);
    const int lines = game->lineCount();
    click({380, 630});
    ASSERT_TRUE(game->waitForLine("popover closed", loadedMachineWait, lines));
    QThread::msleep(1000);
    EXPECT_EQ(activeWindow(), clicked) << "the click chose where the focus goes";
    for (QProcess* process : {&first, &second}) {
        process->kill();
        process->waitForFinished(3000);
    }
}

} // namespace

// A press outside the recorder ends a recording and does nothing else in the game: on the title bar
// the manager draws round Settings, or on another program's window that lies over the Sounds switch,
// where the press is that program's. The combination pressed next is not taken.
TEST_F(UnderOpenbox, APressOutsideTheRecorderEndsARecordingAndNothingElse) {
    auto game = startGame({"--launched-at-login"}, true);
    ASSERT_TRUE(openWindowFromTheMenu(*game));
    QThread::msleep(700);
    desktop->xdotool({"key", "ctrl+comma"});
    QString settings;
    ASSERT_TRUE(waitUntil([&] {
        for (const ManagedWindow& window : managedWindows())
            if (window.windowClass == "chipwhistle" && window.size.width() == 460)
                settings = window.id;
        return !settings.isEmpty() && waitForActive(settings);
    })) << "Settings did not open";
    QThread::msleep(700);
    const auto stored = [&] {
        QFile file(dataFolder(home.path()) + "/profile.json");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    };
    // From the first drop-down, Tab by Tab to the recorder, which records Ctrl+Shift+L.
    for (int tab = 0; tab < 9; ++tab)
        desktop->xdotool({"key", "Tab"});
    desktop->xdotool({"key", "space"});
    QThread::msleep(500);
    desktop->xdotool({"key", "ctrl+shift+l"});
    ASSERT_TRUE(waitUntil([&] { return stored().contains(R"("key":"L")"); }, 5000)) << stored().toStdString();
    ASSERT_TRUE(stored().contains(R"("soundsOn":true)"));

    static const QRegularExpression number(R"(Absolute upper-left (X|Y):\s+(-?\d+))");
    auto corner = number.globalMatch(desktop->output("xwininfo", {"-id", settings}));
    const int x = corner.next().captured(2).toInt();
    const int y = corner.next().captured(2).toInt();
    const QStringList extents =
        desktop->output("xprop", {"-id", settings, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
    ASSERT_EQ(extents.size(), 4) << "openbox draws no frame round Settings";
    const int titleBar = extents[2].trimmed().toInt();
    ASSERT_GT(titleBar, 4);
    const QPoint sounds(x + 45, y + soundsDown);
    QProcess program;
    // Each row sets the scene and gives the window the press goes to.
    const std::tuple<const char*, std::function<QString()>, QPoint> rows[] = {
        {"the title bar", [&] { return settings; }, {x + 120, y - titleBar / 2}},
        {"another program over the Sounds switch",
         [&] {
             const QString other = otherProgram(program, "over Settings", sounds - QPoint(180, 30));
             // The keys go back to Settings, which stays under the other program.
             desktop->xdotool({"windowfocus", QString::number(settings.toULongLong(nullptr, 16))});
             return waitForActive(settings) ? other : QString();
         },
         sounds},
    };
    for (const auto& [where, prepare, at] : rows) {
        const QString pressedInto = prepare();
        ASSERT_TRUE(pressedInto == settings || above(pressedInto, settings)) << where;
        const QString before = stored();
        desktop->xdotool({"key", "space"});
        QThread::msleep(500);
        click(at);
        EXPECT_TRUE(waitForActive(pressedInto)) << where << ": active " << activeWindow().toStdString();
        QThread::msleep(700);
        desktop->xdotool({"key", "ctrl+shift+k"});
        QThread::msleep(1500);
        EXPECT_EQ(stored().toStdString(), before.toStdString()) << where << ": still recording, or a change";
    }
    program.kill();
    program.waitForFinished(3000);
    game->kill();
}
