#pragma once

#include <QString>
#include <QVariant>

#include <optional>

class QDBusConnection;

// The value of a D-Bus property (org.freedesktop.DBus.Properties.Get), asked and answered at once; none
// when the service does not answer within `timeoutMs` or answers with an error.
std::optional<QVariant> busProperty(const QDBusConnection& bus, const QString& service, const QString& path,
                                    const QString& interface, const QString& name, int timeoutMs);
