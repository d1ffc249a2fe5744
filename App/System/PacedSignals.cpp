#include "System/PacedSignals.h"

#include "System/EventPace.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include <vector>

namespace PacedSignals {

namespace {

using ReaderChangeQueue::Change;

// Orca drops what waits past 50, and takes a while over a single event when the game is busy: a few
// every 20 ms, at most 15 in any 100 ms, leaves room for what the bridge sends meanwhile (focus, states,
// text), and a few of these small groups that a busy bus delivers together stay far from 50.
constexpr int mostAtOnce = 3;
constexpr EventPace::Time span{20};

const QString objectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

// What runs once the changes waiting before `mark` have been told.
struct Afterwards {
    ReaderChangeQueue::Queue::Mark mark;
    QPointer<QObject> context;
    std::function<void()> then;
};

struct Pacing {
    EventPace pace{mostAtOnce, span};
    ReaderChangeQueue::Queue waiting;
    std::vector<Afterwards> afterwards;
    QElapsedTimer clock;
    bool drainScheduled = false;

    Pacing() { clock.start(); }
    EventPace::Time now() const { return EventPace::Time(clock.elapsed()); }
};

// Lives as long as the program: changes may still be told while statics go.
Pacing& pacing() {
    static auto* shared = new Pacing;
    return *shared;
}

// An element as AT-SPI names one: the connection it lives on and its path.
QVariant reference(const QDBusConnection& bus, const QString& path) {
    QDBusArgument element;
    element.beginStructure();
    element << bus.baseService() << QDBusObjectPath(path);
    element.endStructure();
    return QVariant::fromValue(element);
}

QDBusMessage stateChange(const QDBusConnection& bus, const Change& change, const QString& state) {
    QDBusMessage signal = QDBusMessage::createSignal(
        change.path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << state << (change.value == QStringLiteral("1") ? 1 : 0) << 0
           << QVariant::fromValue(QDBusVariant(reference(bus, change.path)))
           << reference(bus, objectPrefix + QStringLiteral("root"));
    return signal;
}

// The signals Qt's bridge would send for `change`, with the words where it sends none.
QList<QDBusMessage> signalsOf(const QDBusConnection& bus, const Change& change) {
    if (change.kind == ReaderChangeQueue::gone) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/a11y/atspi/cache"),
                                                         QStringLiteral("org.a11y.atspi.Cache"),
                                                         QStringLiteral("RemoveAccessible"));
        signal << reference(bus, change.path);
        return {signal};
    }
    if (change.kind == QStringLiteral("showing"))
        return {stateChange(bus, change, change.kind)};
    if (change.kind == QStringLiteral("enabled"))
        return {stateChange(bus, change, change.kind), stateChange(bus, change, QStringLiteral("sensitive"))};
    QDBusMessage signal = QDBusMessage::createSignal(
        change.path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << change.kind << 0 << 0 << QVariant::fromValue(QDBusVariant(change.value))
           << reference(bus, objectPrefix + QStringLiteral("root"));
    return {signal};
}

void send(const Change& change) {
    QDBusConnection bus(busConnection);
    Pacing& paced = pacing();
    for (const QDBusMessage& signal : signalsOf(bus, change)) {
        paced.pace.went(paced.now());
        bus.send(signal);
    }
}

// Lets what waited for the changes told by now run, at the next turn of the event loop: a change may be
// told from deep inside a widget's own work.
void runAfterwards() {
    std::erase_if(pacing().afterwards, [](Afterwards& after) {
        if (pacing().waiting.holdsBefore(after.mark))
            return false;
        if (after.context)
            QTimer::singleShot(0, after.context, std::move(after.then));
        return true;
    });
}

void drain() {
    Pacing& paced = pacing();
    paced.drainScheduled = false;
    while (!paced.waiting.empty() && paced.pace.nextAt(paced.now()) <= paced.now())
        send(*paced.waiting.take());
    runAfterwards();
    if (paced.waiting.empty())
        return;
    paced.drainScheduled = true;
    QTimer::singleShot(paced.pace.nextAt(paced.now()) - paced.now(), drain);
}

} // namespace

void tell(const Change& change, const QString& known) {
    Pacing& paced = pacing();
    paced.waiting.add(change, known);
    if (!paced.drainScheduled)
        drain();
}

void tellNow(const Change& change) {
    send(change);
}

void afterWaiting(QObject* context, std::function<void()> then) {
    Pacing& paced = pacing();
    if (paced.waiting.empty()) {
        then();
        return;
    }
    paced.afterwards.push_back({paced.waiting.mark(), context, std::move(then)});
}

std::size_t waiting() {
    return pacing().waiting.size();
}

void noteSentByTheBridge() {
    Pacing& paced = pacing();
    paced.pace.went(paced.now());
}

void dropWaiting() {
    pacing().waiting.clear();
}

} // namespace PacedSignals
