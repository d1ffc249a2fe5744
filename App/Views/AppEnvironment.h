#pragma once

#include "Style/TableSurface.h"

class AppState;
class GameController;
class SurfaceCoordinator;
class GlobalHotkey;
class LaunchAtLogin;
class MenuBarHost;
class Announcer;
class Scheduler;

// The shared objects the menu-bar host hands to every root view, and the roots to the views inside
// them. The host creates them before any view and destroys them after the last, so views keep plain
// pointers. A view given no host (the gallery, a widget test) leaves the pointers it does not need null.
struct AppEnvironment {
    AppState* appState = nullptr;
    GameController* controller = nullptr;
    SurfaceCoordinator* surfaces = nullptr;
    GlobalHotkey* hotkey = nullptr;
    LaunchAtLogin* launchAtLogin = nullptr;
    MenuBarHost* host = nullptr;
    // The program's one voice: every screen, and every guide it opens, speaks through it.
    Announcer* announcer = nullptr;
    // The waits of the tables the roots show (the first deal's hold, the chips' flights); without it
    // each table screen keeps its own timers. A test gives the virtual time its game runs on.
    Scheduler* scheduler = nullptr;
};

// Opens the settings window from a surface's settings button: the surface coordinator closes the
// popover it comes from, and the host shows the window.
void openSettings(const AppEnvironment& environment, TableSurface from);
// The sound button of a table's bar or toolbar: turns the sounds off or on and says which.
void toggleSounds(const AppEnvironment& environment);
