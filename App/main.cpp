#include "AppState.h"
#include "MenuBarHost.h"
#include "Persistence/PersistenceStore.h"
#include "Sound/TestHost.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "System/DesktopPalette.h"
#include "System/ReaderChangeEvents.h"
#include "System/ReaderFirstKeys.h"
#include "System/SettingsPortal.h"
#include "System/SingleInstance.h"
#include "System/StopSignals.h"
#include "Views/TrayIconArt.h"

#include <QApplication>

#include <cstdio>

namespace {

// The tray popover's placement and the global hotkey need X11: on Wayland the game asks for
// XWayland unless a platform was chosen explicitly.
bool chooseDisplay() {
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    if (x11) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    return wayland;
}

} // namespace

int main(int argc, char** argv) {
    if (!chooseDisplay()) {
        std::fputs("chipwhistle: no display to show the game on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Before the accessibility bridge starts asking a reader about keys, which it does once the event
    // loop runs: the reader then has each press before any shortcut of the game.
    ReaderFirstKeys::install();
    QApplication::setStyle(new FocusRingStyle);
    QApplication::setApplicationName(QStringLiteral("Chipwhistle"));
    QApplication::setDesktopFileName(QStringLiteral("chipwhistle"));
    // Closing the table window leaves the game in the tray; only Quit ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: a reader hears a focused control's new name or explanation.
    ReaderChangeEvents::install();

    // A stop from the desktop ends the program as Quit does, so the table is saved and left ready.
    StopSignals stops;
    QObject::connect(&stops, &StopSignals::stopRequested, &application, &QCoreApplication::quit);

    // A test host keeps no data, so only the runtime folder's lock guards it.
    SingleInstance instance({}, isTestHost() ? QString() : PersistenceStore::userDataDirectory());
    switch (instance.claim()) {
    case SingleInstance::Claim::first:
        break;
    case SingleInstance::Claim::handedOver:
        return 0;
    case SingleInstance::Claim::unanswered:
        std::fprintf(stderr, "chipwhistle: %s\n", qPrintable(instance.trouble()));
        return 1;
    }

    // Asked before the first window, so the desktop's answer is usually in before anything is drawn.
    SettingsPortal::shared().follow(QDBusConnection::sessionBus());
    DesktopPalette palette(SettingsPortal::shared());

    MenuBarHost host;
    QObject::connect(&instance, &SingleInstance::reopenRequested, &host, &MenuBarHost::reopen);
    // At logout the session may end the program without another word once its data is committed.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &host,
                     [&host] { host.appState().prepareToEnd(); });
    host.applicationDidFinishLaunching(QApplication::arguments());
    // Painted once the tray has been asked for the icon: a window already open takes it up at once.
    QApplication::setWindowIcon(TrayIconArt::icon(false));
    return QApplication::exec();
}
