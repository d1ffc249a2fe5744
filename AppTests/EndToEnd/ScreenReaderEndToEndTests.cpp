// The game as a screen reader on the desktop reads it: a real accessibility client (pyatspi, what
// Orca uses) walks the running game's tree over the accessibility bus.
#include "Desktop.h"

#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Persistence/PersistenceStore.h"
#include "Persistence/Profile.h"
#include "Support/TestPaths.h"
#include "Table/ActionBarModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

// What every client of the bus begins with: the game, waited for on the bus (a sanitized game on two
// busy cores starts slowly), or exit 3 when it never comes. Then the helpers the clients share:
// `spoken()` is what Orca has said so far (None when no Orca listens in this run), `orcaListens()`
// whether it has said anything (what the game announced before then it could not hear),
// `waitUntilSaid` waits up to `seconds` for Orca to say `words` (from line `since` of its record on),
// `focused` finds what holds the keys and `walk` prints one line per element: depth, role, name, description,
// states.
const std::string findTheGame = R"py(
import os, re, sys, time, shutil, subprocess, pyatspi

def find():
    deadline = time.time() + 90
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and (app.name or "").lower() == "chipwhistle" and app.childCount > 0:
                    return app
            except Exception:
                pass  # an application gone while it was asked
        time.sleep(0.5)
    return None

app = find()
if app is None:
    print("no application named chipwhistle on the bus")
    sys.exit(3)

def said(value):
    return str(value).replace("\t", " ").replace("\n", " ")

def spoken():
    log = os.environ.get("SPOKEN")
    if not log or not shutil.which("orca"):
        return None
    try:
        with open(log, errors="replace") as lines:
            return [line for line in lines if "SPEECH OUTPUT: " in line]
    except OSError:
        return []

def orcaListens():
    lines = spoken()
    return lines is None or len(lines) > 0

def waitUntilSaid(words, seconds, since=0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        lines = spoken()
        if lines is None or any(words in line for line in lines[since:]):
            return
        time.sleep(1)

def focused(node):
    try:
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return None
    for child in children:
        found = child is not None and focused(child)
        if found:
            return found
    return None

def walk(node, depth):
    try:
        states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
    except Exception:
        states = []
    print("\t".join([str(depth), node.getRoleName(), said(node.name or ""), said(node.description or ""),
                     ",".join(states)]))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1)
)py";

// Reads the window, then sends Return twice to the focused window and reads again.
const std::string reader = findTheGame + R"(
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

// Starts a Quick Hand from the window's lobby with Return, then reads the window once the table's
// toolbar shows.
const std::string tableReader = findTheGame + R"(
time.sleep(3)
subprocess.run(["xdotool", "key", "Return"])
deadline = time.time() + 90
while time.time() < deadline and not any(
        pyatspi.findDescendant(window, lambda node: node.name == "Back to System Tray") for window in app):
    time.sleep(2)
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

// Orca's record at `path`, or nothing when Orca never wrote one.
std::optional<QString> orcaRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// What Orca said, a line for each time it spoke, from its record; with `stamped`, each line begins with
// the time Orca spoke it.
QStringList spokenIn(const QString& record, bool stamped = false) {
    const QString marker = QStringLiteral("SPEECH OUTPUT: ");
    QStringList spoken;
    for (const QString& line : record.split('\n'))
        if (line.contains(marker))
            spoken << (stamped ? line.section(QStringLiteral(" - "), 0, 0) + QLatin1Char(' ') : QString()) +
                          line.section(marker, 1);
    return spoken;
}

// Whether Orca, in the lines it said (`spoken`), said `anchor` and first said `then` after it: the order
// a check holds the reader to. An anchor never said fails, naming it, where comparing where each was said
// would pass for want of one.
testing::AssertionResult saidAnchorThen(const QStringList& spoken, const QString& anchor,
                                        const QString& then) {
    const auto first = [&spoken](const QString& words) -> std::optional<std::pair<qsizetype, qsizetype>> {
        for (qsizetype line = 0; line < spoken.size(); ++line)
            if (const qsizetype at = spoken[line].indexOf(words); at >= 0)
                return std::pair{line, at};
        return std::nullopt;
    };
    const auto anchored = first(anchor);
    const auto followed = first(then);
    if (!anchored)
        return testing::AssertionFailure() << "Orca never said the anchor \"" << anchor.toStdString()
                                           << "\" to hear \"" << then.toStdString() << "\" after";
    if (!followed)
        return testing::AssertionFailure()
               << "Orca said \"" << anchor.toStdString() << "\" but never \"" << then.toStdString() << "\"";
    if (*followed <= *anchored)
        return testing::AssertionFailure()
               << "Orca said \"" << then.toStdString() << "\" (line " << followed->first + 1 << ") before \""
               << anchor.toStdString() << "\" (line " << anchored->first + 1 << ")";
    return testing::AssertionSuccess();
}

// Opens Orca's record (the file named by SPOKEN) to be written line by line; Python reads this at its
// start from the folder given first on its path.
const char* orcaWritesEachLine = R"py(
import builtins, os
openFile = builtins.open
def openLineByLine(file, mode="r", buffering=-1, *more, **named):
    if file == os.environ.get("SPOKEN") and "w" in mode and "b" not in mode: buffering = 1
    return openFile(file, mode, buffering, *more, **named)
builtins.open = openLineByLine
)py";

// Runs the game on `desktop` in `home` with `client` (a Python script reading the bus) beside it, all
// on one private session bus with the accessibility bus, and with Orca logging to `spoken` what it
// would say when that is given and Orca is installed; the script stops what it started by process id.
// What the client printed, or nothing with `whyNot` when the bus did not carry the game, or with
// `besideOwnOrca` set when the player's own Orca runs and the test's cannot run beside it; `warned` gets
// what the programs of the session wrote to their error output, the game's warnings among it.
std::optional<QString> runSessionBesideTheGame(const Desktop& desktop, const QString& home,
                                               const std::string& client, const QString& spoken,
                                               QString& whyNot, QString* warned, bool& besideOwnOrca) {
    QProcessEnvironment environment = gameEnvironment(desktop, home);
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    // The session's own accessibility bus, never one the player's desktop names, where their own reader
    // would hear the test's game.
    environment.remove("AT_SPI_BUS_ADDRESS");
    environment.insert("GAME", TestPaths::buildFolder() + QStringLiteral("/App/chipwhistle"));
    environment.insert("CLIENT", QString::fromStdString(client));
    environment.insert("SPOKEN", spoken);
    // Orca writes its record in blocks: what it said last could wait unwritten while the table waits for
    // the player. Started with this beside it, Orca writes each line of its record as it says it.
    const QString lineByLine = home + QStringLiteral("/orca-writes-each-line");
    QDir().mkpath(lineByLine);
    QFile customize(lineByLine + QStringLiteral("/sitecustomize.py"));
    if (customize.open(QIODevice::WriteOnly))
        customize.write(orcaWritesEachLine);
    customize.close();
    environment.insert("ORCA_SITE", lineByLine);
    const QString script = QStringLiteral(
        // The launcher keeps its switches in the desktop's settings: the session's own may neither come
        // from the player's nor outlive the run.
        "GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!\n"
        "sleep 1\n"
        // Test runs side by side take turns with Orca, as where the system gives it no namespace of its
        // own (below) two of the user's cannot run at once; a run that cannot get its turn starts no
        // second. The lock is this shell's alone, so no program it starts can keep it past the run; it
        // is the user's, wherever each run keeps its temporary files.
        "if [ -n \"$SPOKEN\" ] && command -v orca >/dev/null; then\n"
        "  exec 9>\"/tmp/chipwhistle-tests-orca-$(id -u).lock\"\n"
        "  flock -w 200 9 || { kill $launcher; exit 4; }\n"
        // Orca ends at once when it finds another process of the user's named orca. In a process
        // namespace of its own it finds none, so it runs beside the player's own Orca, which stays on
        // the player's buses and display and never hears the test's game.
        "  alone='unshare --user --map-current-user --pid --fork --mount-proc --kill-child'\n"
        "  if ! refused=$($alone true 2>&1); then\n"
        "    alone=''\n"
        // Where the system gives none, a test run's Orca still going (marked as such) is waited out;
        // the player's own never goes, and the run ends at once saying so.
        "    for _ in $(seq 200); do\n"
        "      others=$(pgrep -u \"$(id -u)\" -x orca) || break\n"
        "      for other in $others; do\n"
        "        started=$(tr '\\0' '\\n' <\"/proc/$other/environ\" 2>/dev/null) || continue\n"
        "        echo \"$started\" | grep -qx CHIPWHISTLE_TEST_ORCA=1 && continue\n"
        "        echo \"your own Orca is running (process $other), and this system gives the test's Orca"
        " no process namespace of its own to run beside it: $refused\"\n"
        "        kill $launcher; exit 5\n"
        "      done\n"
        "      sleep 1\n"
        "    done\n"
        "  fi\n"
        "  CHIPWHISTLE_TEST_ORCA=1 PYTHONPATH=\"$ORCA_SITE\" $alone orca --debug-file \"$SPOKEN\" "
        ">\"$SPOKEN.out\" 2>&1 9>&- & orca=$!; sleep 3\n"
        "fi\n"
        // Without Orca the client stands for a reader, turned on as the desktop's reader switch turns one
        // on; Orca, started by hand here, is known by its name.
        "[ -n \"$orca\" ] || dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus "
        "org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled "
        "variant:boolean:true >/dev/null\n"
        "\"$GAME\" 9>&- & game=$!\n"
        "/usr/bin/python3 -c \"$CLIENT\" 9>&-; status=$?\n"
        // In its namespace Orca is the child of unshare, which passes no signal on.
        "kill $game $launcher ${orca:+$orca $(pgrep -P $orca)} 2>/dev/null; wait $game 2>/dev/null\n"
        // The next run's Orca starts only once this one has gone.
        "if [ -n \"$orca\" ]; then\n"
        "  (sleep 5; kill -9 $orca 2>/dev/null) 9>&- & watchdog=$!\n"
        "  wait $orca 2>/dev/null; kill $watchdog 2>/dev/null\n"
        "fi\n"
        "exit $status\n");
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start("dbus-run-session", {"--", "sh", "-c", script});
    if (!session.waitForStarted(5000) || !session.waitForFinished(720000)) {
        whyNot = QStringLiteral("the session with the reader did not run to its end");
        return std::nullopt;
    }
    const QString output = QString::fromUtf8(session.readAllStandardOutput());
    const QString errors = QString::fromUtf8(session.readAllStandardError());
    if (warned)
        *warned = errors;
    // The client ends with 3 when the game never showed up on the bus, the session with 4 when Orca
    // was another run's all along and with 5 when it is the player's own; any other failure shows in
    // what the client printed.
    besideOwnOrca = session.exitCode() == 5;
    if (besideOwnOrca) {
        whyNot = output.trimmed();
        return std::nullopt;
    }
    if (session.exitCode() == 4) {
        whyNot = QStringLiteral("another test run kept Orca for over 200 seconds");
        return std::nullopt;
    }
    if (session.exitCode() == 3) {
        whyNot = QStringLiteral("the accessibility bus did not carry the game: ") + output.left(300) +
                 errors.left(300);
        return std::nullopt;
    }
    return output;
}

