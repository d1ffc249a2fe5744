#include "Desktop.h"

#include "Persistence/Profile.h"
#include "Support/TestPaths.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace {

const QString gameBinary = TestPaths::buildFolder() + QStringLiteral("/App/chipwhistle");

// How long the X server and a window manager may take to come up. Both take seconds on two cores a
// sanitized game and other builds keep busy; one that takes longer is taken for one that cannot start.
constexpr int comingUp = 60000;

bool stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return true;
    }
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
    return true;
}

// Xfce's panel at the top right, as short as what it holds: its tray alone, which draws the icons
// registered over D-Bus as well as embedding others.
constexpr char xfcePanelSettings[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=2;x=0;y=0"/>
      <property name="length" type="uint" value="1"/>
      <property name="length-adjust" type="bool" value="true"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)";

// GNOME Shell's AppIndicator extension, as Debian and Ubuntu name it, and as its authors do.
QString appIndicatorExtension() {
    for (const char* uuid : {"ubuntu-appindicators@ubuntu.com", "appindicatorsupport@rgcjonas.gmail.com"}) {
        if (QFile::exists(QStringLiteral("/usr/share/gnome-shell/extensions/%1/metadata.json").arg(uuid))) {
            return QString::fromLatin1(uuid);
        }
    }
    return {};
}

// An extension of the tests' own, which lets them ask GNOME Shell what it shows (org.gnome.Shell.Eval),
// as its Looking Glass may.
const QString askingExtension = QStringLiteral("asking@chipwhistle.test");
constexpr char askingExtensionMetadata[] = R"({"uuid": "asking@chipwhistle.test", "name": "Asking",
 "description": "Lets tests ask the shell what it shows", "shell-version": ["43", "44"]})";
constexpr char askingExtensionScript[] = R"(function init() {}
function enable() { global.context.unsafe_mode = true; }
function disable() { global.context.unsafe_mode = false; }
)";

// Writes `contents` to the file at `path`, making its folder; false when it cannot.
bool writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The X class of the windows Xfce's tray draws in: its icons and the menus it opens for them.
const QString xfceTrayClass = QStringLiteral("wrapper-2.0");

// The windows of that class in `tree` (xwininfo's), each with its row.
QList<std::pair<QString, QRect>> classedWindows(const QString& tree, const QString& windowClass);

} // namespace

QString Desktop::missing(const QStringList& windowManager, TrayHost tray, Screens screens) {
    QStringList tools{"Xvfb", "xdotool", "xwininfo"};
    if (screens != Screens::one) {
        tools << "xrandr";
    }
    switch (tray) {
    case TrayHost::trayer:
        tools << "trayer";
        break;
    case TrayHost::xfcePanel:
        tools << "xfce4-panel"
              << "dbus-daemon"
              << "xprop";
        break;
    case TrayHost::gnomeShell:
    case TrayHost::gnomeShellWithoutATray:
        tools << "gnome-shell"
              << "dbus-daemon"
              << "xprop";
        break;
    }
    if (!windowManager.isEmpty()) {
        tools << windowManager.front() << "xprop";
    }
    for (const QString& tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            return QStringLiteral("%1 is not installed").arg(tool);
        }
    }
    if (tray == TrayHost::gnomeShell && !QStandardPaths::findExecutable("gnome-shell").isEmpty() &&
        appIndicatorExtension().isEmpty()) {
        return QStringLiteral("GNOME Shell's AppIndicator extension is not installed");
    }
    if (!QFile::exists(gameBinary)) {
        return QStringLiteral("the game is not built at %1").arg(gameBinary);
    }
    return {};
}

