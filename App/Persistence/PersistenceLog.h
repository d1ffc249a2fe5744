#pragma once

#include <QLoggingCategory>

// Load and save failures of the profile and the saved game: "Chipwhistle.persistence".
Q_DECLARE_LOGGING_CATEGORY(persistenceLog)
