#include "LaunchPlan.h"

#include "Sound/TestHost.h"
#include "SurfacesLog.h"

bool launchedAtLogin(const QStringList& arguments) {
    return arguments.mid(1).contains(QLatin1String(launchedAtLoginArgument));
}

LaunchPlan planLaunch(const LaunchFacts& facts) {
    LaunchPlan plan;
    plan.createsStatusItem = !facts.testHostWithoutUI;
    plan.showsOnboarding = !facts.onboarded && !facts.testHost;
    if (facts.testHost && facts.forcedSurface) {
        if (auto forced = launchSurfaceFromString(facts.forcedSurface->toStdString())) {
            plan.shows = forced;
            return plan;
        }
    }
    if (!facts.atLogin && facts.onboarded && !facts.testHost) {
        plan.shows = facts.launchSurface;
    }
    return plan;
}

LaunchFacts launchFacts(const QStringList& arguments, bool onboarded, LaunchSurface launchSurface) {
    LaunchFacts facts;
    facts.atLogin = launchedAtLogin(arguments);
    facts.onboarded = onboarded;
    facts.launchSurface = launchSurface;
    facts.testHost = isTestHost();
    facts.testHostWithoutUI = isTestHostWithoutUI();
    if (qEnvironmentVariableIsSet("CHIPWHISTLE_LAUNCH_SURFACE")) {
        facts.forcedSurface = qEnvironmentVariable("CHIPWHISTLE_LAUNCH_SURFACE");
    }
    return facts;
}

QString surfaceName(LaunchSurface surface) {
    return QString::fromUtf8(toString(surface));
}

QString launchLogLine(const LaunchFacts& facts) {
    return QStringLiteral("launch: atLogin=%1 onboarded=%2 opensIn=%3")
        .arg(logFlag(facts.atLogin), logFlag(facts.onboarded), surfaceName(facts.launchSurface));
}
