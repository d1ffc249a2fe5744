#include "System/StatusNotifierTray.h"

#include "System/BusProperty.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSystemTrayIcon>
#include <QtWidgets/private/qsystemtrayicon_p.h>

namespace StatusNotifierTray {

namespace {

// Long enough for a watcher on a busy desktop; a watcher that takes longer does not hold the icon yet.
constexpr int answerWithin = 1000;

} // namespace

// Qt keeps the type information of its private classes to itself, so the sanitizer's check of the
// object's type cannot link here.
__attribute__((no_sanitize("vptr"))) bool speaksStatusNotifierItem(const QSystemTrayIcon& icon) {
    // Qt gives the icon a platform tray icon only when it speaks StatusNotifierItem; otherwise the icon
    // is a window of its own that the tray embeds.
    const auto* tray = static_cast<const QSystemTrayIconPrivate*>(QObjectPrivate::get(&icon));
    return tray->qpa_sys != nullptr;
}

bool holdsAnIconOfOurs() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const std::optional<QVariant> registered =
        busProperty(bus, QStringLiteral("org.kde.StatusNotifierWatcher"),
                    QStringLiteral("/StatusNotifierWatcher"), QStringLiteral("org.kde.StatusNotifierWatcher"),
                    QStringLiteral("RegisteredStatusNotifierItems"), answerWithin);
    if (!registered || !bus.interface()) {
        return false;
    }
    const QStringList items = registered->toStringList();
    // Watchers keep an item as the bus name it registered with (Qt's own well-known name), or as the
    // name of the connection it came from, followed by its object's path: whichever, the name is one
    // a connection of this process owns.
    for (const QString& item : items) {
        const QString name = item.section(QLatin1Char('/'), 0, 0);
        if (!name.isEmpty() &&
            bus.interface()->servicePid(name).value() == uint(QCoreApplication::applicationPid())) {
            return true;
        }
    }
    return false;
}

} // namespace StatusNotifierTray