// The files of the game's data folder under `home`, by name.
std::map<QString, QByteArray> dataFiles(const QString& home) {
    std::map<QString, QByteArray> files;
    const QDir folder(dataFolder(home));
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

void restoreDataFiles(const QString& home, const std::map<QString, QByteArray>& files) {
    QDir(dataFolder(home)).removeRecursively();
    QDir().mkpath(dataFolder(home));
    for (const auto& [name, bytes] : files) {
        QFile file(dataFolder(home) + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

// A session as above that heard nothing (the game never on the bus, or Orca installed but silent or
// kept by another run) is run once more from the same data folder, as a loaded machine can starve one
// start. Heard nothing again, it fails the test that asked for it, and says so in `failed`: only a tool
// not installed, which the callers look for first, or the player's own Orca where the test's cannot run
// beside it, lets a reader's test skip, at once and with `whyNot` saying why.
std::optional<QString> runBesideTheGame(const Desktop& desktop, const QString& home,
                                        const std::string& client, const QString& spoken, QString& whyNot,
                                        QString* warned = nullptr, bool* failed = nullptr) {
    const bool orcaSpeaks = !spoken.isEmpty() && !QStandardPaths::findExecutable("orca").isEmpty();
    const std::map<QString, QByteArray> files = dataFiles(home);
    QString why;
    for (int run = 1; run <= 2; ++run) {
        if (run > 1)
            restoreDataFiles(home, files);
        QFile::remove(spoken);
        QFile::remove(spoken + QStringLiteral(".out"));
        QString unheard;
        bool besideOwnOrca = false;
        std::optional<QString> printed =
            runSessionBesideTheGame(desktop, home, client, spoken, unheard, warned, besideOwnOrca);
        if (besideOwnOrca) {
            whyNot = unheard;
            return std::nullopt;
        }
        if (printed && orcaSpeaks) {
            QFile record(spoken);
            QFile said(spoken + QStringLiteral(".out"));
            if (!record.open(QIODevice::ReadOnly))
                unheard = QStringLiteral("Orca did not start: ");
            else if (!record.readAll().contains("SPEECH OUTPUT: "))
                unheard = QStringLiteral("Orca started but said nothing: ");
            if (!unheard.isEmpty() && said.open(QIODevice::ReadOnly))
                unheard += QString::fromLocal8Bit(said.readAll()).trimmed().right(600);
            if (!unheard.isEmpty())
                printed.reset();
        }
        if (printed)
            return printed;
        why += QStringLiteral("\nrun %1: %2").arg(run).arg(unheard);
    }
    whyNot = QStringLiteral("the reader heard nothing twice:") + why;
    ADD_FAILURE() << whyNot.toStdString();
    if (failed)
        *failed = true;
    return std::nullopt;
}

// Plays a Quick Hand series by keys as a quick player who cannot see the table: Return deals from the
// lobby, and "c" checks or calls 100 ms after Orca says "Your turn" (without Orca, after the game tells
// the reader); when the log shows it is their turn and no prompt has come for a while, the player
// presses anyway. Meanwhile
// it listens to every change the game tells the bus, as a reader hears it: "E" lines with the time,
// object, event, role, state, the words it then holds and whether those words are surely the ones it
// was told of. A "P" line for each key: when, whether a prompt or the wait brought it, and the moves it
// made (the player's rows in the window's action log that came before the next key); a "D" line the
// moves of the whole series; a "W" line for each row of the log that shows a hand; a "G" line with how
// many elements the game told of during the series, how many of them it has not told gone, and how many
// "defunct" a reader got while the series ran. Then opens Settings and prints each drop-down: "C" lines with
// its name, description and the names of what labels it.
const std::string player = findTheGame + R"py(
import threading, collections, datetime
from gi.repository import GLib, Gio
start, over = time.time(), [False]
# Qt's events carry no words: a reader asks for them when it gets to the event. The filter notes the
# order messages arrive in, so words asked for after a later change of the same object (which they
# then already show) are marked as not surely those of their event.
address = Gio.bus_get_sync(Gio.BusType.SESSION).call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
    "GetAddress", None, None, Gio.DBusCallFlags.NONE, -1).unpack()[0]
bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                              Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
lock, arrivals, order, replies, count = threading.Lock(), collections.deque(), collections.defaultdict(list), {}, [0]
def stamp(connection, message, incoming):
    with lock:
        count[0] += 1
        if message.get_message_type() == Gio.DBusMessageType.METHOD_RETURN:
            replies[message.get_reply_serial()] = count[0]
        elif message.get_interface() == "org.a11y.atspi.Event.Object":
            arrivals.append(count[0])
            order[(message.get_path(), message.get_member(), message.get_body()[0])].append(count[0])
    return message
bus.add_filter(stamp)
def ask(sender, path, interface, method, body=None):
    message = Gio.DBusMessage.new_method_call(sender, path, interface, method)
    if body: message.set_body(body)
    reply, serial = bus.send_message_with_reply_sync(message, Gio.DBusSendMessageFlags.NONE, 5000)
    with lock: answered = replies.pop(serial, 0)
    reply.to_gerror()
    return reply.get_body()[0], answered
def heard(connection, sender, path, interface, member, body):
    kind, detail = body[0], body[1]
    with lock: arrived = arrivals.popleft()
    words, role, sure = "", "", 1
    asked = {"accessible-name": "Name", "accessible-description": "Description", "accessible-value": "CurrentValue"}
    if member == "PropertyChange" and kind in asked:
        try:
            words, answered = ask(sender, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (
                "org.a11y.atspi." + ("Value" if kind == "accessible-value" else "Accessible"), asked[kind])))
            if kind == "accessible-name": role = ask(sender, path, "org.a11y.atspi.Accessible", "GetRoleName")[0]
        except GLib.Error: return  # gone before anyone could read it
        with lock: sure = int(not any(arrived < later < answered for later in order[(path, member, kind)]))
        # The game's own changes carry their words, which a reader takes as they come however late it
        # gets to them.
        if isinstance(body[3], str): words, sure = body[3], 1
    over[0] = over[0] or words == "Play Again"
    print("E\t%.2f\t%s\tobject:%s:%s\t%s\t%d\t%s\t%d" % (time.time() - start, path,
          re.sub("(?<!^)([A-Z])", r"-\1", member).lower(), kind, role, detail, said(words), sure))
bus.signal_subscribe(None, "org.a11y.atspi.Event.Object", None, None, None, Gio.DBusSignalFlags.NONE, heard)
# The elements the game told of, those it told gone, and the "defunct" a reader gets for each gone.
toldOf, toldGone, defunct = set(), set(), [0]
def told(connection, sender, path, interface, member, body):
    if interface == "org.a11y.atspi.Cache": toldGone.add(body[0][1])
    elif not over[0]: toldOf.add(path)
bus.signal_subscribe(None, None, None, None, None, Gio.DBusSignalFlags.NONE, told)
def gone(event):
    if not over[0]: defunct[0] += 1
pyatspi.Registry.registerEventListener(gone, "object:state-changed:defunct")
def drops(node, found):
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        found.add("C\t%s\t%s\t%s" % (said(node.name), said(node.description), "|".join(
            r.getTarget(i).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets()))))
    for child in node: drops(child, found)
def settings():
    subprocess.run(["xdotool", "key", "ctrl+comma"])
    found, deadline = set(), time.time() + 60
    while not found and time.time() < deadline:
        time.sleep(1)
        for window in app: drops(window, found)
    print("\n".join(sorted(found)))
    pyatspi.Registry.stop()
# The player's own moves, hand by hand, from the window's action log: a hand is told from the one before
# by its dealer's row, and a reading without one is of a log being rebuilt. Read five times a second,
# so each hand is read after its last move: the log holds a hand until the next is dealt.
log, hands, awaited, progress, shown = [None], [], [None], [], set()
def table():
    try:
        if log[0] is None:
            log[0] = pyatspi.findDescendant(app, lambda node: node.name == "Action log")
        if log[0] is None: return True
        read = [node.name or "" for node in pyatspi.findAllDescendants(log[0], lambda node: node.name)]
    except Exception: return True  # a row gone while it was read: the next reading has it
    # Rows replaced while they are read can come twice over the bus. Two of the player's moves are always
    # parted by another's or by a new street, so a row the same as the one before it is that row again.
    rows = [row for index, row in enumerate(read) if index == 0 or row != read[index - 1]]
    shown.update(row for row in rows if " shows " in row)
    dealer = next((row for row in rows if re.search(r" (is|are) the dealer$", row)), None)
    if dealer is None: return True
    # Since when the log has shown it is the player's turn.
    awaited[0] = (awaited[0] or time.time()) if any(row.startswith("Your turn") for row in rows) else None
    moves = sum(1 for row in rows if re.match(r"You (check|call|bet|raise|fold)\b", row))
    if not hands or hands[-1][0] != dealer: hands.append([dealer, 0])
    hands[-1][1] = max(hands[-1][1], moves)
    if not progress or progress[-1][1] != decisions(): progress.append((time.time(), decisions()))
    return True
def decisions(): return sum(moved for dealer, moved in hands)
# Each key with when it was pressed, why (a prompt or the wait) and, after a prompt, when it was said;
# and when each of the player's moves showed in the log.
keys, moved, playing, pressed, keying = [], [], [False], [time.time()], threading.Lock()
prompts = {"told": 0, "said": 0}
# At the third prompt the player looks into Settings and closes it with Escape, then waits to hear their
# turn again: an "S" line says when Escape went.
detour = [False]
def lookIntoSettings():
    detour[0] = True
    pressed[0] = time.time()
    subprocess.run(["xdotool", "key", "ctrl+comma"])
    time.sleep(4)
    subprocess.run(["xdotool", "key", "Escape"])
    # Printed at the end, by the thread that prints the rest: lines printed side by side can be split.
    detour.append(time.time())
    pressed[0] = time.time()
def press(why, prompted=None):
    with keying:
        if not playing[0]: return False
        if why == "prompt" and not detour[0] and prompts["said"] == 3:
            lookIntoSettings()
            return False
        # A wait that began before Settings was looked into has not been a wait since.
        if why == "wait" and time.time() - pressed[0] < 5: return False
        keys.append((time.time(), why, prompted))
        pressed[0] = time.time()
        # At the fifth and seventh prompts the player calls by way of the raise amount: R chooses it,
        # the seventh time "60" is typed over it, and Tab leaves it. At the ninth, eleventh and
        # thirteenth they type "60" at once, its first digit 0.1 s after R, while Orca is still
        # reading the field.
        if why == "prompt" and prompts["said"] in (5, 7):
            for name in ["r"] + (["6", "0"] if prompts["said"] == 7 else []) + ["Tab"]:
                subprocess.run(["xdotool", "key", name])
                time.sleep(0.4)
        elif why == "prompt" and prompts["said"] in (9, 11, 13):
            subprocess.run(["xdotool", "key", "--delay", "100", "r", "6"])
            for name in ["0", "Tab"]:
                time.sleep(0.4)
                subprocess.run(["xdotool", "key", name])
            time.sleep(0.4)
        subprocess.run(["xdotool", "key", "c"])
    return False
# The quick player's ears. Orca's record is followed as it is written, and the key goes 100 ms after
# Orca said "Your turn" (or at once, when its record came later). Without Orca, it goes 100 ms after the
# prompt reached the bus.
def listenToOrca():
    with open(os.environ["SPOKEN"], errors="replace") as record:
        heard = ""
        while True:
            more = record.read()
            if not more:
                time.sleep(0.02)
                continue
            lines = (heard + more).split("\n")
            heard = lines.pop()
            for line in lines:
                if "SPEECH OUTPUT: " not in line or "Your turn. " not in line: continue
                prompts["said"] += 1
                spokenAt = datetime.datetime.combine(datetime.date.today(), datetime.datetime.strptime(
                    line.split(" - ")[0], "%H:%M:%S.%f").time()).timestamp()
                time.sleep(max(0, spokenAt + 0.1 - time.time()))
                press("prompt", spokenAt)
# The player's moves as each shows in the log, on a connection and a thread of their own, so each is
# timed however far behind the listening above falls: each object met for the first time is asked for
# its words, once.
def listenQuickly():
    context = GLib.MainContext()
    context.push_thread_default()
    quick = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                                    Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    met = set()
    def heardQuickly(connection, sender, path, interface, member, body):
        reached = time.time()
        if path in met: return
        met.add(path)
        try:
            words = quick.call_sync(sender, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (
                "org.a11y.atspi.Accessible", "Name")), None, Gio.DBusCallFlags.NONE, 5000).unpack()[0]
        except GLib.Error: return  # gone before it could be asked
        if re.match(r"You (check|call|bet|raise|fold)\b", words): moved.append(reached)
        if "Your turn. " in words: prompts["told"] += 1
        if "Your turn. " in words and spoken() is None:
            timer = GLib.timeout_source_new(max(0, int((reached + 0.1 - time.time()) * 1000)))
            timer.set_callback(lambda *unused: press("prompt", reached))
            timer.attach(context)
    quick.signal_subscribe(None, "org.a11y.atspi.Event.Object", None, None, None, Gio.DBusSignalFlags.NONE,
                           heardQuickly)
    GLib.MainLoop(context).run()
threading.Thread(target=listenQuickly, daemon=True).start()
def finish():
    with keying: playing[0] = False
    time.sleep(1)
    table()
    print("over" if over[0] else "the series did not end")
    # A key's moves as the quick listener timed them, or as the log's readings counted them before the
    # next key: a row the listener met first under other words is still counted in the log.
    def counted(before): return max([total for at, total in progress if at < before], default=0)
    for index, (at, why, prompted) in enumerate(keys):
        until = keys[index + 1][0] if index + 1 < len(keys) else time.time()
        made = max(sum(1 for move in moved if at <= move < until), counted(until) - counted(at))
        print("P\t%s.%03d\t%s\t%d\t%s" % (time.strftime("%H:%M:%S", time.localtime(at)), at * 1000 % 1000, why,
              made, "%d ms" % ((at - prompted) * 1000) if prompted else ""))
    print("D\t%d" % decisions())
    for at in detour[1:]:
        print("S\t%s.%03d" % (time.strftime("%H:%M:%S", time.localtime(at)), at * 1000 % 1000))
    for row in sorted(shown): print("W\t%s" % said(row))
    print("G\t%d\t%d\t%d" % (len(toldOf), len(toldOf - toldGone), defunct[0]))
    GLib.timeout_add(3000, settings)
def play():
    global start
    if not playing[0]:
        # Orca is given a moment after its first words to take in the game's.
        if not orcaListens() and time.time() - start < 90: return True
        time.sleep(2)
        if spoken() is not None: threading.Thread(target=listenToOrca, daemon=True).start()
        start, playing[0] = time.time(), True
        subprocess.run(["xdotool", "key", "Return"])
        pressed[0] = time.time()
        return True
    if over[0] or time.time() - start > 300:
        finish()
        return False
    # A prompt the game told the reader, Orca may not have said yet: on two busy cores it falls seconds
    # behind. Only a prompt it never says is waited out for long.
    # The log shows the turn as the prompt is told, and the prompt may reach the bus a moment later: a
    # key pressed then would take the decision before the prompt that asks for it.
    waited = time.time() - pressed[0]
    if awaited[0] and time.time() - awaited[0] > 2 and (waited > 5 and prompts["said"] >= prompts["told"] or waited > 20): press("wait")
    return True
# The game tells the bus only what some reader listens for.
pyatspi.Registry.registerEventListener(lambda event: None, "object", "window", "focus")
GLib.timeout_add(1000, play)
GLib.timeout_add(200, table)
pyatspi.Registry.start()
)py";

// Hands in the series the reader hears.
constexpr int seriesHands = 10;

// A player who has been through onboarding, has the starting chips and plays in the window.
Profile onboardedInTheWindow() {
    Profile profile;
    profile.onboarded = true;
    profile.settings.launchSurface = LaunchSurface::window;
    return profile;
}

// Such a player who sits at the Cash Table when a game starts from the lobby.
Profile atTheCashTable() {
    Profile profile = onboardedInTheWindow();
    profile.settings.defaultTable = GameMode::cashTable;
    return profile;
}

// Such a player who plays Quick Hands of ten hands against fast bots, each hand dealt by itself.
Profile playingQuickTenHands() {
    Profile profile = onboardedInTheWindow();
    profile.choices.quickHandHands = 10;
    profile.settings.botSpeed = BotSpeed::fast;
    profile.settings.autoDeal = true;
    return profile;
}

struct Series {
    QString listened;
    // What Orca said it would speak, or empty with why not.
    QStringList spoken;
    QString whyNotSpoken;
    // Keys Qt gave the game without the reader's answer, which it waits for 100 ms: a reader busy
    // with what the game told it answers late.
    int keysUnanswered = 0;
    // Orca's whole record, its own complaints among it.
    QString orcaLog;
};

// One series for the whole suite: a sanitized game plays it in about two minutes.
const std::optional<Series>& playedSeries(const Desktop& desktop, const QString& home, QString& whyNot) {
    static std::optional<Series> series;
    static QString why;
    static bool played = false;
    static bool failed = false;
    if (played && failed)
        ADD_FAILURE() << "the series heard nothing: " << why.toStdString();
    if (!played) {
        played = true;
        writeProfile(home, playingQuickTenHands());
        QString warned;
        const std::optional<QString> listened =
            runBesideTheGame(desktop, home, player, home + "/orca.log", why, &warned, &failed);
        if (listened) {
            series = Series{
                *listened, {}, {}, static_cast<int>(warned.count(QStringLiteral("keyEventError"))), {}};
            if (QStandardPaths::findExecutable("orca").isEmpty()) {
                series->whyNotSpoken = QStringLiteral("Orca is not installed");
            } else {
                series->orcaLog = orcaRecord(home + "/orca.log").value_or(QString());
                series->spoken = spokenIn(series->orcaLog);
            }
        }
    }
    whyNot = why;
    return series;
}

QList<QStringList> linesOf(const QString& output, const QString& kind) {
    QList<QStringList> found;
    for (const QString& line : output.split('\n'))
        if (line.startsWith(kind + '\t'))
            found << line.split('\t').mid(1);
    return found;
}

// Opens the Cash Table sheet from the lobby by keys (the default table is the cash table, so Return
// on the hero game opens it), tabs to the buy-in slider, then moves it with Left and with Home, a step
// every second and a half, so Orca has spoken each before the next; then Tab leaves it. Prints "F" once
// the slider has the keys, or why it never got them.
const std::string buyInPlayer = findTheGame + R"py(
from gi.repository import GLib
focus, start, phase, tabs = [None], time.time(), ["wait"], [0]
def focused(event):
    if event.detail1: focus[0] = event.source
pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
def key(name): subprocess.run(["xdotool", "key", name])
def step():
    if phase[0] == "wait":
        if orcaListens() or time.time() - start > 90: phase[0] = "open"
    elif phase[0] == "open":
        key("Return"); phase[0] = "find"
    elif phase[0] == "find":
        try: role = focus[0].getRoleName() if focus[0] else ""
        except Exception: role = ""
        if role == "slider":
            print("F\tslider"); sys.stdout.flush(); key("Left"); phase[0] = "left"
        elif tabs[0] >= 30:
            print("the slider never had the keys"); pyatspi.Registry.stop(); return False
        else:
            tabs[0] += 1; key("Tab")
    elif phase[0] == "left":
        key("Home"); phase[0] = "home"
    elif phase[0] == "home":
        # Orca writes its log in blocks and is stopped, not asked to quit: moving on makes it write
        # enough more that what it said of Home is in the file.
        key("Tab"); phase[0] = "heard"
    else:
        pyatspi.Registry.stop(); return False
    return True