std::unique_ptr<Desktop> Desktop::start(QString& whyNot, const QStringList& windowManager, TrayHost tray,
                                        Screens screens) {
    whyNot = missing(windowManager, tray, screens);
    if (!whyNot.isEmpty()) {
        return nullptr;
    }
    std::unique_ptr<Desktop> desktop(new Desktop);
    desktop->tray_ = tray;
    QStringList arguments{"-nolisten", "tcp"};
    if (screens != Screens::one) {
        desktop->size_ = QSize(3840, 1080);
        // The screens are the server's own once set, but a server that lost its last program starts
        // afresh, and the screens are set before the first program that stays.
        arguments << "-noreset";
    }
    // -displayfd 1 picks a free display and writes its number to standard output.
    desktop->xvfb_.start(
        "Xvfb",
        QStringList{"-displayfd", "1", "-screen", "0",
                    QStringLiteral("%1x%2x24").arg(desktop->size_.width()).arg(desktop->size_.height())} +
            arguments);
    QElapsedTimer clock;
    clock.start();
    QString number;
    while (clock.elapsed() < comingUp && !number.contains('\n')) {
        desktop->xvfb_.waitForReadyRead(100);
        number += QString::fromLatin1(desktop->xvfb_.readAllStandardOutput());
        if (desktop->xvfb_.state() == QProcess::NotRunning) {
            break;
        }
    }
    if (!number.contains('\n')) {
        whyNot = QStringLiteral("Xvfb did not start in %1 s: %2")
                     .arg(clock.elapsed() / 1000)
                     .arg(QString::fromLocal8Bit(desktop->xvfb_.readAllStandardError()).right(300));
        return nullptr;
    }
    desktop->display_ = ':' + number.trimmed();
    if (screens != Screens::one && !desktop->splitIntoTwoScreens(screens)) {
        whyNot = QStringLiteral("xrandr could not split the display into two screens: %1")
                     .arg(desktop->output("xrandr", {"--listmonitors"}));
        return nullptr;
    }
    const bool trayUp = tray == TrayHost::trayer ? desktop->startTrayer(whyNot, screens)
                        : tray == TrayHost::xfcePanel
                            ? desktop->startXfcePanel(whyNot)
                            : desktop->startGnomeShell(whyNot, tray == TrayHost::gnomeShell);
    if (!trayUp) {
        return nullptr;
    }
    if (!windowManager.isEmpty() && !desktop->startWindowManager(windowManager)) {
        whyNot = QStringLiteral("%1 did not come up in %2 s").arg(windowManager.front()).arg(comingUp / 1000);
        return nullptr;
    }
    return desktop;
}

bool Desktop::splitIntoTwoScreens(Screens screens) {
    // Xvfb has one output, and GTK (so Xfce's panel) sees only a screen that shows one: the panel's
    // screen takes it, so the panel goes there. The toolkit of the game sees both screens.
    const bool panelOnTheLeft = screens == Screens::twoWithThePanelOnTheLeft;
    const QString theOutput = QStringLiteral("screen");
    const QString none = QStringLiteral("none");
    return run("xrandr",
               {"--setmonitor", "*left", "1920/508x1080/286+0+0", panelOnTheLeft ? theOutput : none}) &&
           run("xrandr",
               {"--setmonitor", "right", "1920/508x1080/286+1920+0", panelOnTheLeft ? none : theOutput}) &&
           output("xrandr", {"--listmonitors"}).startsWith("Monitors: 2");
}

bool Desktop::startTrayer(QString& whyNot, Screens screens) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    trayer_.setProcessEnvironment(environment);
    QElapsedTimer clock;
    // On a loaded machine trayer now and then ends before its panel shows; it gets one more start.
    const auto panelShows = [this] { return windowTree().contains("\"panel\""); };
    for (int start = 0; start < 2 && !panelShows() && trayer_.state() == QProcess::NotRunning; ++start) {
        trayer_.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height",
                                 "32", "--SetDockType", "true", "--transparent", "false", "--monitor",
                                 screens == Screens::twoWithThePanelOnTheRight ? "1" : "0"});
        if (!trayer_.waitForStarted(5000)) {
            whyNot = QStringLiteral("trayer did not start");
            return false;
        }
        clock.restart();
        // Waiting on the process notices its end as well as passing the time.
        while (clock.elapsed() < 20000 && !panelShows() && !trayer_.waitForFinished(50) &&
               trayer_.state() == QProcess::Running) {
        }
    }
    if (!panelShows()) {
        whyNot = trayer_.state() == QProcess::Running
                     ? QStringLiteral("trayer's panel never appeared")
                     : QStringLiteral("trayer ended (exit %1) before its panel appeared: %2")
                           .arg(trayer_.exitCode())
                           .arg(QString::fromLocal8Bit(trayer_.readAllStandardError()).left(300));
        return false;
    }
    return true;
}

bool Desktop::startSessionBus(QProcessEnvironment& environment, QString& whyNot) {
    if (!panelHome_.isValid()) {
        whyNot = QStringLiteral("no temporary folder for the tray host's settings");
        return false;
    }
    const QString home = panelHome_.path();
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_CACHE_HOME", home + "/cache");
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_RUNTIME_DIR", home + "/run");
    // Keeps the host off the accessibility bus, which readers' tests on this machine start for themselves.
    environment.insert("NO_AT_BRIDGE", "1");
    environment.insert("GTK_A11Y", "none");
    // The bus hands its environment on to the services it starts for the host.
    bus_.setProcessEnvironment(environment);
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(comingUp)) {
        whyNot = QStringLiteral("the session bus did not start");
        return false;
    }
    busAddress_ = QString::fromUtf8(bus_.readLine()).trimmed();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress_);
    return true;
}

