#pragma once

#include "Persistence/LaunchSurface.h"

#include <QString>
#include <QStringList>

#include <optional>

// The argument the autostart entry passes, so a start at login shows nothing until asked.
inline constexpr char launchedAtLoginArgument[] = "--launched-at-login";

bool launchedAtLogin(const QStringList& arguments);

// What the launch sequence knows when the program has started.
struct LaunchFacts {
    bool atLogin = false;
    bool onboarded = false;
    LaunchSurface launchSurface = LaunchSurface::menuBar;
    // "XCTestConfigurationFilePath" is set: no storage, no onboarding, no hotkey, nothing shown.
    bool testHost = false;
    // A test host without CHIPWHISTLE_UI_SMOKE=1 has no tray icon either.
    bool testHostWithoutUI = false;
    // CHIPWHISTLE_LAUNCH_SURFACE as given, when given.
    std::optional<QString> forcedSurface;
};

// What the launch sequence does with them.
struct LaunchPlan {
    bool createsStatusItem = true;
    bool showsOnboarding = false;
    // The surface shown once the program is up; none at login, before onboarding and in a test host.
    std::optional<LaunchSurface> shows;
    bool operator==(const LaunchPlan&) const = default;
};

LaunchPlan planLaunch(const LaunchFacts& facts);

// The facts of this process: its arguments, the environment, and the profile's two values.
LaunchFacts launchFacts(const QStringList& arguments, bool onboarded, LaunchSurface launchSurface);

// "launch: atLogin=… onboarded=… opensIn=…"
QString launchLogLine(const LaunchFacts& facts);

// "window" or "menuBar", as the log and the settings write a surface.
QString surfaceName(LaunchSurface surface);