GLib.timeout_add(1500, step)
pyatspi.Registry.start()
)py";

// The series with what Orca said of it, or none with why not.
const Series* spokenSeries(const Desktop& desktop, const QString& home, QString& whyNot) {
    whyNot = whyNoReader();
    const std::optional<Series>* series = whyNot.isEmpty() ? &playedSeries(desktop, home, whyNot) : nullptr;
    if (!series || !*series)
        return nullptr;
    whyNot = (*series)->whyNotSpoken;
    return whyNot.isEmpty() ? &**series : nullptr;
}

using ScreenReaderEndToEnd = DesktopTest;

TEST_F(ScreenReaderEndToEnd, ATenHandSeriesTellsTheReaderOfRealChangesOnlyAndFewAHand) {
    QString why = whyNoReader();
    const std::optional<Series>* series = why.isEmpty() ? &playedSeries(*desktop, home.path(), why) : nullptr;
    if (!series || !*series)
        GTEST_SKIP() << why.toStdString();
    const QString& listened = (*series)->listened;
    ASSERT_TRUE(listened.contains(QStringLiteral("\nover\n"))) << listened.right(2000).toStdString();

    // Words, a value or a state told again as they already stood: a reader spends its time on nothing.
    // Words read after a later change of the same object say nothing of the event before it.
    std::map<std::pair<QString, QString>, std::optional<QString>> last;
    QStringList again;
    const QList<QStringList> events = linesOf(listened, QStringLiteral("E"));
    for (const QStringList& event : events) {
        const bool state = event[2].startsWith(QStringLiteral("object:state-changed"));
        if (!state && !event[2].startsWith(QStringLiteral("object:property-change")))
            continue;
        const QString now = state ? event[4] : event[5];
        const auto key = std::pair{event[1], event[2]};
        const bool sure = event[6] == QStringLiteral("1");
        if (sure && last.contains(key) && last[key] == now)
            again << event.join(' ');
        last[key] = sure ? std::optional(now) : std::nullopt;
    }
    EXPECT_TRUE(again.isEmpty()) << again.size() << " told again, the first:\n"
                                 << again.mid(0, 12).join('\n').toStdString();
    // Every hand tells of its deal, board and result, and every decision of the moves around it: the
    // events follow how much was played, and a series of long hands has more of them than one of short.
    const QList<QStringList> decided = linesOf(listened, QStringLiteral("D"));
    ASSERT_EQ(decided.size(), 1) << listened.right(2000).toStdString();
    const qsizetype played = seriesHands + decided[0][0].toInt();
    EXPECT_LE(events.size() / played, 100) << events.size() << " events in " << seriesHands << " hands and "
                                           << decided[0][0].toStdString() << " decisions";
    // What goes (the rows of every hand before, each announcement after its time) is told gone as it
    // goes: the reader keeps only what is still there, and not all of it at once when the game quits.
    const QList<QStringList> kept = linesOf(listened, QStringLiteral("G"));
    ASSERT_EQ(kept.size(), 1) << listened.right(2000).toStdString();
    std::cout << kept[0].join(' ').toStdString() << " (elements told of, not told gone, defunct in play)\n";
    EXPECT_LE(kept[0][1].toInt(), 250) << kept[0].join(' ').toStdString();
    EXPECT_GT(kept[0][2].toInt(), 0);
    // Every hand shown is read with its cards' names, never their symbols, worded as it was said.
    const QList<QStringList> shown = linesOf(listened, QStringLiteral("W"));
    std::cout << shown.size() << " shown hands read in the log\n";
    for (const QStringList& row : shown)
        EXPECT_TRUE(row[0].contains(QRegularExpression(" shows \\w+ of \\w+ and \\w+ of \\w+, ")))
            << row[0].toStdString();
}

TEST_F(ScreenReaderEndToEnd, OrcaSpeaksEveryAnnouncementOfATenHandSeriesWithEveryResult) {
    QString why;
    const Series* series = spokenSeries(*desktop, home.path(), why);
    if (!series)
        GTEST_SKIP() << why.toStdString();
    const QString spoken = series->spoken.join('\n');
    int results = 0;
    for (const QStringList& event : linesOf(series->listened, QStringLiteral("E"))) {
        if (event[3] != QStringLiteral("notification") ||
            !event[2].endsWith(QStringLiteral("accessible-name")))
            continue;
        results += event[5].contains(QRegularExpression(QStringLiteral("\\bwins? \\d"))) ? 1 : 0;
        EXPECT_TRUE(spoken.contains(event[5])) << "never spoken: " << event[5].toStdString();
    }
    EXPECT_GE(results, seriesHands) << "a result a hand:\n" << spoken.toStdString();
    // Nor does a field the player left, or typed over, however soon after R, lose its selection aloud;
    // the amount R chooses is still read as the field takes the keys.
    EXPECT_FALSE(spoken.contains(QStringLiteral("Text unselected"))) << spoken.toStdString();
    EXPECT_TRUE(spoken.contains(QRegularExpression(QStringLiteral("'[\\d,]+ selected\\.'"))))
        << spoken.toStdString();

    // Qt hands every key (its press and its release) to the reader first and gives it to the game
    // without an answer after a fixed 100 ms. A reader still working through what the game just told
    // it (a turn's changes, about eight questions back to the game for each) answers late, most often
    // for the release of the key whose press changed the table. The count follows the machine's load
    // too closely to hold to a number, so each run records it beside the keys pressed.
    const qsizetype keys = linesOf(series->listened, QStringLiteral("P")).size();
    RecordProperty("keysPressed", static_cast<int>(keys));
    RecordProperty("keyEventsGivenWithoutTheReadersAnswer", series->keysUnanswered);
    std::cout << keys << " keys pressed, " << series->keysUnanswered
              << " key events given to the game without the reader's answer\n";
}

// What the quick player met, in time order: each key with why it was pressed and the moves it made, and
// each turn prompt Orca spoke; said when a test of the series fails.
std::string keysAndPrompts(const Series& series) {
    QStringList met;
    for (const QStringList& key : linesOf(series.listened, QStringLiteral("P")))
        met << key.value(0) + QStringLiteral(" key after ") + key.value(1) + QLatin1Char(' ') + key.value(3) +
                   QStringLiteral(", moves made: ") + key.value(2);
    for (const QString& line : spokenIn(series.orcaLog, true))
        if (line.contains(QStringLiteral("Your turn. ")) || line.contains(QStringLiteral("Not ")) ||
            line.contains(QStringLiteral("Press Return")))
            met << line;
    met.sort();
    return met.join('\n').toStdString();
}

TEST_F(ScreenReaderEndToEnd, OrcaTellsEveryHandFromTheFirstAndEveryTurnOnceWithoutFallingBehind) {
    QString why;
    const Series* series = spokenSeries(*desktop, home.path(), why);
    if (!series)
        GTEST_SKIP() << why.toStdString();
    const QString spoken = series->spoken.join('\n');
    // The first hand of a game started from the lobby, as every hand after it.
    EXPECT_TRUE(spoken.contains(QStringLiteral("Hand 1. Blinds 10 20."))) << spoken.toStdString();
    // A player who cannot see the table acts when told it is their turn: once for every decision,
    // whatever came before it (their own move closing a street, a new street, a bot, a new hand), and
    // once more as they come back from Settings, closed with Escape on their turn. The decisions are the
    // moves their keys made.
    const QList<QStringList> decided = linesOf(series->listened, QStringLiteral("D"));
    ASSERT_EQ(decided.size(), 1) << series->listened.right(2000).toStdString();
    const int decisions = decided[0][0].toInt();
    EXPECT_GE(decisions, seriesHands) << keysAndPrompts(*series);
    EXPECT_EQ(spoken.count(QRegularExpression(QStringLiteral("Your turn\\. "))), decisions + 1)
        << keysAndPrompts(*series);
    const QList<QStringList> settingsClosed = linesOf(series->listened, QStringLiteral("S"));
    ASSERT_EQ(settingsClosed.size(), 1) << keysAndPrompts(*series);
    // The key after Settings closed answered the turn Orca said, not the wait.
    QString keyAfterSettings;
    for (const QStringList& key : linesOf(series->listened, QStringLiteral("P")))
        if (keyAfterSettings.isEmpty() && key.value(0) > settingsClosed[0][0])
            keyAfterSettings = key.value(1);
    EXPECT_EQ(keyAfterSettings, QStringLiteral("prompt"))
        << "Settings closed at " << settingsClosed[0][0].toStdString() << "\n"
        << keysAndPrompts(*series);
    // That turn came after the table the keys came back to, as the popover says it: a turn said before
    // the focus is read over by it. The table must be read for the order to hold.
    QStringList back;
    for (const QString& line : spokenIn(series->orcaLog, true))
        if (line.section(' ', 0, 0) > settingsClosed[0][0])
            back << line;
    const qsizetype tableRead = back.indexOf(QRegularExpression(QStringLiteral(".*Table section.*")));
    const qsizetype turnSaid = back.indexOf(QRegularExpression(QStringLiteral(".*Your turn\\. .*")));
    EXPECT_TRUE(tableRead >= 0 && turnSaid > tableRead)
        << "table read at " << tableRead << ", turn at " << turnSaid << " of:\n"
        << back.mid(0, 12).join('\n').toStdString();
    // Nor is a player who answers at once, a tenth of a second after each "Your turn", ever left pressing a
    // key that does nothing.
    int prompted = 0;
    int inVain = 0;
    for (const QStringList& key : linesOf(series->listened, QStringLiteral("P"))) {
        prompted += key.value(1) == QStringLiteral("prompt") ? 1 : 0;
        inVain += key.value(1) == QStringLiteral("prompt") && key.value(2) == QStringLiteral("0") ? 1 : 0;
    }
    EXPECT_EQ(inVain, 0) << "of " << prompted << " keys pressed after a prompt\n" << keysAndPrompts(*series);
    // Each hand's own two cards are heard once they rest, before the hand's first prompt.
    const QStringList hands = spoken.split(QRegularExpression(QStringLiteral("Hand \\d+\\. Blinds"))).mid(1);
    EXPECT_GE(hands.size(), seriesHands) << spoken.toStdString();
    // Before any other player's move too, and every hand shown at a showdown is heard by its cards' names
    // and value before the result that names the winner's.
    int showdowns = 0;
    for (const QString& heard : hands) {
        const qsizetype cards = heard.indexOf(QStringLiteral("Your cards: "));
        const qsizetype turn = heard.indexOf(QStringLiteral("Your turn. "));
        EXPECT_TRUE(turn < 0 || (cards >= 0 && cards < turn)) << heard.toStdString();
        const qsizetype move =
            heard.indexOf(QRegularExpression(QStringLiteral("\\w (folds|checks|calls|bets|raises)\\b")));
        EXPECT_TRUE(move < 0 || (cards >= 0 && cards < move)) << heard.toStdString();
        const qsizetype result = heard.indexOf(QRegularExpression(QStringLiteral("\\bwins? [\\d,]+ with ")));
        if (result < 0)
            continue;
        ++showdowns;
        const qsizetype shown =
            heard.indexOf(QRegularExpression(QStringLiteral("\\bshows? \\w+ of \\w+ and \\w+ of \\w+, ")));
        EXPECT_TRUE(shown >= 0 && shown < result) << heard.toStdString();
    }
    // A call that takes every chip is said to, as its button says.
    int allInCalls = 0;
    for (const QStringList& event : linesOf(series->listened, QStringLiteral("E"))) {
        const auto call =
            QRegularExpression(QStringLiteral("^Call ([\\d,]+) \\(all-in\\)$")).match(event.value(5));
        if (!call.hasMatch())
            continue;
        ++allInCalls;
        EXPECT_TRUE(spoken.contains(
            QStringLiteral("Your turn. %1 to call. Calling puts you all in.").arg(call.captured(1))))
            << call.captured(0).toStdString();
    }
    RecordProperty("showdowns", showdowns);
    RecordProperty("allInCalls", allInCalls);
    std::cout << showdowns << " showdowns, " << allInCalls << " calls all in\n";
    // Orca drops events it cannot keep up with, and says so in its record.
    EXPECT_FALSE(series->orcaLog.contains(QStringLiteral("deluge"), Qt::CaseInsensitive));
}

TEST_F(ScreenReaderEndToEnd, SettingsDropDownsReachTheReaderByTheirTitlesWithTheirExplanations) {
    QString why = whyNoReader();
    const std::optional<Series>* series = why.isEmpty() ? &playedSeries(*desktop, home.path(), why) : nullptr;
    if (!series || !*series)
        GTEST_SKIP() << why.toStdString();
    const QList<QStringList> drops = linesOf((*series)->listened, QStringLiteral("C"));
    ASSERT_EQ(drops.size(), 3) << (*series)->listened.right(1000).toStdString();
    const std::map<QString, QString> explanations{
        {"Bot speed", ""}, {"Default table", ""}, {"Open Chipwhistle in", "Opens in a full window"}};
    for (const QStringList& drop : drops) {
        const QString title = drop[2].split('|').value(0, drop[0]);
        SCOPED_TRACE(drop.join(" / ").toStdString());
        ASSERT_TRUE(explanations.contains(title)) << "named or labelled by its title";
        EXPECT_EQ(drop[1].isEmpty(), explanations.at(title).isEmpty());
        EXPECT_TRUE(drop[1].startsWith(explanations.at(title)));
    }
}

// Each toolbar button of the table window is read by its name once, not with its tooltip repeating it.
TEST_F(ScreenReaderEndToEnd, TheTableWindowsToolbarButtonsSayTheirNamesOnce) {
    QString why = whyNoReader();
    if (why.isEmpty()) {
        writeProfile(home.path(), onboardedInTheWindow());
    }
    const std::optional<QString> read =
        why.isEmpty() ? runBesideTheGame(*desktop, home.path(), tableReader, {}, why) : std::nullopt;
    if (!read)
        GTEST_SKIP() << why.toStdString();
    QStringList buttons;
    QStringList tables;
    for (const Element& element : parse(*read)) {
        if (element.name == "Table")
            tables << element.role;
        if (element.role != "push button")
            continue;
        buttons << element.name;
        if (!element.description.isEmpty()) {
            EXPECT_NE(element.description.toLower(), element.name.toLower()) << element.name.toStdString();
        }
    }
    EXPECT_TRUE(buttons.contains("Back to System Tray")) << read->right(3000).toStdString();
    // The keys come back to the table after every amount typed and every question answered: as a panel
    // Orca would read out every line inside it each time; as a section it says its name.
    EXPECT_TRUE(tables.contains("section") && !tables.contains("panel")) << tables.join(", ").toStdString();
}

// Opens Settings by keys once Orca speaks, and marks in "M" lines how many lines Orca had said before
// each step: the form opened (its first drop-down, Bot speed, takes the focus), Down pressed on it, Tab
// walked to the shortcut recorder, Space pressed there to record, then keys it refuses: Ctrl+W, a bare
// P, and Ctrl+Alt+K, which another program holds; Escape ends the recording. Last, Up on "Open
// Chipwhistle in" chooses the other place. Orca speaks seconds behind on a busy machine: each step
// waits until Orca has said what it should, or a quarter of a minute.
const std::string settingsKeys = findTheGame + R"py(
import ctypes
def heard(): return len(spoken() or [])
deadline = time.time() + 90
while not heard() and time.time() < deadline: time.sleep(0.5)
def focus():
    for window in app:
        found = focused(window)
        if found: return found.name or ""
    return ""
