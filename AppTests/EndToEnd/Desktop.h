#pragma once

#include "Persistence/LaunchSurface.h"

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

struct Profile;

// How long a test waits for a state it needs: a sanitized game on two cores that other builds and tests
// keep busy can take a minute to start or to answer, and a wait that ends early fails for nothing. A
// state that comes ends the wait at once; a test that waits in vain for several still ends well inside
// its time limit.
inline constexpr int loadedMachineWait = 90000;

// What shows the tray icons: trayer embeds them (XEmbed); Xfce's panel, holding only its tray, and GNOME
// Shell with its AppIndicator extension draw them from what they publish over D-Bus (StatusNotifierItem),
// and draw their menus too. GNOME Shell as Debian installs it, without that extension, shows none: the
// desktop has no tray at all.
enum class TrayHost { trayer, xfcePanel, gnomeShell, gnomeShellWithoutATray };

// The screens of a desktop: one of 1920 × 1080, or two such side by side, the left one the main screen,
// with the tray's panel at the top right of the one named.
enum class Screens { one, twoWithThePanelOnTheLeft, twoWithThePanelOnTheRight };

// A private X display with a tray for end-to-end tests: Xvfb on a free display number, a tray host at
// the top right, xdotool for the pointer and the keys. A host that draws the icons runs on a session bus
// of the desktop's own that the programs on the display join; GNOME Shell manages the windows too.
// Everything is stopped by its own process id.
class Desktop {
  public:
    // Null, with the reason in `whyNot`, when a part cannot start. With a `windowManager` command, that
    // manager takes in the windows once it says it follows EWMH; with none, nothing manages them.
    static std::unique_ptr<Desktop> start(QString& whyNot, const QStringList& windowManager = {},
                                          TrayHost tray = TrayHost::trayer, Screens screens = Screens::one);
    // Which tool the desktop (with that manager, tray and screens) needs is not installed, or that the
    // game is not built; empty when nothing is missing.
    static QString missing(const QStringList& windowManager = {}, TrayHost tray = TrayHost::trayer,
                           Screens screens = Screens::one);
    ~Desktop();

    const QString& display() const { return display_; }
    // The environment of a program on this display.
    QProcessEnvironment environment() const;
    // What `program` printed on this display.
    QString output(const QString& program, const QStringList& arguments) const;
    // Runs xdotool with `arguments` on this display; true when it succeeded.
    bool xdotool(const QStringList& arguments) const;
    // The output of `xwininfo -root -tree`.
    QString windowTree() const;
    // The tray icon of the program whose class is `windowClass`, once embedded in the tray. Xfce's tray
    // draws every icon in one window of its own: there, the icons it draws, once it draws any. GNOME
    // Shell draws them in its panel, where the shell itself tells: the first it draws.
    std::optional<QRect> trayIcon(const QString& windowClass = "chipwhistle") const;
    // Top-level windows of that class with the given size, as on-screen rectangles.
    QList<QRect> windows(QSize size, const QString& windowClass = "chipwhistle") const;
    // The game's menu at its tray icon, while it shows: the game's own window, or the one Xfce's tray
    // or GNOME Shell draws from the menu the game publishes.
    std::optional<QRect> trayMenu() const;
    // The titles of the items of the menu GNOME Shell shows, as it draws them; empty elsewhere.
    QStringList trayMenuItems() const;
    // On GNOME Shell without a tray: turns its AppIndicator extension on or off, as a player does in the
    // Extensions app, and the shell then shows the icons it embeds as trayer does. Whether the shell did:
    // false where the extension is not installed.
    bool turnTrayOn(bool on) const;
    // What GNOME Shell's script `expression` gives, as JSON text; none when the shell does not answer.
    std::optional<QString> askTheShell(const QString& expression) const;
    // What a person would see: the windows shown, biggest first, with their class, and which is active.
    QString shown() const;

    // Saves what the display shows inside `area` as a PNG under gallery/shell.
    bool screenshot(const QString& name, QRect area) const;
    // Asks the window to close as a window manager's close button would.
    bool closeWindow(QRect frame, const QString& windowClass = "chipwhistle") const;
    // The same for the shown window with that title.
    bool closeWindowTitled(const QString& title) const;

  private:
    Desktop() = default;
    // Splits the desktop into two screens side by side, the panel's taking the X server's one output.
    bool splitIntoTwoScreens(Screens screens);
    bool startTrayer(QString& whyNot, Screens screens);
    bool startXfcePanel(QString& whyNot);
    // With its AppIndicator extension when `tray`.
    bool startGnomeShell(QString& whyNot, bool tray);
    // Starts the desktop's own session bus, with the environment the tray host then runs in; false
    // with the reason when it cannot.
    bool startSessionBus(QProcessEnvironment& environment, QString& whyNot);
    // Waits until the tray's StatusNotifierItem watcher says a host shows the icons.
    bool waitForTrayHost();
    bool startWindowManager(const QStringList& command);
    // Runs a program on this display; true when it ended with success. `output` gets what it printed.
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr) const;
    QProcess xvfb_;
    QProcess trayer_;
    QProcess manager_;
    QString display_;
    QSize size_{1920, 1080};
    TrayHost tray_ = TrayHost::trayer;
    // Xfce's panel or GNOME Shell, its session bus and the folder its settings are read from.
    QProcess bus_;
    QProcess panel_;
    QString busAddress_;
    QTemporaryDir panelHome_;
};