bool Desktop::waitForTrayHost() {
    // The tray is up once its watcher says a host shows the icons registered with it.
    const QString connection = QStringLiteral("watcher") + display_;
    bool hostUp = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(busAddress_, connection);
        hostUp = waitUntil(
            [&] {
                QDBusMessage ask =
                    QDBusMessage::createMethodCall("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                                   "org.freedesktop.DBus.Properties", "Get");
                ask << QStringLiteral("org.kde.StatusNotifierWatcher")
                    << QStringLiteral("IsStatusNotifierHostRegistered");
                const QDBusMessage answer = bus.call(ask, QDBus::Block, 2000);
                return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
                       answer.arguments().constFirst().value<QDBusVariant>().variant().toBool();
            },
            comingUp);
    }
    QDBusConnection::disconnectFromBus(connection);
    return hostUp;
}

bool Desktop::startXfcePanel(QString& whyNot) {
    QProcessEnvironment environment;
    if (!startSessionBus(environment, whyNot)) {
        return false;
    }
    if (!writeFile(panelHome_.path() + "/config/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml",
                   xfcePanelSettings)) {
        whyNot = QStringLiteral("the panel's settings could not be written");
        return false;
    }
    panel_.setProcessEnvironment(environment);
    panel_.start("xfce4-panel", {"--disable-wm-check"});
    if (!panel_.waitForStarted(5000)) {
        whyNot = QStringLiteral("xfce4-panel did not start");
        return false;
    }
    if (!waitForTrayHost()) {
        whyNot = QStringLiteral("Xfce's tray never registered as a host: %1")
                     .arg(QString::fromLocal8Bit(panel_.readAllStandardError()).right(300));
        return false;
    }
    // A window manager tells the programs the work area the panel leaves: with none here, the desktop
    // does, from the panel's band at the top.
    const auto panelBand = [this]() -> std::optional<QRect> {
        for (const auto& [row, rect] : classedWindows(windowTree(), "xfce4-panel")) {
            if (rect.top() == 0 && rect.height() > 16 && rect.height() <= 64) {
                return rect;
            }
        }
        return std::nullopt;
    };
    if (!waitUntil([&] { return panelBand().has_value(); }, comingUp)) {
        whyNot = QStringLiteral("Xfce's panel never appeared");
        return false;
    }
    const int below = panelBand()->bottom() + 1;
    // A window manager tells one work area for all the screens together, as if the panel spanned them.
    return run("xprop",
               {"-root", "-format", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA",
                QStringLiteral("0, %1, %2, %3").arg(below).arg(size_.width()).arg(size_.height() - below)});
}

bool Desktop::startGnomeShell(QString& whyNot, bool tray) {
    QProcessEnvironment environment;
    if (!startSessionBus(environment, whyNot)) {
        return false;
    }
    const QString home = panelHome_.path();
    // The shell reads its settings from a file of the desktop's own: the AppIndicator extension (for a
    // tray) and the tests' own on, the welcome tour off.
    const QStringList extensions =
        tray ? QStringList{appIndicatorExtension(), askingExtension} : QStringList{askingExtension};
    const QByteArray settings = QStringLiteral("[org/gnome/shell]\nenabled-extensions=['%1']\n"
                                               "welcome-dialog-last-shown-version='999'\n")
                                    .arg(extensions.join("', '"))
                                    .toUtf8();
    const QString extension = home + "/data/gnome-shell/extensions/" + askingExtension;
    if (!writeFile(home + "/config/glib-2.0/settings/keyfile", settings) ||
        !writeFile(extension + "/metadata.json", askingExtensionMetadata) ||
        !writeFile(extension + "/extension.js", askingExtensionScript)) {
        whyNot = QStringLiteral("GNOME Shell's settings could not be written");
        return false;
    }
    environment.insert("GSETTINGS_BACKEND", "keyfile");
    // The shell asks the system bus for the login manager and more: the desktop's own bus stands in, so
    // it never reaches the machine's, where none of those may be.
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", busAddress_);
    panel_.setProcessEnvironment(environment);
    // The shell says much, and nobody reads a pipe while the tests wait: a full one would stop it.
    const QString log = home + "/gnome-shell.log";
    panel_.setProcessChannelMode(QProcess::MergedChannels);
    panel_.setStandardOutputFile(log);
    panel_.start("gnome-shell", {"--x11", "--replace"});
    if (!panel_.waitForStarted(5000)) {
        whyNot = QStringLiteral("gnome-shell did not start");
        return false;
    }
    const auto said = [log] {
        QFile printed(log);
        return printed.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(printed.readAll()).right(600)
                                                 : QString();
    };
    if (tray && !waitForTrayHost()) {
        whyNot =
            QStringLiteral("GNOME Shell's AppIndicator extension never served a watcher: %1").arg(said());
        return false;
    }
    // The shell opens on its overview once it has started; a player's desktop shows the windows.
    if (!waitUntil(
            [this] {
                return askTheShell("Main.layoutManager._startingUp || Main.overview.animationInProgress ? "
                                   "'starting' : Main.overview.visible ? (Main.overview.hide(), 'shown') : "
                                   "'hidden'") == QStringLiteral("\"hidden\"");
            },
            comingUp)) {
        whyNot = QStringLiteral("GNOME Shell never answered, or kept its overview: %1").arg(said());
        return false;
    }
    return true;
}