def step(name, keys, pause=5):
    print("M\t%s\t%d" % (name, heard())); sys.stdout.flush()
    subprocess.run(["xdotool", "key"] + keys)
    time.sleep(pause)
    print("F\t%s\t%s" % (name, focus())); sys.stdout.flush()
def saidSince(words, mark, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        lines = spoken()
        if lines is None or any(words in line for line in lines[mark:]): return
        time.sleep(0.5)
def tabTo(name):
    for _ in range(30):
        if focus().startswith(name): return
        subprocess.run(["xdotool", "key", "Tab"]); time.sleep(0.6)
# Another program holds Ctrl+Alt+K (Caps and Num Lock on or off), as a desktop's own shortcut would.
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = x11.XDefaultRootWindow.restype = ctypes.c_void_p
holder = ctypes.c_void_p(x11.XOpenDisplay(None))
for locks in (0, 2, 16, 18):
    x11.XGrabKey(holder, x11.XKeysymToKeycode(holder, ctypes.c_ulong(ord("k"))), 12 | locks,
                 ctypes.c_void_p(x11.XDefaultRootWindow(holder)), 1, 1, 1)
x11.XSync(holder, 0)
# Down only once Orca has told of the focus, which it reads seconds late on a busy machine: its option
# would otherwise already be the one Down chose.
mark = heard(); step("opened", ["ctrl+comma"], 1); saidSince("Bot speed", mark, 60)
step("down", ["Down"])
tabTo("Shortcut")
step("record", ["space"])
step("refused", ["ctrl+w"], 1)
saidSince("another shortcut", heard())
mark = heard(); step("bare", ["p"], 1); saidSince("Add Ctrl", mark)
mark = heard(); step("held", ["ctrl+alt+k"], 1); saidSince("already used", mark)
mark = heard(); step("escape", ["Escape"], 1); saidSince("Shortcut Ctrl+Shift+P", mark)
tabTo("Open Chipwhistle in")
mark = heard(); step("surface", ["Up"], 1); saidSince("Opens as a small popover", mark)
print("M\tend\t%d" % heard())
)py";

// One run of Settings with the reader for the suite: the lines Orca spoke, and all it spoke from each
// step on.
struct SettingsSpeech {
    std::map<QString, QStringList> spokenAfter;
    QStringList all;
    // Orca's whole record, its complaints among it.
    QString record;
    QString printed;
    QString whyNot;
    // With every tool there: a failure, not a skip.
    bool heardNothing = false;
};

const SettingsSpeech& settingsSpeech(const Desktop& desktop, const QString& home) {
    static std::optional<SettingsSpeech> heard;
    if (heard && heard->heardNothing)
        ADD_FAILURE() << "Settings heard nothing: " << heard->whyNot.toStdString();
    if (heard)
        return *heard;
    heard.emplace();
    heard->whyNot = whyNoReader();
    if (heard->whyNot.isEmpty() && QStandardPaths::findExecutable("orca").isEmpty())
        heard->whyNot = QStringLiteral("Orca is not installed");
    if (!heard->whyNot.isEmpty())
        return *heard;
    Profile profile = onboardedInTheWindow();
    profile.settings.hotkey.enabled = true;
    writeProfile(home, profile);
    const std::optional<QString> printed = runBesideTheGame(desktop, home, settingsKeys, home + "/orca.log",
                                                            heard->whyNot, nullptr, &heard->heardNothing);
    if (!printed)
        return *heard;
    heard->printed = *printed;
    heard->record = orcaRecord(home + "/orca.log").value_or(QString());
    const QStringList spoken = spokenIn(heard->record);
    heard->all = spoken;
    const QList<QStringList> marks = linesOf(*printed, QStringLiteral("M"));
    for (const QStringList& mark : marks)
        heard->spokenAfter[mark[0]] = spoken.mid(mark[1].toInt());
    return *heard;
}

TEST_F(ScreenReaderEndToEnd, OrcaSpeaksADropDownsTitleAndOptionOnFocusAndEachOptionTheArrowsChoose) {
    const SettingsSpeech& heard = settingsSpeech(*desktop, home.path());
    if (!heard.whyNot.isEmpty())
        GTEST_SKIP() << heard.whyNot.toStdString();
    ASSERT_TRUE(heard.spokenAfter.contains("down")) << heard.printed.toStdString();
    // Orca speaks a moment after each key: the focus's words may come after Down was pressed.
    const QString spoken = heard.spokenAfter.at("opened").join('\n').replace("'", "");
    const QRegularExpressionMatch focus =
        QRegularExpression(QStringLiteral("Bot speed[^\n]*combo box[^\n]*\n?[^\n]*Normal")).match(spoken);
    EXPECT_TRUE(focus.hasMatch()) << "spoken as Settings opened and Down was pressed:\n"
                                  << spoken.toStdString();
    EXPECT_GT(spoken.indexOf(QStringLiteral("Slow"), focus.capturedEnd()), 0)
        << "the option Down chose, after the focus:\n"
        << spoken.toStdString();
    // The guide row's title is heard with the button it labels as Tab reaches it, not as the form opens.
    const QString all = heard.all.join('\n');
    const qsizetype title = all.indexOf(QStringLiteral("Learn to play"));
    EXPECT_TRUE(saidAnchorThen(heard.all, "Bot speed", "Learn to play")) << all.toStdString();
    EXPECT_TRUE(all.mid(title).section('\n', 0, 1).contains(QStringLiteral("Poker Basics")))
        << all.toStdString();
    // A choice that changes the drop-down's explanation is said, then followed by the new explanation.
    ASSERT_TRUE(heard.spokenAfter.contains("surface")) << heard.printed.toStdString();
    const QString explained = heard.spokenAfter.at("surface").join('\n');
    const qsizetype chosen = explained.indexOf("System Tray.");
    EXPECT_GE(chosen, 0) << "spoken from Up on Open Chipwhistle in:\n" << explained.toStdString();
    EXPECT_GT(explained.indexOf("Opens as a small popover from the chip icon in the system tray. It pauses "
                                "the moment you click away.",
                                chosen + 1),
              chosen)
        << "spoken from Up on Open Chipwhistle in:\n"
        << explained.toStdString();
    // Every change of a name or an explanation the game sends is words Orca can speak.
    EXPECT_FALSE(heard.record.contains("bad content sent to speak()"))
        << heard.record.count("bad content sent to speak()") << " changes Orca could not speak";
}

// Each key the recorder refuses is told why, once, and recording is not said to start again; Escape
// is told by the shortcut it keeps.
TEST_F(ScreenReaderEndToEnd, OrcaSpeaksTheShortcutRecordersStartAndRefusal) {
    const SettingsSpeech& heard = settingsSpeech(*desktop, home.path());
    if (!heard.whyNot.isEmpty())
        GTEST_SKIP() << heard.whyNot.toStdString();
    ASSERT_TRUE(heard.spokenAfter.contains("surface")) << heard.printed.toStdString();
    // From each step to the end, its words are heard once: "Recording shortcut" is not heard again as
    // a refusal comes, nor a refusal twice.
    for (const auto& [step, words] : std::vector<std::pair<const char*, const char*>>{
             {"record", "Recording shortcut"},
             {"refused", "Ctrl+W closes Settings. Pick another shortcut."},
             {"bare", "Add Ctrl, Alt or Super to use a shortcut from other apps."},
             {"held", "Ctrl+Alt+K is already used by another app. Pick another shortcut."},
             {"escape", "Shortcut Ctrl+Shift+P"}})
        EXPECT_EQ(heard.spokenAfter.at(step).filter(words).size(), 1)
            << step << ": " << words << "\n"
            << heard.spokenAfter.at(step).join('\n').toStdString();
}

TEST_F(ScreenReaderEndToEnd, TheOnboardingWindowIsReadWithNamesRolesAndCheckedChoices) {
    QString why = whyNoReader();
    const std::optional<QString> read =
        why.isEmpty() ? runBesideTheGame(*desktop, home.path(), reader, {}, why) : std::nullopt;
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
    // What a page does not show is nowhere a reader browses: no Back on the first page, no start
    // button before the last, and no Next on the last.
    const auto offered = [](const QList<Element>& elements) {
        QStringList buttons;
        for (const Element& element : elements)
            if (element.role == "push button")
                buttons << element.name;
        return buttons.join(", ").toStdString();
    };
    EXPECT_EQ(offered(welcome), "Next, Close");

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
    EXPECT_EQ(offered(choices), "Back, Start playing with 10,000 chips, Close");
}

// The buy-in slider, reached by Tab and moved by keys, as Orca speaks it: its amount in chips when it
// gets the keys, and the new amount at every move, Left by one big blind and Home to the least.
TEST_F(ScreenReaderEndToEnd, OrcaSpeaksTheBuyInAmountWhenTheSliderGetsTheKeysAndAtEveryMove) {
    QString why = whyNoReader();
    if (why.isEmpty() && QStandardPaths::findExecutable("orca").isEmpty())
        why = QStringLiteral("Orca is not installed");
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(writeProfile(home.path(), atTheCashTable()));
    const QString log = home.path() + "/orca.log";
    const std::optional<QString> listened = runBesideTheGame(*desktop, home.path(), buyInPlayer, log, why);
    if (!listened)
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(listened->contains(QStringLiteral("F\tslider"))) << listened->toStdString();
    const std::optional<QString> record = orcaRecord(log);
    ASSERT_TRUE(record);
    const QStringList spoken = spokenIn(*record);
    // 100 big blinds of 10 at the start, then 99, then the least, 40: each amount in its own words,
    // whatever the grouping Orca gives it, in the order the keys were pressed.
    const auto said = [&spoken](const QString& amount, qsizetype from) {
        const QRegularExpression words(QStringLiteral("\\b%1\\b").arg(amount));
        for (qsizetype index = from; index < spoken.size(); ++index)
            if (spoken[index].contains(words))
                return index;
        return qsizetype(-1);
    };
    qsizetype focusedAt = -1;
    for (qsizetype index = 0; index < spoken.size() && focusedAt < 0; ++index)
        if (spoken[index].contains(QStringLiteral("slider")))
            focusedAt = index;
    const std::string heard = spoken.join('\n').toStdString();
    ASSERT_GE(focusedAt, 0) << heard;
    EXPECT_TRUE(spoken[focusedAt].contains(QRegularExpression(QStringLiteral("\\b1,?000\\b"))))
        << "the amount as the slider gets the keys: " << spoken[focusedAt].toStdString();
    const qsizetype left = said(QStringLiteral("990"), focusedAt + 1);
    EXPECT_GT(left, focusedAt) << "Left by one big blind:\n" << heard;
    EXPECT_GT(said(QStringLiteral("400"), std::max(left, focusedAt) + 1), focusedAt) << "Home:\n" << heard;
}

// Keys pressed as a player presses them, once Orca listens: step(name, keys...) presses the keys, then
// prints an "F" line naming the element that holds the keys (step, role, name).
const std::string keySteps = findTheGame + R"py(
deadline = time.time() + 90
while not orcaListens() and time.time() < deadline: time.sleep(1)
time.sleep(2)
def step(name, *keys):
    for key in keys:
        subprocess.run(["xdotool", "key", key])
        time.sleep(0.8)
    time.sleep(2)
    # States are read afresh: the client's cache follows only the events it listens for.
    app.clearCache()
    node = next((found for found in (focused(window) for window in app) if found), None)
    print("F\t%s\t%s\t%s" % (name, node.getRoleName() if node else "", (node.name or "").replace("\t", " ") if node else ""))
    sys.stdout.flush()
)py";

// Opens Poker Basics by its command, turns a page, then walks by keys to the rankings, into the
// starting-hands chart and to a glossary search's first result, then to another search's; then asks
// where the guide stands by the command again.
const std::string guideReader = keySteps + R"py(
step("opened", "ctrl+question")
step("section", "Tab")
step("turned", "Return")
step("rankings", "Right", "Tab")
step("second ranking", "Down")
step("chart", "shift+Tab", "Right", "Tab")
step("chosen", "Right")
step("search", "shift+Tab", "Right", "Tab")
step("typed", "b", "i", "g")
step("result", "Tab")
# Orca reads the list it enters before the row.
waitUntilSaid("Big blind (BB)", 20)
step("searched again", "shift+Tab", "s", "u", "i", "t", "e", "d")
step("suited", "Tab")
step("asked", "ctrl+question")
waitUntilSaid("Search: suited", 20)
)py";

// From the lobby's guide by keys: Return turns the pages to the last, whose forward button then starts
// the practice hand, and goes on through its first captions; then Space, which moves a caption on and
// checks or calls on a turn, plays the hand to its showdown's caption. Each key at the table waits, as a
// player who listens does, until Orca has said what the one before brought (the words `until` among
// it) and then fallen silent, and after a caption until it has named the button that took the keys
// (unless that button held them already): pressed by the clock, keys piled up while a loaded game was busy
// and moved captions on unheard.
const std::string practiceReader = keySteps + R"py(
def holder():
    app.clearCache()
    node = next((found for found in (focused(window) for window in app) if found), None)
    return node.name if node else ""
def press(name, key, until=""):
    mark, held = len(spoken() or []), holder() == "Got It"
    subprocess.run(["xdotool", "key", key])
    deadline, heard, quiet = time.time() + 40, [], 0
    while time.time() < deadline and spoken() is not None:
        now = [line for line in spoken()[mark:] if "notification" in line or "push button" in line]
        quiet = quiet + 1 if now == heard else 0
        heard = now
        named = held or (heard and (" of 7. " not in heard[-1] or "push button" in heard[-1]))
        if heard and quiet >= 6 and until in "".join(heard) and named: break
        time.sleep(0.5)
    step(name)
step("opened", "ctrl+question")
step("section", "Tab")
step("last page", "Return", "Return", "Return", "Return", "Return")
press("first caption", "Return", "Only you can see these two")
press("second caption", "Return", "Step 2 of 7")
for _ in range(30):
    if spoken() is None or any("Step 7 of 7" in line for line in spoken()): break
    press("played on", "space")
waitUntilSaid("Got It push button", 10)
)py";

// The first-run window: it opens, Return turns to the second and third pages, then Tab goes round the
// third page's controls.
const std::string onboardingReader = keySteps + R"py(
step("opened")
step("page 2", "Return")
step("page 3", "Return")
for index in range(8): step("tab %d" % index, "Tab")
waitUntilSaid("Start playing with", 30)
)py";

// Runs the game in a fresh home beside `client` with Orca: what the client printed and what Orca said,
// or nothing with why not.
std::optional<std::pair<QString, QString>> readWithOrca(const Desktop& desktop, const QString& home,
                                                        const std::string& client, QString& whyNot) {
    whyNot = whyNoReader();
    if (whyNot.isEmpty() && QStandardPaths::findExecutable("orca").isEmpty())
        whyNot = QStringLiteral("Orca is not installed");
    if (!whyNot.isEmpty())
        return std::nullopt;
    const QString log = home + "/orca-read.log";
    const std::optional<QString> read = runBesideTheGame(desktop, home, client, log, whyNot);
    if (!read)
        return std::nullopt;
    return std::pair{*read, spokenIn(orcaRecord(log).value_or(QString())).join('\n')};
}

