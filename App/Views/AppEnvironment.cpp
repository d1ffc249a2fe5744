#include "Views/AppEnvironment.h"

#include "MenuBarHost.h"
#include "SurfaceCoordinator.h"

void openSettings(const AppEnvironment& environment, TableSurface from) {
    if (!environment.surfaces)
        return;
    environment.surfaces->openSettings(from, [host = environment.host] {
        if (host)
            host->showSettings();
    });
}