std::optional<QString> Desktop::askTheShell(const QString& expression) const {
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress_, QStringLiteral("shell") + display_);
    QDBusMessage ask =
        QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval");
    ask << expression;
    const QDBusMessage answer = bus.call(ask, QDBus::Block, 10000);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().size() != 2 ||
        !answer.arguments().constFirst().toBool()) {
        return std::nullopt;
    }
    return answer.arguments().constLast().toString();
}

bool Desktop::startWindowManager(const QStringList& command) {
    manager_.setProcessEnvironment(environment());
    manager_.start(command.front(), command.mid(1));
    const auto managing = [this] {
        return output("xprop", {"-root", "_NET_SUPPORTED"}).contains("_NET_ACTIVE_WINDOW");
    };
    return waitUntil(managing, comingUp);
}

Desktop::~Desktop() {
    if (!busAddress_.isEmpty()) {
        QDBusConnection::disconnectFromBus(QStringLiteral("shell") + display_);
    }
    stop(manager_);
    stop(trayer_);
    stop(panel_);
    stop(bus_);
    stop(xvfb_);
}

QProcessEnvironment Desktop::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.remove("QT_QPA_PLATFORM");
    if (!busAddress_.isEmpty()) {
        environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress_);
    }
    return environment;
}

QString Desktop::output(const QString& program, const QStringList& arguments) const {
    QString printed;
    run(program, arguments, &printed);
    return printed;
}

bool Desktop::run(const QString& program, const QStringList& arguments, QString* output) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    const bool finished = process.waitForFinished(10000);
    if (output) {
        *output = QString::fromUtf8(process.readAllStandardOutput());
    }
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool Desktop::xdotool(const QStringList& arguments) const {
    return run("xdotool", arguments);
}

QString Desktop::windowTree() const {
    return output("xwininfo", {"-root", "-tree"});
}

namespace {

// "0x400006 "Chipwhistle": ("chipwhistle" "Chipwhistle")  22x30+0+0  +1897+1"
QList<std::pair<QString, QRect>> classedWindows(const QString& tree, const QString& windowClass) {
    static const QRegularExpression line(
        R"re(\("([^"]*)" "[^"]*"\)\s+(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+(-?\d+)\+(-?\d+))re");
    QList<std::pair<QString, QRect>> found;
    for (const QString& row : tree.split('\n')) {
        const auto match = line.match(row);
        if (match.hasMatch() && match.captured(1) == windowClass) {
            found.push_back({row, QRect(match.captured(4).toInt(), match.captured(5).toInt(),
                                        match.captured(2).toInt(), match.captured(3).toInt())});
        }
    }
    return found;
}

// A window the X server shows, as xwininfo describes it.
struct ShownWindow {
    QString id;
    QString title;
    QRect frame;
    // Menus and pop-ups place themselves: no manager frames or moves them.
    bool placesItself = false;
};

ShownWindow describe(const QString& id, const QString& info) {
    static const QRegularExpression title(R"re(Window id: \S+ (.*))re"),
        x(R"(Absolute upper-left X:\s+(-?\d+))"), y(R"(Absolute upper-left Y:\s+(-?\d+))"),
        width(R"(Width: (\d+))"), height(R"(Height: (\d+))");
    const auto number = [&](const QRegularExpression& field) {
        return field.match(info).captured(1).toInt();
    };
    return {id, title.match(info).captured(1), QRect(number(x), number(y), number(width), number(height)),
            info.contains("Override Redirect State: yes")};
}

// The windows shown that xdotool finds with `search`.
QList<ShownWindow> shownWindows(const Desktop& desktop, const QStringList& search) {
    QList<ShownWindow> found;
    const QString ids = desktop.output("xdotool", QStringList{"search", "--onlyvisible"} + search);
    for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
        const QString hex = "0x" + QString::number(id.toULongLong(), 16);
        const ShownWindow window = describe(hex, desktop.output("xwininfo", {"-id", hex}));
        // Leaves out the one-pixel helpers programs and managers keep off screen.
        if (window.frame.width() > 2 && window.frame.height() > 2) {
            found << window;
        }
    }
    return found;
}

} // namespace