// One run of the game on a desktop, with a home of its own so the player's real profile is never
// touched; its surface log is read line by line.
class GameProcess {
  public:
    GameProcess(const Desktop& desktop, const QString& home, QStringList arguments = {});
    // With `extra` added to the environment.
    GameProcess(const Desktop& desktop, const QString& home, QStringList arguments,
                const QProcessEnvironment& extra);
    ~GameProcess();

    bool started() const;
    // Waits up to `milliseconds` for a log line starting with `prefix` after the first `from` lines.
    bool waitForLine(const QString& prefix, int milliseconds = loadedMachineWait, int from = 0);
    QStringList lines();
    // Waits up to `milliseconds` for `text` anywhere in what the process printed, any category's lines
    // included.
    bool waitForOutput(const QString& text, int milliseconds = loadedMachineWait);
    int lineCount() { return lines().size(); }
    // Waits for the process to end; its exit code, or none when it did not end or crashed.
    std::optional<int> waitForExit(int milliseconds = 5000);
    qint64 pid() const { return process_.processId(); }
    // Everything the process printed so far, log lines of every category included.
    QString output();
    void kill();
    // Sends SIGTERM, as a desktop does at logout.
    void terminate() { process_.terminate(); }

  private:
    QProcess process_;
    QString output_;
};

// Starts a game whose player has finished the introduction (with the shortcut on when `hotkey`, and
// chose to open the game in `opensIn`) and waits for its icon in the tray.
std::unique_ptr<GameProcess> startOnboardedGame(const Desktop& desktop, const QString& home,
                                                const QStringList& arguments, bool hotkey,
                                                LaunchSurface opensIn = LaunchSurface::menuBar);

// The environment a game process sees: this desktop's display and everything under `home`.
QProcessEnvironment gameEnvironment(const Desktop& desktop, const QString& home);
// Writes a profile under `home` as the game reads it; false when it cannot.
bool writeProfile(const QString& home, const Profile& profile);
void writeProfile(const QString& home, bool onboarded, bool hotkey = false,
                  LaunchSurface opensIn = LaunchSurface::menuBar);
QString dataFolder(const QString& home);

// The sizes the game's popover and table window open at.
inline constexpr QSize popoverSize{420, 560};
inline constexpr QSize windowSize{1100, 750};
inline constexpr QSize onboardingSize{600, 640};

// Polls `condition` until it holds or `milliseconds` have passed; whether it held.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = loadedMachineWait);

// The tests of one suite share a desktop, started before the first and stopped after the last. Each
// test has a home of its own and skips, saying why, when a tool the desktop needs is not installed.
class DesktopTest : public ::testing::Test {
  public:
    static void SetUpTestSuite() { startDesktop(); }
    static void TearDownTestSuite();

  protected:
    // A suite that needs more than the bare desktop starts it itself, with `windowManager` if any and
    // that kind of tray.
    static void startDesktop(const QStringList& windowManager = {}, TrayHost trayHost = TrayHost::trayer,
                             Screens screenLayout = Screens::one);
    void SetUp() override;
    // A test that failed may leave anything on its display (a button held down, a menu open, the keys
    // nowhere): the next test gets a new display, with the same window manager.
    void TearDown() override;

    // An onboarded game in this test's home, once its icon is in the tray.
    std::unique_ptr<GameProcess> startGame(QStringList arguments = {}, bool hotkey = false) const;
    // An onboarded game whose player chose to open it in the table window, started as from a launcher:
    // the window shows without a menu or a click.
    std::unique_ptr<GameProcess> startGameInTheWindow(bool hotkey = false) const;
    QRect icon() const { return desktop->trayIcon().value_or(QRect()); }
    // Whether xdotool could move there and click.
    bool click(QPoint at, int button = 1) const;
    // Clicks the tray icon until the game says it had the click: one that came before the icon took
    // clicks is clicked again. Whether the game had it.
    bool clickTheIcon(GameProcess& game) const;
    // The windows of that size once `count` of them show, or as they are after the wait's bound.
    QList<QRect> waitForWindows(QSize size, int count = 1) const;
    // Opens the tray icon's menu with a right click on the icon, clicking again when no menu showed: its
    // frame once it shows, else none, with what was seen after each try added to `seen`.
    std::optional<QRect> openTheMenu(QString& seen, int tries = 3) const;
    // Opens the tray icon's menu and picks an item with `keys`, as a player does: the keys go once the
    // menu shows, and a menu that did not show, or stayed open, is opened again. What was seen when
    // that never worked.
    ::testing::AssertionResult chooseFromTheMenu(GameProcess& game, const QStringList& keys) const;
    // Opens the table window from the tray icon's menu; what was seen when it did not show.
    ::testing::AssertionResult openWindowFromTheMenu(GameProcess& game) const;
    // Goes through a first launch's introduction by keys, a click and an arrow key, choosing to open
    // the game in the window, until the game says it finished; what was seen when it did not.
    // `seen` is shown the window at its welcome page and with the choices made.
    ::testing::AssertionResult
    goThroughOnboarding(GameProcess& game,
                        const std::function<void(const QString& page, QRect window)>& seen = {}) const;

    static Desktop* desktop;
    static QString whyNot;
    static QStringList windowManager;
    static TrayHost tray;
    static Screens screens;
    // Whether the desktop would not start though every tool is there.
    static bool startFailed;
    QTemporaryDir home;
};
