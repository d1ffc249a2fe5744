#include "Views/AppEnvironment.h"

#include "AppState.h"
#include "MenuBarHost.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/TopBarText.h"
#include "Views/Support/Announcer.h"

void openSettings(const AppEnvironment& environment, TableSurface from) {
    if (!environment.surfaces)
        return;
    environment.surfaces->openSettings(from, [host = environment.host] {
        if (host)
            host->showSettings();
    });
}

void toggleSounds(const AppEnvironment& environment) {
    if (!environment.appState)
        return;
    environment.appState->setSoundsOn(!environment.appState->soundsOn());
    if (environment.announcer)
        environment.announcer->announce(TopBarText::soundsTurned(environment.appState->soundsOn()));
}