namespace {

// The shell's script that finds the first icon the AppIndicator extension draws in the panel.
const QString drawnIcon = QStringLiteral(
    "Object.entries(Main.panel.statusArea).find(([id, item]) => id.startsWith('appindicator-') &&"
    " item.visible && item.is_mapped())?.[1]");

// The rectangle GNOME Shell gave as [x, y, width, height], with the sizes rounded; none for anything else.
std::optional<QRect> shellRect(const std::optional<QString>& answer) {
    if (!answer) {
        return std::nullopt;
    }
    const auto rect = nlohmann::json::parse(answer->toStdString(), nullptr, false);
    // A box not laid out yet has no numbers.
    if (!rect.is_array() || rect.size() != 4 ||
        !std::all_of(rect.begin(), rect.end(), [](const auto& value) { return value.is_number(); })) {
        return std::nullopt;
    }
    return QRect(rect[0].get<int>(), rect[1].get<int>(), rect[2].get<int>(), rect[3].get<int>());
}

// The shell's script giving `actor`'s rectangle on the screen, or null.
QString rectOf(const QString& actor) {
    return QStringLiteral(
               "((actor) => { if (!actor) return null; const [x, y] = actor.get_transformed_position();"
               " const [w, h] = actor.get_transformed_size(); return [x, y, w, h].map(Math.round); })(%1)")
        .arg(actor);
}

} // namespace

QStringList Desktop::trayMenuItems() const {
    if (tray_ != TrayHost::gnomeShell) {
        return {};
    }
    const auto answer = askTheShell(
        QStringLiteral("(%1)?.menu._getMenuItems().filter(item => item.visible && item.label?.text)"
                       ".map(item => item.label.text) ?? []")
            .arg(drawnIcon));
    QStringList titles;
    if (answer) {
        const auto items = nlohmann::json::parse(answer->toStdString(), nullptr, false);
        for (const auto& title : items.is_array() ? items : nlohmann::json::array()) {
            titles << QString::fromStdString(title.get<std::string>());
        }
    }
    return titles;
}

std::optional<QRect> Desktop::trayMenu() const {
    if (tray_ == TrayHost::gnomeShell) {
        return shellRect(askTheShell(rectOf(
            QStringLiteral("((item) => item?.menu.isOpen ? item.menu.box : null)(%1)").arg(drawnIcon))));
    }
    const QString menuClass = tray_ == TrayHost::trayer ? QStringLiteral("chipwhistle") : xfceTrayClass;
    for (const ShownWindow& window : shownWindows(*this, {"--class", menuClass})) {
        // Neither the icon, which sits in the tray's panel, nor the popover.
        if (window.placesItself && window.frame.width() > 64 && window.frame.size() != popoverSize) {
            return window.frame;
        }
    }
    return std::nullopt;
}

QString Desktop::shown() const {
    QList<ShownWindow> all = shownWindows(*this, {"--name", ""});
    std::sort(all.begin(), all.end(), [](const ShownWindow& a, const ShownWindow& b) {
        return a.frame.width() * a.frame.height() > b.frame.width() * b.frame.height();
    });
    QString seen = "active: " + output("xprop", {"-root", "_NET_ACTIVE_WINDOW"}).section('#', 1).trimmed();
    for (const ShownWindow& window : all) {
        seen += QStringLiteral("\n%1 %2 %3x%4 at %5,%6%7")
                    .arg(window.id, window.title)
                    .arg(window.frame.width())
                    .arg(window.frame.height())
                    .arg(window.frame.x())
                    .arg(window.frame.y())
                    .arg(window.placesItself ? " (places itself)" : "");
    }
    return seen;
}