// Stamps every event sent on the accessibility bus as it arrives, with its sender; `owner` gives a
// sender's process, `game` is the game's.
const std::string eventStamps = R"py(
import threading, collections
from gi.repository import GLib, Gio
address = Gio.bus_get_sync(Gio.BusType.SESSION).call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
    "GetAddress", None, None, Gio.DBusCallFlags.NONE, -1).unpack()[0]
bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                              Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
lock, sent = threading.Lock(), []
def stamp(connection, message, incoming):
    if incoming and message.get_message_type() == Gio.DBusMessageType.SIGNAL:
        body, member = message.get_body(), message.get_member()
        kind = member + (":" + body[0] if member in ("StateChanged", "PropertyChange") else "")
        with lock: sent.append((time.time(), message.get_sender(), kind))
    return message
bus.add_filter(stamp)
bus.signal_subscribe(None, None, None, None, None, Gio.DBusSignalFlags.NONE, lambda *unused: None)
def owner(name):
    try:
        return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE,
            2000).unpack()[0]
    except GLib.Error: return None
game = app.get_process_id()
)py";

// Starts the lobby's default table by keys once Orca listens (Return, and Return again on the Cash
// Table's sheet), waits for Orca to say the first hand, the table and the player's cards, then quits
// with Ctrl+Q. Meanwhile it stamps every event the game sends the bus as it arrives; "B" lines give, for
// the start and for the quitting, the most events in any 100 ms, when that window began and what they
// were, and "H" whether Orca said "Hand 1. Blinds".
const std::string tableStartPlayer = findTheGame + eventStamps + R"py(
def most(name, since, until):
    with lock: events = [(at, kind) for at, sender, kind in sent if since <= at < until and sender in ours]
    best, begun, first = 0, 0, 0
    for index, (at, kind) in enumerate(events):
        while events[first][0] <= at - 0.1: first += 1
        if index - first + 1 > best: best, begun = index - first + 1, first
    kinds = collections.Counter(kind for at, kind in events[begun:begun + best])
    print("B\t%s\t%d\t%.3f\t%s" % (name, best, events[begun][0] - since if events else 0, " ".join(
        "%s=%d" % pair for pair in kinds.most_common())))
def heard(words, mark):
    return any(words in line for line in (spoken() or [])[mark:])
deadline = time.time() + 90
while not orcaListens() and time.time() < deadline: time.sleep(0.5)
time.sleep(2)
mark, started = len(spoken() or []), time.time()
subprocess.run(["xdotool", "key", "Return"])
deadline, sheet = time.time() + 90, True
while time.time() < deadline and not heard("Hand 1. Blinds", mark):
    if sheet and heard("Sit Down", mark):
        subprocess.run(["xdotool", "key", "Return"])
        sheet = False
    time.sleep(0.5)
waitUntilSaid("Table section", 20, mark)
waitUntilSaid("Your cards: ", 20, mark)
time.sleep(3)
with lock: senders = set(sender for at, sender, kind in sent)
ours = set(sender for sender in senders if owner(sender) == game)
quitting = time.time()
subprocess.run(["xdotool", "key", "ctrl+q"])
deadline = time.time() + 30
while time.time() < deadline and os.path.exists("/proc/%d" % game) and not open(
        "/proc/%d/stat" % game).read().split(") ")[-1].startswith("Z"):
    time.sleep(0.2)
ended = time.time()
most("start", started, quitting)
most("quit", quitting, ended + 1)
print("H\t%d" % heard("Hand 1. Blinds", mark))
)py";

// No table's start nor quitting sends a reader more events at once than Orca keeps up with: past 50
// waiting, Orca drops name changes and what shows, the first hand's words among them. Each table's
// first hand is heard, in the window and in the popover a first launch opens.
TEST_F(ScreenReaderEndToEnd, OrcaHearsEachTablesFirstHandAndNoStartOrQuittingFloodsIt) {
    for (const auto& [mode, surface] : {std::pair{GameMode::cashTable, LaunchSurface::window},
                                        std::pair{GameMode::quickHand, LaunchSurface::window},
                                        std::pair{GameMode::sitAndGo, LaunchSurface::window},
                                        std::pair{GameMode::quickHand, LaunchSurface::menuBar}}) {
        SCOPED_TRACE(std::string(toString(mode)) +
                     (surface == LaunchSurface::menuBar ? " in the popover" : ""));
        QTemporaryDir session;
        Profile profile = onboardedInTheWindow();
        profile.settings.defaultTable = mode;
        profile.settings.launchSurface = surface;
        ASSERT_TRUE(writeProfile(session.path(), profile));
        QString why;
        const auto read = readWithOrca(*desktop, session.path(), tableStartPlayer, why);
        if (!read)
            GTEST_SKIP() << why.toStdString();
        const auto& [printed, spoken] = *read;
        const std::string seen = printed.toStdString() + "\n" + spoken.toStdString();
        const QList<QStringList> bursts = linesOf(printed, QStringLiteral("B"));
        ASSERT_EQ(bursts.size(), 2) << seen;
        for (const QStringList& burst : bursts) {
            std::cout << toString(mode) << " " << burst.join(' ').toStdString()
                      << " (most events in 100 ms, from seconds in, of which)\n";
            EXPECT_LE(burst.value(1).toInt(), 50) << burst.join(' ').toStdString();
        }
        EXPECT_EQ(linesOf(printed, QStringLiteral("H")).value(0).value(0), QStringLiteral("1")) << seen;
        // The player's cards are heard once, however late the reader reads the table the keys land on,
        // and the turn, when it comes, after them. (Orca may read the window's table before the start's
        // announcement, which its title tells too.)
        EXPECT_EQ(spoken.count(QStringLiteral("Your cards: ")), 1) << seen;
        if (spoken.contains(QStringLiteral("Your turn. "))) {
            EXPECT_TRUE(saidAnchorThen(spoken.split('\n'), QStringLiteral("Your cards: "),
                                       QStringLiteral("Your turn. ")))
                << seen;
        }
        // In the popover, the first hand is followed by where the keys landed, the table, with no bare name
        // of the popover between them, as if the player had come to another window.
        if (surface != LaunchSurface::menuBar)
            continue;
        const QStringList lines = spoken.split('\n');
        const qsizetype hand = lines.indexOf(QRegularExpression(QStringLiteral(".*Hand 1\\. Blinds.*")));
        const qsizetype table =
            hand < 0 ? -1 : lines.indexOf(QRegularExpression(QStringLiteral(".*Table section.*")), hand);
        ASSERT_TRUE(hand >= 0 && table > hand) << seen;
        EXPECT_TRUE(lines.mid(hand, table - hand)
                        .filter(QRegularExpression(QStringLiteral("^'Chipwhistle\\.'")))
                        .isEmpty())
            << seen;
    }
}

TEST_F(ScreenReaderEndToEnd, OrcaReadsEachOnboardingPageAndEachQuestionIsOneTabStop) {
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), onboardingReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *read;
    for (const char* words :
         {"No-Limit Hold'em against bots", "You can't buy chips, and you can't cash them out.",
          "Tell us how well you know poker"})
        EXPECT_TRUE(spoken.contains(words)) << "never spoken: " << words << "\n" << spoken.toStdString();
    EXPECT_FALSE(spoken.contains("..")) << spoken.toStdString();
    QStringList answers;
    for (const QStringList& focus : linesOf(printed, QStringLiteral("F")))
        if (focus.value(0).startsWith("tab") && focus.value(1) == "radio button" &&
            !answers.contains(focus.value(2)))
            answers << focus.value(2);
    // The first card of the unanswered question, and the chosen one of each other.
    answers.sort();
    EXPECT_EQ(answers, (QStringList{"I know the rules", "Quick Hand", "System Tray"}))
        << printed.toStdString();
}

TEST_F(ScreenReaderEndToEnd, OrcaReadsTheGuidesPagesRankingsAndGlossaryWordByWord) {
    ASSERT_TRUE(writeProfile(home.path(), onboardedInTheWindow()));
    QString why;
    const auto orcaRead = readWithOrca(*desktop, home.path(), guideReader, why);
    if (!orcaRead)
        GTEST_SKIP() << why.toStdString();
    const QString* read = &orcaRead->first;
    const QString& spoken = orcaRead->second;

    std::map<QString, std::pair<QString, QString>> held;
    for (const QStringList& focus : linesOf(*read, QStringLiteral("F")))
        held[focus.value(0)] = {focus.value(1), focus.value(2)};
    const auto expectHeld = [&](const char* step, const char* role, const char* startsWith) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(held.contains(step)) << read->toStdString();
        EXPECT_EQ(held[step].first, role) << held[step].second.toStdString();
        EXPECT_TRUE(held[step].second.startsWith(startsWith)) << held[step].second.toStdString();
    };
    expectHeld("turned", "radio button", "Basics");
    expectHeld("rankings", "list item", "1. Royal Flush: A, K, Q, J and 10, all one suit.");
    expectHeld("second ranking", "list item", "2. Straight Flush");
    expectHeld("chart", "table", "Starting hands chart");
    expectHeld("search", "text", "Search");
    expectHeld("result", "list item", "Big blind (BB), The larger forced bet");
    // Cards are read by their names, as the table says them, not by their symbols.
    expectHeld("suited", "list item",
               "Suited and offsuit, Your two cards are suited when they share a suit, like Ace of spades and "
               "Jack of spades, and offsuit");

    // What Orca said: the turned page's own words, each ranking with its name, the field's name. The
    // result is held to its name over the bus above: entering the list, Orca first reads the panel round
    // it, which on two loaded cores can outlast the run.
    // A tab chosen says the words at its top; the chart entered names where the arrows start, and each
    // cell they choose.
    for (const char* words :
         {"You get two cards only you can see, your hole cards.", "notification Best first.",
          "1. Royal Flush", "2. Straight Flush", "notification Rule of thumb. Play pairs",
          "notification Click a hand to see how it rates.", "Ace-king suited, great", "Search"})
        EXPECT_TRUE(spoken.contains(words)) << "never spoken: " << words << "\n" << spoken.toStdString();
    // Asked where the guide stands, the searched glossary says what its field holds and finds.
    EXPECT_TRUE(spoken.contains("Search: suited. 1 word")) << spoken.toStdString();
}

TEST_F(ScreenReaderEndToEnd, OrcaHearsTheWayIntoThePracticeHandWhoseCaptionsHoldTheKeysOnANamedButton) {
    ASSERT_TRUE(writeProfile(home.path(), onboardedInTheWindow()));
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), practiceReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *read;
    std::map<QString, QStringList> held;
    for (const QStringList& focus : linesOf(printed, QStringLiteral("F")))
        held[focus.value(0)] = focus.mid(1);
    EXPECT_EQ(held["first caption"], (QStringList{"push button", "Got It"})) << printed.toStdString();
    EXPECT_EQ(held["second caption"], (QStringList{"push button", "Got It"})) << printed.toStdString();
    // What each caption says is the game's announcement, which Orca speaks as it speaks every other (see
    // the series above); it is held to its words in the caption's own tests.
    EXPECT_TRUE(spoken.contains("Next is now Play a Practice Hand.")) << spoken.toStdString();
    // The first caption explains the player's cards: it comes after them.
    const qsizetype caption = spoken.indexOf(QStringLiteral("Only you can see these two"));
    EXPECT_GE(caption, 0) << spoken.toStdString();
    EXPECT_GE(spoken.lastIndexOf(QStringLiteral("Your cards: "), caption), 0) << spoken.toStdString();
    // A caption's button takes the keys only after the caption's words, which follow what they explain
    // (the hand's start, the river, the showdown): "Got It" is heard right after a caption each time.
    const QStringList lines = spoken.split('\n');
    int gotIts = 0;
    bool afterTheRiver = false;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (!lines[at].contains(QStringLiteral("Got It push button")))
            continue;
        ++gotIts;
        qsizetype told = at - 1;
        while (told >= 0 && !lines[told].contains(QStringLiteral("notification")))
            --told;
        EXPECT_TRUE(told >= 0 && lines[told].contains(QStringLiteral(" of 7. ")))
            << "\"Got It\" before its caption's words, after: "
            << (told >= 0 ? lines[told] : QString()).toStdString() << "\n"
            << spoken.toStdString();
        afterTheRiver = afterTheRiver || (told >= 0 && lines[told].contains(QStringLiteral("Step 6 of 7")));
    }
    EXPECT_GE(gotIts, 2) << spoken.toStdString();
    EXPECT_TRUE(afterTheRiver) << spoken.toStdString();
    // The practice hand is a learning table: the player's cards come with what their tag says of them,
    // when they are dealt ("Great start, 5 of 5.") and in the table's words once the board is out (its
    // king-queen makes a pair of kings or king high).
    const QStringList cards = lines.filter(QStringLiteral("Your cards: "));
    EXPECT_FALSE(cards.isEmpty()) << spoken.toStdString();
    const QRegularExpression tagged(
        QStringLiteral("Your cards: [^.]+\\. (\\w+ start, \\d of 5|Pair of \\w+|\\w+ High)\\."));
    for (const QString& line : cards)
        EXPECT_TRUE(line.contains(tagged)) << line.toStdString();
}

// A reader's keys over the bus, taken as Orca takes them: a listener of the registry's, asked about each
// key before the game has it, that keeps keypad Enter (Where Am I in Orca's desktop layout) and Return
// while Caps Lock, the laptop layout's Orca key, is held. From the Cash Table's sheet, opened by Return
// in the lobby, and the practice hand's first caption, reached through the guide by keys, each is asked
// where it is in both layouts, then the sheet is closed by Escape and the caption moved on by Return.
// An "F" line after each step: the step, what holds the keys, whether the sheet shows, the captions'
// headings; a "T" line with each key the listener kept.
const std::string readerKeysPlayer = findTheGame + R"py(
from gi.repository import GLib
# Keys by their X11 symbols: Qt names both Enters "Return".
capsLock, keypadEnter, returnKey = 0xffe5, 0xff8d, 0xff0d
orcaKeyHeld, kept = [False], []
def listened(event):
    pressed = event.type == pyatspi.KEY_PRESSED_EVENT
    if event.id == capsLock:
        orcaKeyHeld[0] = pressed
        return True
    if event.id == keypadEnter or (event.id == returnKey and orcaKeyHeld[0]):
        if pressed: kept.append("KP_Enter" if event.id == keypadEnter else "Return")
        return True
    return False
pyatspi.Registry.registerKeystrokeListener(listened, mask=pyatspi.allModifiers(),
    kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT), synchronous=True, preemptive=True)
# Qt's bridge asks about keys only while someone listens for its events, as a reader always does.
pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
# The keys go from the loop's own turns, so the listener answers each at once, as a reader must.
def keys(*names): subprocess.Popen(["xdotool"] + [word for name in names for word in name.split()])
def report(name):
    app.clearCache()
    holder = next((found for found in (focused(window) for window in app) if found), None)
    sheet = any(pyatspi.findDescendant(window, lambda node: node.name == "Cash Table" and
                node.getState().contains(pyatspi.STATE_SHOWING)) for window in app)
    headings = sorted(set(node.name for window in app for node in pyatspi.findAllDescendants(window,
                lambda node: node.getRole() == pyatspi.ROLE_HEADING and node.name and
                node.getState().contains(pyatspi.STATE_SHOWING))))
    print("F\t%s\t%s\t%s\t%s" % (name, said(holder.name or "") if holder else "", "sheet" if sheet else "",
                                 "|".join(said(heading) for heading in headings)))
    sys.stdout.flush()
