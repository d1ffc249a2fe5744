#include "Style/Drawing/SystemAppearance.h"

#include "Style/DesktopAppearance.h"
#include "System/SettingsPortal.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace SystemAppearance {

AppearanceFlags current() {
    const bool paletteDark = QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
    const AppearanceOverrides overrides{
        DesktopAppearance::parseOverride(qgetenv("CHIPWHISTLE_INCREASE_CONTRAST")),
        DesktopAppearance::parseOverride(qgetenv("CHIPWHISTLE_REDUCE_MOTION")),
    };
    return DesktopAppearance::resolve(SettingsPortal::shared().preferences(), paletteDark, overrides);
}

} // namespace SystemAppearance

AppearanceWatcher::AppearanceWatcher(QObject* parent)
    : QObject(parent)
    , flags_(SystemAppearance::current()) {
    if (qApp)
        qApp->installEventFilter(this);
    connect(&SettingsPortal::shared(), &SettingsPortal::changed, this, &AppearanceWatcher::recheck);
}

bool AppearanceWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp &&
        (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)) {
        recheck();
    }
    return QObject::eventFilter(watched, event);
}

void AppearanceWatcher::recheck() {
    const AppearanceFlags now = SystemAppearance::current();
    if (now != flags_) {
        flags_ = now;
        emit changed(flags_);
    }
}