bool Desktop::turnTrayOn(bool on) const {
    const QString extension = appIndicatorExtension();
    return tray_ == TrayHost::gnomeShellWithoutATray && !extension.isEmpty() &&
           askTheShell(QStringLiteral("Main.extensionManager.%1Extension('%2')")
                           .arg(on ? "enable" : "disable", extension)) == QStringLiteral("true");
}

std::optional<QRect> Desktop::trayIcon(const QString& windowClass) const {
    if (tray_ == TrayHost::gnomeShell) {
        const std::optional<QRect> icon = shellRect(askTheShell(rectOf(drawnIcon)));
        return icon && !icon->isEmpty() ? icon : std::nullopt;
    }
    // Xfce's tray window in the panel is as wide as the icons it draws: a sliver while it draws none.
    // trayer, and GNOME Shell's extension turned on after the game came up, embed the game's own.
    const QString iconClass = tray_ == TrayHost::xfcePanel ? xfceTrayClass : windowClass;
    for (const auto& [row, rect] : classedWindows(windowTree(), iconClass)) {
        if (tray_ == TrayHost::xfcePanel && rect.width() < 16) {
            continue;
        }
        // The icon sits inside the tray's panel: a small window indented below it.
        if (rect.width() <= 64 && rect.height() <= 64 && row.startsWith("           ")) {
            return rect;
        }
    }
    return std::nullopt;
}

QList<QRect> Desktop::windows(QSize size, const QString& windowClass) const {
    QList<QRect> found;
    for (const auto& [row, rect] : classedWindows(windowTree(), windowClass)) {
        if (rect.size() == size) {
            found << rect;
        }
    }
    return found;
}

bool Desktop::screenshot(const QString& name, QRect area) const {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/shell");
    QDir().mkpath(folder);
    return run(TestPaths::buildFolder() + QStringLiteral("/tools/grab_screen"),
               {folder + '/' + name + ".png", QString::number(area.x()), QString::number(area.y()),
                QString::number(area.width()), QString::number(area.height())});
}

bool Desktop::closeWindow(QRect frame, const QString& windowClass) const {
    for (const auto& [row, rect] : classedWindows(windowTree(), windowClass)) {
        if (rect == frame) {
            return run(TestPaths::buildFolder() + QStringLiteral("/tools/close_window"),
                       {row.trimmed().section(' ', 0, 0)});
        }
    }
    return false;
}

bool Desktop::closeWindowTitled(const QString& title) const {
    const QList<ShownWindow> shown = shownWindows(*this, {"--name", title});
    return !shown.isEmpty() &&
           run(TestPaths::buildFolder() + QStringLiteral("/tools/close_window"), {shown.front().id});
}

QProcessEnvironment gameEnvironment(const Desktop& desktop, const QString& home) {
    QProcessEnvironment environment = desktop.environment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.insert("XDG_DATA_HOME", home + "/.local/share");
    environment.insert("XDG_RUNTIME_DIR", home + "/run");
    environment.insert("QT_LOGGING_RULES", "Chipwhistle.surfaces.info=true");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return environment;
}

QString dataFolder(const QString& home) {
    return home + "/.local/share/Chipwhistle";
}

bool writeProfile(const QString& home, const Profile& profile) {
    QDir().mkpath(dataFolder(home));
    QFile file(dataFolder(home) + "/profile.json");
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::fromStdString(nlohmann::json(profile).dump())) > 0;
}

void writeProfile(const QString& home, bool onboarded, bool hotkey, LaunchSurface opensIn) {
    Profile profile;
    profile.onboarded = onboarded;
    profile.settings.hotkey.enabled = hotkey;
    profile.settings.launchSurface = opensIn;
    writeProfile(home, profile);
}

std::unique_ptr<GameProcess> startOnboardedGame(const Desktop& desktop, const QString& home,
                                                const QStringList& arguments, bool hotkey,
                                                LaunchSurface opensIn) {
    writeProfile(home, true, hotkey, opensIn);
    // The tray lets go of an ended game's icon a moment after the game has gone; the new icon is the
    // one found only once the old one has left.
    waitUntil([&] { return !desktop.trayIcon().has_value(); }, 5000);
    auto game = std::make_unique<GameProcess>(desktop, home, arguments);
    waitUntil([&] { return desktop.trayIcon().has_value(); });
    return game;
}

