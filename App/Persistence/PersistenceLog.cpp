#include "Persistence/PersistenceLog.h"

Q_LOGGING_CATEGORY(persistenceLog, "Chipwhistle.persistence")
