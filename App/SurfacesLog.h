#pragma once

#include <QLoggingCategory>

// What the shell does with its tray icon, popover, windows and launch: "Chipwhistle.surfaces".
Q_DECLARE_LOGGING_CATEGORY(surfacesLog)

#include <QString>

// How the surface log lines write a truth value: "true" or "false".
inline QString logFlag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}