GameProcess::GameProcess(const Desktop& desktop, const QString& home, QStringList arguments) {
    process_.setProcessEnvironment(gameEnvironment(desktop, home));
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(gameBinary, arguments);
    process_.waitForStarted(5000);
}

GameProcess::GameProcess(const Desktop& desktop, const QString& home, QStringList arguments,
                         const QProcessEnvironment& extra) {
    QProcessEnvironment environment = gameEnvironment(desktop, home);
    environment.insert(extra);
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(gameBinary, arguments);
    process_.waitForStarted(5000);
}

GameProcess::~GameProcess() {
    stop(process_);
}

bool GameProcess::started() const {
    return process_.state() != QProcess::NotRunning || process_.exitStatus() == QProcess::NormalExit;
}

QString GameProcess::output() {
    output_ += QString::fromUtf8(process_.readAll());
    return output_;
}

QStringList GameProcess::lines() {
    output();
    QStringList found;
    for (const QString& line : output_.split('\n')) {
        const QString prefix = QStringLiteral("Chipwhistle.surfaces: ");
        if (line.startsWith(prefix)) {
            found << line.mid(prefix.size());
        }
    }
    return found;
}

bool GameProcess::waitForLine(const QString& prefix, int milliseconds, int from) {
    QElapsedTimer clock;
    clock.start();
    do {
        const QStringList all = lines();
        for (int i = from; i < all.size(); ++i) {
            if (all[i].startsWith(prefix)) {
                return true;
            }
        }
        process_.waitForReadyRead(50);
    } while (clock.elapsed() < milliseconds);
    return false;
}

bool GameProcess::waitForOutput(const QString& text, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!output().contains(text)) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        process_.waitForReadyRead(50);
    }
    return true;
}

std::optional<int> GameProcess::waitForExit(int milliseconds) {
    if (!process_.waitForFinished(milliseconds) && process_.state() != QProcess::NotRunning) {
        return std::nullopt;
    }
    lines();
    if (process_.exitStatus() != QProcess::NormalExit) {
        return std::nullopt;
    }
    return process_.exitCode();
}

