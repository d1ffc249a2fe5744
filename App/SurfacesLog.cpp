#include "SurfacesLog.h"

Q_LOGGING_CATEGORY(surfacesLog, "Chipwhistle.surfaces")
