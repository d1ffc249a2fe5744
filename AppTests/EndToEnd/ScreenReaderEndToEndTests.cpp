// The game as a screen reader on the desktop reads it: a real accessibility client (pyatspi, what
// Orca uses) walks the running game's tree over the accessibility bus.
#include "Desktop.h"
#include "Support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

#include <gtest/gtest.h>

namespace {

// Waits for the game on the bus, then prints one line per element: depth, role, name, description,
// states; with "press" after a reading, sends Return to the focused window and reads again.
const char* reader = R"(
import sys, time, subprocess, pyatspi

def find():
    deadline = time.time() + 60
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and (app.name or "").lower() == "chipwhistle" and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None

def walk(node, depth):
    try:
        states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
    except Exception:
        states = []
    print("\t".join([str(depth), node.getRoleName(), (node.name or "").replace("\t", " "),
                     (node.description or "").replace("\t", " "), ",".join(states)]))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1)

app = find()
if app is None:
    print("no application named chipwhistle on the bus")
    sys.exit(3)
time.sleep(2)
for window in app:
    walk(window, 0)
print("--- after two Returns")
sys.stdout.flush()
for _ in range(2):
    subprocess.run(["xdotool", "key", "Return"])
    time.sleep(1.5)
for window in app:
    walk(window, 0)
)";

struct Element {
    int depth = 0;
    QString role;
    QString name;
    QString description;
    QStringList states;
};

QList<Element> parse(const QString& part) {
    QList<Element> elements;
    for (const QString& line : part.split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() != 5)
            continue;
        elements.append({fields[0].toInt(), fields[1], fields[2], fields[3], fields[4].split(',')});
    }
    return elements;
}

// Debian's package installs the client for the system's Python, which may not be the first on the path.
QString whyNoReader() {
    if (QStandardPaths::findExecutable("dbus-run-session").isEmpty())
        return QStringLiteral("dbus-run-session is not installed");
    if (!QFile::exists("/usr/libexec/at-spi-bus-launcher"))
        return QStringLiteral("at-spi2-core's bus launcher is not installed");
    QProcess probe;
    probe.start("/usr/bin/python3", {"-c", "import pyatspi"});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
        return QStringLiteral("python3-pyatspi is not installed");
    return {};
}

void expectSpoken(const QList<Element>& elements, const char* screen) {
    SCOPED_TRACE(screen);
    ASSERT_FALSE(elements.isEmpty());
    for (const Element& element : elements) {
        const std::string said = (element.role + " \"" + element.name + "\"").toStdString();
        if (element.states.contains("focusable") && element.states.contains("showing")) {
            EXPECT_FALSE(element.name.trimmed().isEmpty()) << said << " takes the focus without a name";
            EXPECT_NE(element.role, "filler") << said;
        }
        if (!element.description.isEmpty()) {
            EXPECT_NE(element.description.toLower(), element.name.toLower()) << said;
        }
    }
}

// Runs the game on `desktop` in `home` with the reader beside it, all on one private session
// bus with the accessibility bus; the script stops what it started by process id. What the reader
// printed, or nothing with `whyNot` when the bus did not carry the game.
std::optional<QString> readTheGame(const Desktop& desktop, const QString& home, QString& whyNot) {
    QProcessEnvironment environment = gameEnvironment(desktop, home);
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment.insert("GAME", TestPaths::buildFolder() + QStringLiteral("/App/chipwhistle"));
    environment.insert("READER", QString::fromUtf8(reader));
    const QString script =
        QStringLiteral("/usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!\n"
                       "sleep 1\n"
                       "\"$GAME\" & game=$!\n"
                       "/usr/bin/python3 -c \"$READER\"; status=$?\n"
                       "kill $game $launcher 2>/dev/null; wait $game 2>/dev/null\n"
                       "exit $status\n");
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start("dbus-run-session", {"--", "sh", "-c", script});
    if (!session.waitForStarted(5000) || !session.waitForFinished(180000)) {
        whyNot = QStringLiteral("the session with the reader did not run to its end");
        return std::nullopt;
    }
    const QString output = QString::fromUtf8(session.readAllStandardOutput());
    // The reader ends with 3 when the game never showed up on the bus; any other failure shows in
    // what it printed.
    if (session.exitCode() == 3) {
        whyNot = QStringLiteral("the accessibility bus did not carry the game: ") + output.left(300) +
                 QString::fromUtf8(session.readAllStandardError()).left(300);
        return std::nullopt;
    }
    return output;
}

using ScreenReaderEndToEnd = DesktopTest;

TEST_F(ScreenReaderEndToEnd, TheOnboardingWindowIsReadWithNamesRolesAndCheckedChoices) {
    QString why = whyNoReader();
    const std::optional<QString> read =
        why.isEmpty() ? readTheGame(*desktop, home.path(), why) : std::nullopt;
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const QString& output = *read;

    const QStringList parts = output.split(QStringLiteral("--- after two Returns"));
    ASSERT_EQ(parts.size(), 2) << output.toStdString();
    const QList<Element> welcome = parse(parts[0]);
    expectSpoken(welcome, "welcome page");
    bool window = false;
    for (const Element& element : welcome)
        window = window ||
                 (element.depth == 0 && element.role == "frame" && element.name == "Welcome to Chipwhistle");
    EXPECT_TRUE(window) << parts[0].toStdString();

    const QList<Element> choices = parse(parts[1]);
    expectSpoken(choices, "choices page");
    int radios = 0;
    int checked = 0;
    for (const Element& element : choices) {
        if (element.role != "radio button" || !element.states.contains("showing"))
            continue;
        ++radios;
        checked += element.states.contains("checked") ? 1 : 0;
    }
    EXPECT_GE(radios, 6) << parts[1].toStdString();
    EXPECT_GE(checked, 2) << "a choice is checked in each question";
}

} // namespace
