#include "ScreenReaderStatus.h"

#include "System/BusProperty.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>

namespace {

const QString launcher = QStringLiteral("org.a11y.Bus");
const QString launcherPath = QStringLiteral("/org/a11y/bus");
// Long enough for a busy launcher on a loaded machine, short enough that a hung one never holds a
// menu back noticeably.
constexpr int askTimeoutMs = 250;

bool readerEnabled(const QDBusConnection& session) {
    return busProperty(session, launcher, launcherPath, QStringLiteral("org.a11y.Status"),
                       QStringLiteral("ScreenReaderEnabled"), askTimeoutMs)
        .value_or(false)
        .toBool();
}

QString commandOf(uint pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QStringList clientsOf(const QDBusConnection& session) {
    QDBusMessage getAddress =
        QDBusMessage::createMethodCall(launcher, launcherPath, launcher, QStringLiteral("GetAddress"));
    const QDBusMessage answer = session.call(getAddress, QDBus::Block, askTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
        return {};
    }
    const QString address = answer.arguments().constFirst().toString();
    const QString name = QStringLiteral("chipwhistle-reader-status");
    QStringList clients;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        if (bus.isConnected() && bus.interface()) {
            const QStringList names = bus.interface()->registeredServiceNames().value();
            for (const QString& service : names) {
                if (service.startsWith(QLatin1Char(':'))) {
                    clients << commandOf(bus.interface()->servicePid(service).value());
                }
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return clients;
}

} // namespace

namespace ScreenReaderStatus {

bool runs(bool readerEnabled, const QStringList& clients) {
    static const QStringList readers = {QStringLiteral("orca")};
    if (readerEnabled) {
        return true;
    }
    for (const QString& client : clients) {
        if (readers.contains(client)) {
            return true;
        }
    }
    return false;
}

bool runsNow() {
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) {
        return false;
    }
    return readerEnabled(session) || runs(false, clientsOf(session));
}

} // namespace ScreenReaderStatus
