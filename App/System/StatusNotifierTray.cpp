#include "System/StatusNotifierTray.h"

#include "System/BusProperty.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QtGui/private/qdbustrayicon_p.h>
#include <QtWidgets/private/qsystemtrayicon_p.h>

#include <algorithm>

namespace StatusNotifierTray {

namespace {

// Long enough for a watcher on a busy desktop; a watcher that takes longer does not hold the icon yet.
constexpr int answerWithin = 1000;

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

// Qt keeps the type information of its private classes to itself, so the sanitizer's check of the
// object's type cannot link here.
__attribute__((no_sanitize("vptr"))) const QPlatformSystemTrayIcon*
platformIcon(const QSystemTrayIcon& icon) {
    // Qt gives the icon a platform tray icon only when it speaks StatusNotifierItem; otherwise the icon
    // is a window of its own that the tray embeds.
    return static_cast<const QSystemTrayIconPrivate*>(QObjectPrivate::get(&icon))->qpa_sys;
}

} // namespace

bool speaksStatusNotifierItem(const QSystemTrayIcon& icon) {
    return platformIcon(icon) != nullptr;
}

std::optional<QString> registeredBusName(const QString& item) {
    // A unique name (":1.15") or a well-known one (dotted words); either is followed by the object's
    // path, after an "@" or straight away, or by nothing.
    static const QRegularExpression named(
        QStringLiteral(R"(^(:[\w.-]+|[A-Za-z_-][\w-]*(?:\.[A-Za-z_-][\w-]*)+)(?:@?/.*)?$)"));
    const QRegularExpressionMatch match = named.match(item);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1);
}

bool holdsItemOn(const QStringList& registered, const QStringList& ourNames) {
    return std::any_of(registered.begin(), registered.end(), [&](const QString& item) {
        const std::optional<QString> name = registeredBusName(item);
        return name && ourNames.contains(*name);
    });
}

__attribute__((no_sanitize("vptr"))) QStringList busNamesOf(const QSystemTrayIcon& icon) {
    const QPlatformSystemTrayIcon* platform = platformIcon(icon);
    if (!platform || qstrcmp(platform->metaObject()->className(), "QDBusTrayIcon") != 0) {
        return {};
    }
    // Qt serves each icon on a connection of its own, named after the well-known name it may register
    // (org.kde.StatusNotifierItem-<process id>-<n>); it registers the connection's unique name with
    // the watcher.
    const QString connectionName = static_cast<const QDBusTrayIcon*>(platform)->instanceId();
    const QDBusConnection connection(connectionName);
    QStringList names{connectionName};
    if (connection.isConnected() && !connection.baseService().isEmpty()) {
        names.prepend(connection.baseService());
    }
    return names;
}

bool holdsTheIcon(const QSystemTrayIcon& icon) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const std::optional<QVariant> registered =
        busProperty(bus, watcherName, QStringLiteral("/StatusNotifierWatcher"), watcherName,
                    QStringLiteral("RegisteredStatusNotifierItems"), answerWithin);
    if (!registered) {
        return false;
    }
    const QStringList items = registered->toStringList();
    if (holdsItemOn(items, busNamesOf(icon))) {
        return true;
    }
    if (!bus.interface()) {
        return false;
    }
    for (const QString& item : items) {
        const std::optional<QString> name = registeredBusName(item);
        if (name && bus.interface()->servicePid(*name).value() == uint(QCoreApplication::applicationPid())) {
            return true;
        }
    }
    return false;
}

bool watcherIsGnomeShell() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.interface()) {
        return false;
    }
    // The extension serves the watcher on the shell's own connection.
    const QString watcher = bus.interface()->serviceOwner(watcherName).value();
    return !watcher.isEmpty() &&
           watcher == bus.interface()->serviceOwner(QStringLiteral("org.gnome.Shell")).value();
}

} // namespace StatusNotifierTray
