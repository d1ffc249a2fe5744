#pragma once

#include <QLoggingCategory>

// What the shell does with its tray icon, popover, windows and launch: "Chipwhistle.surfaces".
Q_DECLARE_LOGGING_CATEGORY(surfacesLog)

#include <QPoint>
#include <QString>

// How the surface log lines write a truth value: "true" or "false".
inline QString logFlag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

// How they write a point on the screen: "{x, y}".
inline QString logPoint(QPoint point) {
    return QStringLiteral("{%1, %2}").arg(point.x()).arg(point.y());
}
