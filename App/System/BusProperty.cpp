#include "System/BusProperty.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

std::optional<QVariant> busProperty(const QDBusConnection& bus, const QString& service, const QString& path,
                                    const QString& interface, const QString& name, int timeoutMs) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage answer = bus.call(get, QDBus::Block, timeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
        return std::nullopt;
    }
    return answer.arguments().constFirst().value<QDBusVariant>().variant();
}