void GameProcess::kill() {
    process_.kill();
    process_.waitForFinished(3000);
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

Desktop* DesktopTest::desktop = nullptr;
QString DesktopTest::whyNot;
QStringList DesktopTest::windowManager;
TrayHost DesktopTest::tray = TrayHost::trayer;
Screens DesktopTest::screens = Screens::one;
bool DesktopTest::startFailed = false;

void DesktopTest::startDesktop(const QStringList& manager, TrayHost trayKind, Screens screenLayout) {
    whyNot.clear();
    windowManager = manager;
    tray = trayKind;
    screens = screenLayout;
    desktop = Desktop::start(whyNot, manager, trayKind, screenLayout).release();
    // With every tool there, a display a loaded machine could not bring up is tried once more.
    startFailed = !desktop && Desktop::missing(manager, trayKind, screenLayout).isEmpty();
    if (startFailed) {
        desktop = Desktop::start(whyNot, manager, trayKind, screenLayout).release();
        startFailed = !desktop;
    }
    if (!desktop) {
        std::fprintf(stderr, "end-to-end tests cannot start their desktop: %s\n", qPrintable(whyNot));
    }
}

void DesktopTest::TearDownTestSuite() {
    delete desktop;
    desktop = nullptr;
    startFailed = false;
}

void DesktopTest::TearDown() {
    if (desktop && HasFailure()) {
        TearDownTestSuite();
        startDesktop(windowManager, tray, screens);
    }
}

void DesktopTest::SetUp() {
    // Only a tool not installed skips: a desktop that would not start twice fails every test of it.
    if (!desktop && !startFailed) {
        GTEST_SKIP() << whyNot.toStdString();
    }
    ASSERT_TRUE(desktop) << whyNot.toStdString();
    ASSERT_TRUE(home.isValid()) << "no temporary folder for a home";
}

std::unique_ptr<GameProcess> DesktopTest::startGame(QStringList arguments, bool hotkey) const {
    return startOnboardedGame(*desktop, home.path(), arguments, hotkey);
}

bool DesktopTest::click(QPoint at, int button) const {
    return desktop->xdotool(
        {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", QString::number(button)});
}

bool DesktopTest::clickTheIcon(GameProcess& game) const {
    const int before = game.lineCount();
    for (int attempt = 0; attempt < 3; ++attempt) {
        click(icon().center());
        if (game.waitForLine("icon click", loadedMachineWait / 3, before))
            return true;
    }
    return false;
}

QList<QRect> DesktopTest::waitForWindows(QSize size, int count) const {
    waitUntil([&] { return desktop->windows(size).size() == count; });
    return desktop->windows(size);
}

std::unique_ptr<GameProcess> DesktopTest::startGameInTheWindow(bool hotkey) const {
    return startOnboardedGame(*desktop, home.path(), {}, hotkey, LaunchSurface::window);
}

std::optional<QRect> DesktopTest::openTheMenu(QString& seen, int tries) const {
    for (int attempt = 1; attempt <= tries; ++attempt) {
        click(icon().center(), 3);
        if (waitUntil([] { return desktop->trayMenu().has_value(); }, 10000)) {
            if (const auto menu = desktop->trayMenu()) {
                return menu;
            }
        }
        seen += QStringLiteral("\nno menu after a right click on the icon at %1,%2; shown:\n%3")
                    .arg(icon().center().x())
                    .arg(icon().center().y())
                    .arg(desktop->shown());
    }
    return std::nullopt;
}

::testing::AssertionResult DesktopTest::chooseFromTheMenu(GameProcess& game, const QStringList& keys) const {
    const int before = game.lineCount();
    QString seen;
    const auto menuShows = [] { return desktop->trayMenu().has_value(); };
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (QString missed; !openTheMenu(missed, 1)) {
            seen += QStringLiteral("\ntry %1:%2").arg(attempt).arg(missed);
            continue;
        }
        desktop->xdotool(QStringList{"key"} + keys);
        // Choosing an item closes the menu: one still open did not get the keys.
        if (waitUntil([&] { return !menuShows(); }, 5000)) {
            if (!seen.isEmpty()) {
                std::fprintf(stderr, "the tray's menu took the keys at try %d, after:%s\n", attempt,
                             qPrintable(seen));
            }
            return ::testing::AssertionSuccess();
        }
        seen += QStringLiteral("\ntry %1: the menu stayed open after the keys; shown:\n%2")
                    .arg(attempt)
                    .arg(desktop->shown());
        desktop->xdotool({"key", "Escape"});
        waitUntil([&] { return !menuShows(); }, 5000);
    }
    return ::testing::AssertionFailure() << "the tray's menu never took " << keys.join(' ').toStdString()
                                         << seen.toStdString() << "\nthe game said:\n"
                                         << game.lines().mid(before).join('\n').toStdString();
}

::testing::AssertionResult DesktopTest::openWindowFromTheMenu(GameProcess& game) const {
    const int before = game.lineCount();
    if (auto chosen = chooseFromTheMenu(game, {"Down", "Return"}); !chosen) {
        return chosen;
    }
    if (game.waitForLine("openWindow", loadedMachineWait, before) && waitForWindows(windowSize).size() == 1) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no table window after the menu's first item; shown:\n"
                                         << desktop->shown().toStdString() << "\nthe game said:\n"
                                         << game.lines().mid(before).join('\n').toStdString();
}

::testing::AssertionResult
DesktopTest::goThroughOnboarding(GameProcess& game,
                                 const std::function<void(const QString& page, QRect window)>& seen) const {
    const QList<QRect> windows = waitForWindows(onboardingSize);
    if (windows.size() != 1) {
        return ::testing::AssertionFailure() << "no onboarding window at its size; shown:\n"
                                             << desktop->shown().toStdString();
    }
    const QRect window = windows.front();
    QThread::msleep(1500); // the welcome page's art has come in
    if (seen) {
        seen(QStringLiteral("welcome"), window);
    }
    // A click on an empty spot gives the window the keys; Return twice reaches the choices page.
    if (!click(window.topLeft() + QPoint(300, 20)) || !desktop->xdotool({"key", "Return"})) {
        return ::testing::AssertionFailure() << "xdotool failed on the welcome page";
    }
    QThread::msleep(400);
    desktop->xdotool({"key", "Return"});
    QThread::msleep(1200);
    // The last question's left-hand card, "System Tray", takes the keys; the right arrow moves the
    // answer to "Window", as a radio group's arrow does; then Return starts.
    click(window.topLeft() + QPoint(170, 440));
    QThread::msleep(300);
    desktop->xdotool({"key", "Right"});
    QThread::msleep(300);
    if (seen) {
        seen(QStringLiteral("choices"), window);
    }
    desktop->xdotool({"key", "Return"});
    if (game.waitForLine("finishOnboarding → window", 10000)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the introduction did not finish; the game said:\n"
                                         << game.lines().join('\n').toStdString();
}