whereAmI = ("key KP_Enter", "keydown Caps_Lock key Return keyup Caps_Lock key Caps_Lock")
def steps():
    yield 4
    keys("key Return"); yield 3
    report("sheet")
    for index, press in enumerate(whereAmI):
        keys(press); yield 3
        report("sheet asked %d" % index)
    keys("key Escape"); yield 3
    keys("key ctrl+question"); yield 3
    keys("key Tab"); yield 1.5
    for _ in range(5):
        keys("key Return"); yield 1.5
    keys("key Return"); yield 4
    report("caption")
    for index, press in enumerate(whereAmI):
        keys(press); yield 3
        report("caption asked %d" % index)
    keys("key Return"); yield 4
    report("caption moved on")
    print("T\t%s" % "\t".join(kept))
    pyatspi.Registry.stop()
script = steps()
def advance():
    try: GLib.timeout_add(int(next(script) * 1000), advance)
    except StopIteration: pass
    return False
GLib.timeout_add(100, advance)
pyatspi.Registry.start()
)py";

TEST_F(ScreenReaderEndToEnd, AReadersKeysReachItBeforeAnyDefaultButtonOnTheSheetAndTheCaption) {
    QString why = whyNoReader();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(writeProfile(home.path(), atTheCashTable()));
    const std::optional<QString> printed = runBesideTheGame(*desktop, home.path(), readerKeysPlayer, {}, why);
    ASSERT_TRUE(printed) << why.toStdString();
    std::map<QString, QStringList> seen;
    for (const QStringList& step : linesOf(*printed, QStringLiteral("F")))
        seen[step.value(0)] = step.mid(1);
    const std::string all = printed->toStdString();
    ASSERT_EQ(seen["sheet"].value(1), "sheet") << all;
    ASSERT_FALSE(seen["caption"].value(2).isEmpty()) << all;
    for (const QString& asked : {QStringLiteral("asked 0"), QStringLiteral("asked 1")}) {
        EXPECT_EQ(seen["sheet " + asked], seen["sheet"]) << "the sheet's default acted on the reader's key\n"
                                                         << all;
        EXPECT_EQ(seen["caption " + asked], seen["caption"])
            << "the caption's Got It acted on the reader's key\n"
            << all;
    }
    EXPECT_NE(seen["caption moved on"].value(2), seen["caption"].value(2)) << "Return is still Got It\n"
                                                                           << all;
    const QList<QStringList> kept = linesOf(*printed, QStringLiteral("T"));
    ASSERT_EQ(kept.size(), 1) << all;
    EXPECT_EQ(kept[0], (QStringList{"KP_Enter", "Return", "KP_Enter", "Return"})) << all;
}

// A player who opens the window, with a Quick Hand saved just before their turn to call with every chip
// they have: they raised all but a big blind before the flop, and the bot is to bet or raise. The lobby
// offers a Sit & Go once it is left. The call's amount, or none when no deal of the first hundred came
// to it.
std::optional<std::int64_t> saveACallOfEveryChip(const QString& folder) {
    const auto raiseAllButABlind = [](const PokerEngine::PlayerView& view) {
        const PokerEngine::LegalActions& legal = *view.legalActions;
        const std::int64_t to = legal.maxRaiseTo - 20;
        return legal.minRaiseTo && *legal.minRaiseTo <= to ? legal.aggressiveAction(to) : checkOrCall(view);
    };
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        QDir(folder).removeRecursively();
        AppState state{PersistenceStore(folder)};
        state.completeOnboarding();
        state.setLaunchSurface(LaunchSurface::window);
        state.setDefaultTable(GameMode::sitAndGo);
        state.setBotSpeed(BotSpeed::fast);
        state.setAutoDeal(true);
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.start(
            GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), seed, 10}));
        // The table is saved as the bot is about to make the move that leaves the call, so the turn is
        // told as it comes in play, not as the table is resumed.
        QFile saved(folder + QStringLiteral("/savedgame.json"));
        QByteArray beforeTheBot;
        for (int step = 0, hands = 0; step < 500 && !harness.controller.tableOver(); ++step) {
            if (harness.controller.isHeroTurn()) {
                const PokerEngine::PlayerView view = *harness.controller.view();
                if (ActionBarModel{view, *view.legalActions, 0, std::nullopt}.callIsAllIn() &&
                    !beforeTheBot.isEmpty() && saved.open(QIODevice::WriteOnly)) {
                    saved.write(beforeTheBot);
                    saved.close();
                    return view.legalActions->callAmount;
                }
            } else if (saved.open(QIODevice::ReadOnly)) {
                beforeTheBot = saved.readAll();
                saved.close();
            }
            if (!harness.stepOnce(raiseAllButABlind, hands))
                break;
        }
    }
    return std::nullopt;
}

// The player of `profile` in `home`, with a Quick Hand saved at their first turn, which comes after the
// opponent's first move (the table shows the hand's cards at rest as it is resumed), for the lobby to
// offer to resume; whether a deal of the first twenty came to it.
bool saveATurnAfterTheOpponentsMove(const QString& home, const Profile& profile) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        QDir(dataFolder(home)).removeRecursively();
        if (!writeProfile(home, profile))
            return false;
        AppState state{PersistenceStore(dataFolder(home))};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        harness.controller.start(
            GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::easy), seed, 10}));
        for (int step = 0, hands = 0; step < 50 && !harness.controller.isHeroTurn(); ++step)
            if (!harness.stepOnce(checkOrCall, hands))
                break;
        const auto view = harness.controller.view();
        const bool moved = view && std::any_of(view->log.begin(), view->log.end(), [](const auto& event) {
                               return event.template is<PokerEngine::HandEvent::Acted>();
                           });
        if (harness.controller.isHeroTurn() && view->handNumber == 1 && moved && state.savedGame())
            return true;
    }
    return false;
}

// The key steps, and `holder()`, the name of what holds the keys, and `tabTo(name)`, Tab (or `key`)
// pressed until what holds the keys has a name that starts with `name`.
const std::string tabSteps = std::string(keySteps) + R"py(
def holder():
    app.clearCache()
    node = next((found for found in (focused(window) for window in app) if found), None)
    return (node.name or "") if node else ""
def tabTo(name, key="Tab"):
    for _ in range(40):
        if holder().startswith(name): return
        subprocess.run(["xdotool", "key", key]); time.sleep(0.6)
)py";

// A Quick Hand resumed from the window's lobby by keys: once Orca says "Your turn", the player asks Orca
// where they are (a "W" line with how many lines Orca had said before), then Tab reaches the toolbar's
// "Leave" and Return presses it; when the player has chips in the pot, the question's button that leaves
// is reached by Tab and pressed too. Prints an "M" line with how many lines Orca had said before. Then
// the lobby's card registers a Sit & Go, whose toolbar "Forfeit" (by Shift+Tab) and question's "Forfeit
// the Sit & Go" are reached and pressed as its first hand is dealt; prints an "R" line and an "S" line
// with how many lines Orca had said before registering and before the last press, and an "L" line with
// the name of what holds the keys in the lobby then.
const std::string leavingReader = tabSteps + R"py(
subprocess.run(["xdotool", "key", "Return"])
waitUntilSaid("Your turn. ", 120)
print("W\t%d" % len(spoken() or [])); sys.stdout.flush()
step("where am I", "KP_Enter")
tabTo("Leave")
print("M\t%d" % len(spoken() or [])); sys.stdout.flush()
step("leave", "Return")
if holder() == "Keep Playing":
    tabTo("Leave")
    step("left", "Return")
waitUntilSaid("You left the table", 20)
step("moved on", "Tab")
tabTo("Register", "shift+Tab")
mark = len(spoken() or [])
print("R\t%d" % mark); sys.stdout.flush()
step("registered", "Return")
waitUntilSaid("Hand 1. Blinds", 20, mark)
tabTo("Forfeit", "shift+Tab")
step("forfeit", "Return")
tabTo("Forfeit the Sit & Go")
mark = len(spoken() or [])
print("S\t%d" % mark); sys.stdout.flush()
step("forfeited", "Return")
waitUntilSaid("You left the Sit & Go", 20, mark)
print("L\t%s" % holder()); sys.stdout.flush()
)py";

// A turn whose call takes every chip says so, as the call button does. Once the player has chosen to
// leave, nothing more is said of their turn: the game says what they left with. A Sit & Go forfeited
// says, once, that it ended and what it cost, and the lobby's button that takes the keys is read.
TEST_F(ScreenReaderEndToEnd, OrcaSaysACallTakesEveryChipAndNoTurnOnceThePlayerLeavesMidHand) {
    const std::optional<std::int64_t> call = saveACallOfEveryChip(dataFolder(home.path()));
    ASSERT_TRUE(call) << "no deal came to a call of every chip";
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), leavingReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *read;
    const QList<QStringList> mark = linesOf(printed, QStringLiteral("M"));
    ASSERT_EQ(mark.size(), 1) << printed.toStdString() << spoken.toStdString();
    const QStringList lines = spoken.split('\n');
    EXPECT_TRUE(lines.mid(0, mark[0].value(0).toInt())
                    .join('\n')
                    .contains(QStringLiteral("Your turn. %1 to call. Calling puts you all in.").arg(*call)))
        << spoken.toStdString();
    // From leaving the Quick Hand to registering the Sit & Go.
    const QList<QStringList> registering = linesOf(printed, QStringLiteral("R"));
    ASSERT_EQ(registering.size(), 1) << printed.toStdString() << spoken.toStdString();
    const QString afterLeaving =
        lines.mid(mark[0].value(0).toInt(), registering[0].value(0).toInt() - mark[0].value(0).toInt())
            .join('\n');
    // Where Am I on the table names the player's cards and chips.
    const QList<QStringList> asked = linesOf(printed, QStringLiteral("W"));
    ASSERT_EQ(asked.size(), 1) << printed.toStdString();
    EXPECT_TRUE(
        lines.mid(asked[0].value(0).toInt())
            .join('\n')
            .contains(QRegularExpression(QStringLiteral("Your cards: [^\n]* You have [\\d,]+ chips\\."))))
        << spoken.toStdString();
    EXPECT_TRUE(afterLeaving.contains(QStringLiteral("You left the table with"))) << spoken.toStdString();
    EXPECT_FALSE(afterLeaving.contains(QStringLiteral("Your turn"))) << afterLeaving.toStdString();
    const QList<QStringList> forfeit = linesOf(printed, QStringLiteral("S"));
    ASSERT_EQ(forfeit.size(), 1) << printed.toStdString() << spoken.toStdString();
    const QString afterForfeiting = lines.mid(forfeit[0].value(0).toInt()).join('\n');
    EXPECT_EQ(afterForfeiting.count(
                  QStringLiteral("You left the Sit & Go and lost the 500-chip buy-in. Bankroll: ")),
              1)
        << afterForfeiting.toStdString();
    const QList<QStringList> lobby = linesOf(printed, QStringLiteral("L"));
    ASSERT_EQ(lobby.size(), 1) << printed.toStdString();
    ASSERT_FALSE(lobby[0].value(0).isEmpty()) << printed.toStdString();
    EXPECT_TRUE(afterForfeiting.contains(lobby[0].value(0))) << afterForfeiting.toStdString();
}

// From the window's lobby by keys: Return opens the Cash Table sheet, Tab reaches "Fewer opponents",
// Return four times takes the count from 5 to 1 and once more presses past the end; Tab reaches "More
// opponents", where five presses take it back to 5 and past; then Tab reaches "Sit Down", the table
// starts and is paused by P, and Return on the toolbar's "Mute Sounds" mutes and then unmutes.
const std::string countAndMuteReader = std::string(keySteps) + R"py(
def tabTo(name):
    for _ in range(60):
        app.clearCache()
        node = next((found for found in (focused(window) for window in app) if found), None)
        if node is not None and (node.name or "").startswith(name):
            print("T\t%s" % name); sys.stdout.flush(); return
        subprocess.run(["xdotool", "key", "Tab"]); time.sleep(0.6)
step("sheet", "Return")
tabTo("Fewer opponents")
step("fewer", "Return", "Return", "Return", "Return")
waitUntilSaid("1 opponent", 20)
step("fewest", "Return")
waitUntilSaid("1 opponent is the fewest.", 20)
tabTo("More opponents")
step("more", "Return", "Return", "Return", "Return")
step("most", "Return")
waitUntilSaid("5 opponents is the most.", 20)
tabTo("Sit Down")
step("seated", "Return")
time.sleep(3)
step("paused", "p")
tabTo("Mute Sounds")
step("muted", "Return")
waitUntilSaid("Sounds off.", 20)
step("unmuted", "Return")
# Orca writes its record in blocks: moving on makes it write out what it said of the last press.
step("moved on", "Tab")
waitUntilSaid("Sounds on.", 20)
)py";

// Each count the sheet's buttons set, and each turn of the toolbar's sound button, is spoken.
TEST_F(ScreenReaderEndToEnd, OrcaSpeaksEachOpponentCountAndTheToolbarsMuteAndUnmute) {
    ASSERT_TRUE(writeProfile(home.path(), atTheCashTable()));
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), countAndMuteReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *read;
    for (const char* reached : {"T\tFewer opponents", "T\tMore opponents", "T\tSit Down", "T\tMute Sounds"})
        ASSERT_TRUE(printed.contains(reached)) << reached << " never had the keys:\n"
                                               << printed.toStdString();
    // A press past either end leaves the keys on the button pressed.
    for (const char* held :
         {"F\tfewest\tpush button\tFewer opponents", "F\tmost\tpush button\tMore opponents"})
        EXPECT_TRUE(printed.contains(held)) << held << "\n" << printed.toStdString();
    std::map<QString, int> said;
    for (const QString& line : spoken.split('\n'))
        if (const auto words = QRegularExpression("^'(.*?)'(\\{|$)").match(line); words.hasMatch())
            ++said[words.captured(1)];
    // Each count a press sets is said once, by the button pressed (a button reached by Tab says the count
    // with Orca's full stop after it); each press past an end says the end once.
    for (const char* words : {"4 opponents", "3 opponents", "2 opponents"})
        EXPECT_EQ(said[words], 2) << words << "\n" << spoken.toStdString();
    for (const char* words :
         {"1 opponent", "5 opponents", "notification 1 opponent is the fewest.",
          "notification 5 opponents is the most.", "notification Sounds off.", "notification Sounds on."})
        EXPECT_EQ(said[words], 1) << words << "\n" << spoken.toStdString();
}

// At a Quick Hand started from the window's lobby: Ctrl+? brings the guide out beside the table, Tab
// walks to its pages' forward button, Space turns to the last page and presses "Rankings ›"; then the
// glossary is searched for "pot" and the field reached again by Shift+Tab.
const std::string sidebarGuideReader = std::string(keySteps) + R"py(
def holder():
    app.clearCache()
    node = next((found for found in (focused(window) for window in app) if found), None)
    return (node.name or "") if node else ""
subprocess.run(["xdotool", "key", "Return"])
deadline = time.time() + 90
while time.time() < deadline and not any(
        pyatspi.findDescendant(window, lambda node: node.name == "Back to System Tray") for window in app):
    time.sleep(2)
time.sleep(3)
step("opened", "ctrl+question")
waitUntilSaid("Page 1 of 6", 20)
for _ in range(60):
    if holder() == "Next": break
    subprocess.run(["xdotool", "key", "Tab"]); time.sleep(0.6)
