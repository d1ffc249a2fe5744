#include "System/PacedSignals.h"

#include "System/EventPace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <deque>
#include <utility>

namespace PacedSignals {

namespace {

// Orca drops what waits past 50. A few every 20 ms, a quarter of a second's worth, is at most 25 in
// any 100 ms, which leaves room for what the bridge sends meanwhile (focus, states, text); and a pair
// of these small groups that a busy bus delivers together is still far from 50.
constexpr int mostAtOnce = 5;
constexpr EventPace::Time span{20};

struct Waiting {
    QString connection;
    QDBusMessage signal;
};

struct Queue {
    EventPace pace{mostAtOnce, span};
    std::deque<Waiting> waiting;
    QElapsedTimer clock;
    bool drainScheduled = false;

    Queue() { clock.start(); }
    EventPace::Time now() const { return EventPace::Time(clock.elapsed()); }
};

// Lives as long as the program: signals may still be sent while statics go.
Queue& queue() {
    static auto* shared = new Queue;
    return *shared;
}

void drain() {
    Queue& q = queue();
    q.drainScheduled = false;
    while (!q.waiting.empty() && q.pace.nextAt(q.now()) <= q.now()) {
        const Waiting next = std::move(q.waiting.front());
        q.waiting.pop_front();
        q.pace.went(q.now());
        QDBusConnection(next.connection).send(next.signal);
    }
    if (q.waiting.empty())
        return;
    q.drainScheduled = true;
    QTimer::singleShot(q.pace.nextAt(q.now()) - q.now(), drain);
}

} // namespace

void send(const QString& connection, const QDBusMessage& signal) {
    Queue& q = queue();
    q.waiting.push_back({connection, signal});
    if (!q.drainScheduled)
        drain();
}

void noteSentByTheBridge() {
    Queue& q = queue();
    q.pace.went(q.now());
}

void dropWaiting() {
    queue().waiting.clear();
}

} // namespace PacedSignals
