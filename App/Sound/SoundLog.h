#pragma once

#include <QLoggingCategory>

// Log category of the table's audio: "Chipwhistle.sound".
Q_DECLARE_LOGGING_CATEGORY(soundLog)