step("last page", "space", "space", "space", "space", "space")
step("rankings", "space")
waitUntilSaid("Royal Flush", 15)
step("search", "shift+Tab", "Right", "Right", "Tab")
step("typed", "p", "o", "t")
step("result", "Tab")
step("back", "shift+Tab")
waitUntilSaid("pot selected", 15)
)py";

TEST_F(ScreenReaderEndToEnd, OrcaReadsTheSidebarGuideAsItOpensAndKeepsItsKeysOnTheWayToTheRankings) {
    ASSERT_TRUE(writeProfile(home.path(), onboardedInTheWindow()));
    QString why;
    const auto orcaRead = readWithOrca(*desktop, home.path(), sidebarGuideReader, why);
    if (!orcaRead)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *orcaRead;
    std::map<QString, QStringList> held;
    for (const QStringList& focus : linesOf(printed, QStringLiteral("F")))
        held[focus.value(0)] = focus.mid(1);
    const std::string heard = printed.toStdString() + "\n" + spoken.toStdString();
    // Opening reads the page, before Tab reaches the guide.
    const qsizetype opened = spoken.indexOf("Page 1 of 6. The goal.");
    EXPECT_GE(opened, 0) << heard;
    EXPECT_LT(opened, spoken.indexOf("Next push button")) << heard;
    // The keys go from "Rankings ›" to the first ranking, not to the table beside the guide.
    EXPECT_EQ(held["last page"].value(1).toStdString(), "Rankings") << heard;
    EXPECT_EQ(held["rankings"].value(0).toStdString(), "list item") << heard;
    EXPECT_TRUE(held["rankings"].value(1).startsWith("1. Royal Flush")) << heard;
    const qsizetype pressed = spoken.indexOf("Next is now Rankings.");
    const qsizetype ranked = spoken.indexOf("1. Royal Flush", pressed);
    ASSERT_GE(pressed, 0) << heard;
    // Without the ranking heard, nothing marks the end of the way there.
    EXPECT_GT(ranked, pressed) << "Orca never said the first ranking after \"Next is now Rankings.\"\n"
                               << heard;
    EXPECT_FALSE(spoken.mid(pressed, ranked - pressed).contains("Table panel")) << heard;
    // The field is read with all it holds.
    EXPECT_EQ(held["back"].join('|').toStdString(), "text|Search") << heard;
    EXPECT_TRUE(spoken.contains("pot selected")) << heard;
    EXPECT_FALSE(spoken.contains("po selected")) << heard;
}

// A Quick Hand saved at the player's first turn, after the opponent's first move, resumed by Return in
// the popover's lobby once Orca has
// read the lobby's "Resume"; prints "R" with how much Orca had said before the Return and once it has
// said the turn.
// At that Quick Hand, once Orca says "Your turn": "f" folds each turn until the next hand the
// player acts first in, and "?" opens the guide over the table the moment it is dealt (its start
// announced), then Escape closes it over the dealt hand; prints "B" with how much Orca had said before that
// opening (and whether the deal was caught) and once it has read the page, and "C" with how much before the
// closing. Once the turn is said again, "?" opens the guide with the table at rest, Escape closes it and "?"
// opens it again; Escape and "?" once more, 60 ms apart, close it and open it again as it slides away
// (prints "S" with how much Orca had said before and once it has read the page); then Tab and Return turn to
// its last page, Tab walks to the page's forward button ("F" line), Space takes it to the rankings, and
// Shift+Tab and Right walk the guide's tabs to the glossary. Prints "M" with how much Orca had said before
// each of these openings and the walk. Then Escape closes the guide and, once Orca says "Your turn", Tab
// reaches the top bar's "Open in Window" and Return moves the table to the window; once the turn is said
// there, Tab reaches "Back to System Tray" and Return moves it back. Prints "V" with how much Orca had said
// before each move.
const std::string popoverGuideReader = tabSteps + eventStamps + R"py(
# How many events the game sent the bus in the 1.5 s from `since`, as many as a reader's queue then holds,
# and of what kinds: an "E" line named `name`.
def sentIn(name, since):
    time.sleep(max(0, since + 1.6 - time.time()))
    with lock: stamped = [(sender, kind) for at, sender, kind in sent if since <= at < since + 1.5]
    ours = set(sender for sender in set(sender for sender, kind in stamped) if owner(sender) == game)
    kinds = collections.Counter(kind for sender, kind in stamped if sender in ours)
    print("E\t%s\t%d\t%s" % (name, sum(kinds.values()), " ".join("%s=%d" % pair for pair in kinds.most_common())))
    sys.stdout.flush()
def pages(count):
    deadline = time.time() + 20
    while time.time() < deadline and len([line for line in spoken() or [] if "Page 1 of 6" in line]) < count:
        time.sleep(1)
    print("M\t%d" % len(spoken() or [])); sys.stdout.flush()
# Whether the game has just announced `words`: the announcement's window, before Orca gets to it.
def announcedNow(words):
    app.clearCache()
    for window in app:
        try:
            if window.getRole() == pyatspi.ROLE_NOTIFICATION and (window.name or "").startswith(words):
                return True
        except Exception:
            pass
    return False
waitUntilSaid("Resume push button", 30)
print("R\t%d" % len(spoken() or [])); sys.stdout.flush()
subprocess.run(["xdotool", "key", "Return"])
waitUntilSaid("Your turn. ", 90)
time.sleep(2)
print("R\t%d" % len(spoken() or [])); sys.stdout.flush()
# The guide opens over a hand's deal: the reader is told the deal's changes and the opening's together.
# It is a hand the player acts first in, so their turn waits as the guide closes over it, whatever the
# opponent would do: heads-up the small blind acts first, the button moves every hand, and only the small
# blind's first turn is "10 to call". Every turn before that hand is folded.
def turns(): return len([line for line in spoken() or [] if "Your turn. " in line])
first = next((line for line in spoken() or [] if "Your turn. " in line), "")
hands = [int(found.group(1)) for found in (re.search(r"Hand (\d+)\. Blinds", line) for line in spoken() or []) if found]
dealt = "Hand %d. Blinds" % ((max(hands) if hands else 1) + (2 if "Your turn. 10 to call." in first else 1))
folded = turns()
subprocess.run(["xdotool", "key", "f"])
deadline, caught = time.time() + 60, False
while time.time() < deadline and not caught:
    caught = announcedNow(dealt)
    if caught: break
    if turns() > folded:
        folded = turns()
        subprocess.run(["xdotool", "key", "f"])
    time.sleep(0.05)
before = len(spoken() or [])
subprocess.run(["xdotool", "key", "question"])
print("B\t%d\t%s" % (before, "dealt" if caught else "missed")); sys.stdout.flush()
deadline = time.time() + 20
while time.time() < deadline and not any("Page 1 of 6" in line for line in spoken() or []):
    time.sleep(1)
print("B\t%d" % len(spoken() or [])); sys.stdout.flush()
mark = len(spoken() or [])
read = len([line for line in spoken() or [] if "Page 1 of 6" in line])
print("C\t%d" % mark); sys.stdout.flush()
closing = time.time()
step("dealt closed", "Escape")
sentIn("closed", closing)
waitUntilSaid("Your turn. ", 90, mark)
time.sleep(2)
pages(read)
opening = time.time()
step("opened", "question")
sentIn("opened", opening)
pages(read + 1)
step("closed", "Escape", "question")
pages(read + 2)
# Closed, and opened again as it slides away.
print("S\t%d" % len(spoken() or [])); sys.stdout.flush()
subprocess.run(["xdotool", "key", "--delay", "60", "Escape", "question"])
deadline = time.time() + 20
while time.time() < deadline and len([line for line in spoken() or [] if "Page 1 of 6" in line]) < read + 3:
    time.sleep(1)
time.sleep(2)
print("S\t%d" % len(spoken() or [])); sys.stdout.flush()
step("last page", "Tab", "Return", "Return", "Return", "Return", "Return")
for _ in range(12):
    app.clearCache()
    node = next((found for found in (focused(window) for window in app) if found), None)
    if node is not None and node.getRoleName() == "push button" and (node.name or "").startswith("Rankings"):
        break
    subprocess.run(["xdotool", "key", "Tab"]); time.sleep(0.6)
step("forward")
step("tabs", "space", "shift+Tab", "Right", "Right")
waitUntilSaid("Search 30 words", 20)
mark = len(spoken() or [])
step("guide closed", "Escape")
waitUntilSaid("Your turn. ", 90, mark)
tabTo("Open in Window")
mark = len(spoken() or []); print("V\t%d" % mark); sys.stdout.flush()
step("window", "Return")
waitUntilSaid("Your turn. ", 20, mark)
time.sleep(2)
tabTo("Back to System Tray")
print("V\t%d" % len(spoken() or [])); sys.stdout.flush()
step("popover", "Return")
time.sleep(6)
step("moved on", "Tab")
)py";

// A hand resumed from the popover's lobby is told as the guide's closing over a hand is: the table where
// the keys land and the player's cards are heard once each, and the turn's prompt after both.
// The guide over the popover's table reads its page once at each opening, opened as a hand is dealt,
// with the table at rest or as it slides away, and the glossary chosen reads its top as the other tabs
// do. Closed over the dealt hand, the guide gives the keys back to the table, read where they land: the
// table and the player's cards are heard once each, and the turn's prompt after both. Moved at the
// player's turn, the table is read where it lands and its turn is said there once, after the focus, in
// either direction; the hand is not told again from its start.
TEST_F(ScreenReaderEndToEnd, OrcaReadsThePopoversGuideOnceAtEachOpeningAndSaysTheTurnWhereverTheTableMoves) {
    Profile profile = playingQuickTenHands();
    profile.settings.launchSurface = LaunchSurface::menuBar;
    ASSERT_TRUE(saveATurnAfterTheOpponentsMove(home.path(), profile));
    QString why;
    const auto orcaRead = readWithOrca(*desktop, home.path(), popoverGuideReader, why);
    if (!orcaRead)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *orcaRead;
    const QList<QStringList> marks = linesOf(printed, QStringLiteral("M"));
    const std::string heard = printed.toStdString() + "\n" + spoken.toStdString();
    ASSERT_EQ(marks.size(), 3) << heard;
    const QStringList lines = spoken.split('\n');
    const QList<QStringList> dealt = linesOf(printed, QStringLiteral("B"));
    ASSERT_EQ(dealt.size(), 2) << heard;
    EXPECT_EQ(dealt[0].value(1).toStdString(), "dealt") << heard;
    const int dealtFrom = dealt[0][0].toInt();
    EXPECT_EQ(lines.mid(dealtFrom, dealt[1][0].toInt() - dealtFrom).filter("Page 1 of 6. The goal.").size(),
              1)
        << "opened as a hand was dealt\n"
        << heard;
    const QList<QStringList> resumed = linesOf(printed, QStringLiteral("R"));
    ASSERT_EQ(resumed.size(), 2) << heard;
    const QStringList resuming =
        lines.mid(resumed[0][0].toInt(), resumed[1][0].toInt() - resumed[0][0].toInt());
    for (const char* once : {"Table section", "Your cards: ", "Your turn. "})
        EXPECT_EQ(resuming.filter(once).size(), 1) << once << " resumed\n" << heard;
    EXPECT_TRUE(saidAnchorThen(resuming, "Table section", "Your turn. ")) << "resumed\n" << heard;
    EXPECT_TRUE(saidAnchorThen(resuming, "Your cards: ", "Your turn. ")) << "resumed\n" << heard;
    const QList<QStringList> closed = linesOf(printed, QStringLiteral("C"));
    ASSERT_EQ(closed.size(), 1) << heard;
    const int closedFrom = closed[0][0].toInt();
    const QStringList closing = lines.mid(closedFrom, marks[0][0].toInt() - closedFrom);
    for (const char* once : {"Table section", "Your cards: ", "Your turn. "})
        EXPECT_EQ(closing.filter(once).size(), 1) << once << " closed over the dealt hand\n" << heard;
    EXPECT_TRUE(saidAnchorThen(closing, "Table section", "Your turn. ")) << heard;
    EXPECT_TRUE(saidAnchorThen(closing, "Your cards: ", "Your turn. ")) << heard;
    for (int opening : {0, 1}) {
        const int from = marks[opening][0].toInt();
        EXPECT_EQ(
            lines.mid(from, marks[opening + 1][0].toInt() - from).filter("Page 1 of 6. The goal.").size(), 1)
            << opening << "\n"
            << heard;
    }
    const QList<QStringList> sliding = linesOf(printed, QStringLiteral("S"));
    ASSERT_EQ(sliding.size(), 2) << heard;
    const QStringList reopening =
        lines.mid(sliding[0][0].toInt(), sliding[1][0].toInt() - sliding[0][0].toInt());
    EXPECT_EQ(reopening.filter("Page 1 of 6. The goal.").size(), 1) << "opened again as it slid away\n"
                                                                    << heard;
    // The table the keys passed through is not read over the guide that came back.
    const qsizetype page = reopening.indexOf(QRegularExpression(QStringLiteral(".*Page 1 of 6.*")));
    EXPECT_TRUE(reopening.mid(page).filter("Table section").isEmpty()) << "read over the guide\n" << heard;
    // Opened over the table at rest, and closed over the dealt hand, the guide sends a reader far fewer
    // events than its queue holds: Orca drops what is past 50, the page's words among them.
    const QList<QStringList> bursts = linesOf(printed, QStringLiteral("E"));
    ASSERT_EQ(bursts.size(), 2) << heard;
    for (const QStringList& burst : bursts) {
        std::cout << burst.join(' ').toStdString() << " (events in 1.5 s, of which)\n";
        EXPECT_LE(burst.value(1).toInt(), 40) << burst.join(' ').toStdString();
    }
    EXPECT_TRUE(lines.mid(marks[2][0].toInt()).join('\n').contains("Search 30 words")) << heard;
    // The last page's way to the rankings is read by its word, never with the chevron drawn after it.
    std::map<QString, QStringList> held;
    for (const QStringList& focus : linesOf(printed, QStringLiteral("F")))
        held[focus.value(0)] = focus.mid(1);
    EXPECT_EQ(held["forward"].join('|').toStdString(), "push button|Rankings") << heard;
    EXPECT_FALSE(spoken.contains(QChar(0x203A))) << heard;
    const QList<QStringList> moves = linesOf(printed, QStringLiteral("V"));
    ASSERT_EQ(moves.size(), 2) << heard;
    const int toWindow = moves[0][0].toInt();
    const int toPopover = moves[1][0].toInt();
    for (const QStringList& moved : {lines.mid(toWindow, toPopover - toWindow), lines.mid(toPopover)}) {
        EXPECT_EQ(moved.filter("Your turn. ").size(), 1) << heard;
        EXPECT_TRUE(saidAnchorThen(moved, "Table section", "Your turn. ")) << heard;
        EXPECT_TRUE(moved.filter("Hand 1. Blinds").isEmpty()) << heard;
    }
}

// At a Quick Hand series started from the window's lobby the player checks or calls with "c" at each
// prompt until a street has been dealt; then, on the player's turn, Shift+Tab takes the keys to the action
// log. Prints "M" with how much Orca had said before, "F" with what then holds the keys (role, name),
// "A" for each element on the way from the window down to it (role, name, states), and "R" for each of
// the log's rows as the bus gives them (role, name, top edge).
const std::string logReader = std::string(keySteps) + R"py(
def held():
    app.clearCache()
    return next((found for found in (focused(window) for window in app) if found), None)
def logRows():
    app.clearCache()
    log = next((found for found in (pyatspi.findDescendant(window, lambda node: node.name == "Action log")
                                    for window in app) if found), None)
    if log is None: return []
    return pyatspi.findAllDescendants(log, lambda node: node.getRole() in (
        pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_HEADING) and node.getState().contains(pyatspi.STATE_SHOWING))
subprocess.run(["xdotool", "key", "Return"])
deadline, ready = time.time() + 240, False
while time.time() < deadline and not ready:
    time.sleep(1.5)
    try: names = [node.name for node in logRows()]
    except Exception: continue
    if not names or not names[-1].startswith("Your turn"): continue
    ready = any(re.match(r"(Flop|Turn|River), ", name) for name in names)
    if not ready: subprocess.run(["xdotool", "key", "c"])
print("M\t%d" % len(spoken() or [])); sys.stdout.flush()
# Each press waits for the keys to move, however slowly a loaded game moves them.
node = held()
for _ in range(12):
    if node is not None and node.name == "Action log": break
    subprocess.run(["xdotool", "key", "shift+Tab"])
    deadline, before = time.time() + 10, node
    while time.time() < deadline and node == before:
        time.sleep(0.5); node = held()
print("F\t%s\t%s" % (node.getRoleName() if node else "", said(node.name) if node else ""))
way = []
while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
    way.insert(0, node); node = node.parent
for step in way:
    print("A\t%s\t%s\t%s" % (step.getRoleName(), said(step.name or ""),
          ",".join(pyatspi.stateToString(s) for s in step.getState().getStates())))
for row in logRows():
    print("R\t%s\t%s\t%d" % (row.getRoleName(), said(row.name),
          row.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y))
sys.stdout.flush()
waitUntilSaid("Your turn \u00b7", 30)
# Then the keys step through the rows: "S" for each key, with how much Orca had said before it and the
# rows the bus then gives as focused. Each waits for Orca to say the row it should reach.
names = [row.name for row in logRows()]
for key, reached in (("Up", -1), ("Up", -2), ("Home", 0), ("Down", 1), ("End", -1)):
    mark = len(spoken() or [])
    subprocess.run(["xdotool", "key", key])
    deadline = time.time() + 15
    while time.time() < deadline and not any(names[reached] in line for line in (spoken() or [])[mark:]):
        time.sleep(0.5)
    focusedRows = [said(row.name) for row in logRows() if row.getState().contains(pyatspi.STATE_FOCUSED)]
    print("S\t%s\t%d\t%s" % (key, mark, "|".join(focusedRows))); sys.stdout.flush()
# Orca writes its record in blocks: moving on makes it write out what it said of the log.
subprocess.run(["xdotool", "key", "Tab"]); time.sleep(3)
)py";

// Shift+Tab to the action log: the rows the bus gives are one element each, in the order they are
// drawn, and Orca says every one of them in that order, the short lines and the street headings with
// their cards among them; nothing on the way in is an unnamed element holding the keys, or a layered
// pane. Then the arrows, Home and End step through the rows, and Orca says each row they reach.
TEST_F(ScreenReaderEndToEnd, OrcaReadsEveryRowOfTheActionLogInOrderWhenShiftTabReachesIt) {
    ASSERT_TRUE(writeProfile(home.path(), playingQuickTenHands()));
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), logReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, spoken] = *read;
    const std::string seen = printed.toStdString() + "\n" + spoken.toStdString();
    const QList<QStringList> held = linesOf(printed, QStringLiteral("F"));
    ASSERT_EQ(held.size(), 1) << seen;
    EXPECT_EQ(held[0].join('|').toStdString(), "list|Action log") << seen;
    for (const QStringList& step : linesOf(printed, QStringLiteral("A"))) {
        EXPECT_NE(step.value(0).toStdString(), "layered pane") << seen;
        if (step.value(2).split(',').contains("focused")) {
            EXPECT_EQ(step.value(1).toStdString(), "Action log")
                << "holds the keys beside the log: " << step.join('|').toStdString();
        }
    }

    const QList<QStringList> rows = linesOf(printed, QStringLiteral("R"));
    ASSERT_GE(rows.size(), 4) << seen;
    EXPECT_EQ(rows.front().value(1).toStdString(), "Preflop") << seen;
    EXPECT_TRUE(rows.back().value(1).startsWith("Your turn \u00b7 ")) << seen;
    bool street = false;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (index > 0) {
            EXPECT_GT(rows[index].value(2).toInt(), rows[index - 1].value(2).toInt())
                << "drawn out of order:\n"
                << seen;
        }
        street =
            street ||
            QRegularExpression("^(Flop|Turn|River), \\w+ of \\w+").match(rows[index].value(1)).hasMatch();
    }
    EXPECT_TRUE(street) << "no street with its cards:\n" << seen;

    // Heard after Shift+Tab, each row in its own words, in the order drawn.
    const qsizetype before = linesOf(printed, QStringLiteral("M")).value(0).value(0).toInt();
    const QString heard = spoken.split('\n').mid(before).join('\n');
    EXPECT_FALSE(heard.contains("layered pane")) << heard.toStdString();
    qsizetype at = heard.indexOf("Action log");
    EXPECT_GE(at, 0) << heard.toStdString();
    for (const QStringList& row : rows) {
        const qsizetype found = heard.indexOf(row.value(1), std::max<qsizetype>(at, 0));
        EXPECT_GE(found, 0) << "never heard, or out of order: " << row.value(1).toStdString() << "\n"
                            << heard.toStdString();
        at = found < 0 ? at : found + row.value(1).size();
    }

    const QList<QStringList> steps = linesOf(printed, QStringLiteral("S"));
    ASSERT_EQ(steps.size(), 5) << seen;
    const QStringList spokenLines = spoken.split('\n');
    const qsizetype reached[] = {rows.size() - 1, rows.size() - 2, 0, 1, rows.size() - 1};
    for (qsizetype index = 0; index < steps.size(); ++index) {
        const QString row = rows[reached[index]].value(1);
        EXPECT_EQ(steps[index].value(2).toStdString(), row.toStdString())
            << steps[index].value(0).toStdString();
        EXPECT_TRUE(spokenLines.mid(steps[index].value(1).toInt()).join('\n').contains(row))
            << steps[index].value(0).toStdString() << " never said " << row.toStdString() << "\n"
            << seen;
    }
}

// Right-clicks the game's icon in the tray once Orca listens, then goes down the menu by arrows round to
// its first item. "M" and "D" lines tell how many lines Orca had said before the click and before the
// first arrow. Then, with the menu
// still open, an "N" line for each change of a name the game told the bus of: the object, whether the
// change carried words ("words") or anything else, what it carried, and the name the object now has.
const std::string trayMenuReader = findTheGame + R"py(
from gi.repository import GLib, Gio
address = Gio.bus_get_sync(Gio.BusType.SESSION).call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
    "GetAddress", None, None, Gio.DBusCallFlags.NONE, -1).unpack()[0]
bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                              Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
renamed = []
def changed(connection, sender, path, interface, member, body):
    if body[0] == "accessible-name": renamed.append((sender, path, body[3]))
bus.signal_subscribe(None, "org.a11y.atspi.Event.Object", "PropertyChange", None, None,
                     Gio.DBusSignalFlags.NONE, changed)
# Waits up to `seconds` for Orca to say `words` after its first `mark` lines, hearing the bus meanwhile.
def saidAfter(mark, words, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        while GLib.MainContext.default().iteration(False): pass
        lines = spoken()
        if lines is None or any(words in line for line in lines[mark:]): return
        time.sleep(0.2)
def heard(): return len(spoken() or [])
saidAfter(0, "Screen reader on", 90)
saidAfter(0, "not said", 2)
icon, deadline = None, time.time() + 60
while icon is None and time.time() < deadline:
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    for row in tree.split("\n"):
        found = re.search(r'\("chipwhistle" "[^"]*"\)\s+(\d+)x(\d+)\S*\s+\+(-?\d+)\+(-?\d+)', row)
        if found and row.startswith("           ") and int(found.group(1)) <= 64:
            icon = [int(value) for value in found.groups()]
    time.sleep(0.5)
mark = heard()
print("M\t%d" % mark)
sys.stdout.flush()
x, y = icon[2] + icon[0] // 2, icon[3] + icon[1] // 2
subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "3"])
saidAfter(mark, "Open Window", 30)
print("D\t%d" % heard())
for words in ("Settings", "Quit Chipwhistle", "Open Window"):
    mark = heard()
    subprocess.run(["xdotool", "key", "Down"])
    saidAfter(mark, words, 30)
for sender, path, carried in renamed:
    try:
        now = bus.call_sync(sender, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (
            "org.a11y.atspi.Accessible", "Name")), None, Gio.DBusCallFlags.NONE, 5000).unpack()[0]
    except GLib.Error:
        now = "(gone)"
    kind = "words" if isinstance(carried, str) else "other"
    print("N\t%s\t%s\t%s\t%s" % (path, kind, said(carried), said(now)))
subprocess.run(["xdotool", "key", "Escape"])
)py";

// The tray's menu as a player who cannot see it meets it: opened by a right click on the icon, Orca reads
// its first item at once, and each item the arrows reach with the shortcut the menu shows beside it. And
// a new name the game tells a reader of comes with its words.
TEST_F(ScreenReaderEndToEnd, OrcaReadsTheTrayMenusFirstItemAsItOpensAndEachItemWithItsShortcut) {
    writeProfile(home.path(), true);
    QString why;
    const auto read = readWithOrca(*desktop, home.path(), trayMenuReader, why);
    if (!read)
        GTEST_SKIP() << why.toStdString();
    const auto& [printed, heard] = *read;
    const auto mark = [&printed](const char* kind) {
        const QRegularExpression line(QStringLiteral("^%1\\t(\\d+)$").arg(kind),
                                      QRegularExpression::MultilineOption);
        const auto found = line.match(printed);
        return found.hasMatch() ? found.captured(1).toInt() : -1;
    };
    const int clicked = mark("M"), arrowed = mark("D");
    ASSERT_TRUE(clicked >= 0 && arrowed >= clicked) << printed.toStdString();
    const QStringList all = heard.split('\n');
    const QStringList opening = all.mid(clicked, arrowed - clicked), spoken = all.mid(arrowed);
    const std::string said = all.mid(clicked).join('\n').toStdString();
    EXPECT_TRUE(opening.join('\n').contains(QStringLiteral("Open Window"))) << "said as the menu opened:\n"
                                                                            << said;
    qsizetype at = -1;
    for (const QString words : {"Settings…, Ctrl+Comma", "Quit Chipwhistle, Ctrl+Q", "Open Window"}) {
        const auto found = std::find_if(spoken.begin() + at + 1, spoken.end(),
                                        [&words](const QString& line) { return line.contains(words); });
        if (found == spoken.end()) {
            ADD_FAILURE() << "the arrows reached \"" << words.toStdString() << "\":\n" << said;
            break;
        }
        at = found - spoken.begin();
    }
    // Every new name the game told the bus of came with its words. The menu's own name is no longer
    // among them: a window not yet shown is told of no change, since no reader can have met it, and its
    // name is read as it shows (the first item above is heard within it).
    for (const QString& line : printed.split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 5 && fields[0] == QStringLiteral("N")) {
            EXPECT_EQ(fields[2], QStringLiteral("words")) << line.toStdString();
        }
    }
}

// With the popover up, right-clicks the game's icon in the tray and holds the menu open for three
// seconds, hearing what the game tells a reader meanwhile: an "E" line for each focus, window activation
// or change of the active or focused state, with its time, event, role, name and detail. An "X" line
// marks Escape, which closes the menu.
const std::string menuOverThePopoverReader = findTheGame + R"py(
start = time.time()
def heard(event):
    try: role, name = event.source.getRoleName(), event.source.name or ""
    except Exception: role, name = "", ""
    print("E\t%.3f\t%s\t%s\t%s\t%d" % (time.time() - start, event.type, role, said(name), event.detail1))
    sys.stdout.flush()
for kind in ("window:activate", "window:deactivate", "focus:", "object:state-changed:active",
             "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(heard, kind)
def windows():
    return subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout.split("\n")
def icon():
    for row in windows():
        found = re.search(r'\("chipwhistle" "[^"]*"\)\s+(\d+)x(\d+)\S*\s+\+(-?\d+)\+(-?\d+)', row)
        if found and row.startswith("           ") and int(found.group(1)) <= 64:
            return [int(value) for value in found.groups()]
    return None
def step(stage=[0], spot=[None], deadline=[time.time() + 90]):
    if stage[0] == 0:
        spot[0] = icon()
        popover = any('"chipwhistle"' in row and "420x560" in row for row in windows())
        if spot[0] and popover:
            stage[0], deadline[0] = 1, time.time() + 2
        elif time.time() > deadline[0]:
            print("no popover or icon")
            pyatspi.Registry.stop()
        return True
    if stage[0] == 1 and time.time() > deadline[0]:
        x, y = spot[0][2] + spot[0][0] // 2, spot[0][3] + spot[0][1] // 2
        print("M\t%.3f" % (time.time() - start))
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "3"])
        stage[0], deadline[0] = 2, time.time() + 3
    elif stage[0] == 2 and time.time() > deadline[0]:
        print("X\t%.3f" % (time.time() - start))
        subprocess.run(["xdotool", "key", "Escape"])
        stage[0], deadline[0] = 3, time.time() + 1
    elif stage[0] == 3 and time.time() > deadline[0]:
        pyatspi.Registry.stop()
    return True
from gi.repository import GLib
GLib.timeout_add(100, step)
pyatspi.Registry.start()
)py";

// The tray's menu opened over the popover keeps the reader on it while it is open: once its first item
// has the reader, nothing of the game turns to the popover's window (which a reader announces as the
// frame it moved to, leaving the menu) until the menu closes.
TEST_F(ScreenReaderEndToEnd, TheTrayMenuOpenedOverThePopoverKeepsTheReaderWhileItIsOpen) {
    writeProfile(home.path(), true);
    QString why = whyNoReader();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const std::optional<QString> printed =
        runBesideTheGame(*desktop, home.path(), menuOverThePopoverReader, {}, why);
    ASSERT_TRUE(printed) << why.toStdString();
    const QList<QStringList> clicked = linesOf(*printed, QStringLiteral("M"));
    const QList<QStringList> closed = linesOf(*printed, QStringLiteral("X"));
    ASSERT_TRUE(!clicked.isEmpty() && !closed.isEmpty()) << printed->toStdString();
    const double closedAt = closed[0].value(0).toDouble();
    bool onTheMenu = false;
    for (const QStringList& event : linesOf(*printed, QStringLiteral("E"))) {
        const double at = event.value(0).toDouble();
        if (at < clicked[0].value(0).toDouble() || at >= closedAt)
            continue;
        const bool focusedItem = event.value(1).startsWith("object:state-changed:focused") &&
                                 event.value(2) == "menu item" && event.value(4) == "1";
        onTheMenu = onTheMenu || (focusedItem && event.value(3).startsWith("Open Window"));
        if (!onTheMenu)
            continue;
        const bool toTheFrame = event.value(2) == "frame" &&
                                (event.value(1).startsWith("window:activate") || event.value(4) == "1");
        EXPECT_FALSE(toTheFrame) << "the reader was taken off the menu: " << event.join(' ').toStdString()
                                 << "\n"
                                 << printed->toStdString();
    }
    EXPECT_TRUE(onTheMenu) << "the menu's first item never reached the reader:\n" << printed->toStdString();
}

} // namespace
