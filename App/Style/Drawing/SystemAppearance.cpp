#include "Style/Drawing/SystemAppearance.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace SystemAppearance {

AppearanceFlags current() {
    AppearanceFlags flags;
    flags.dark = QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
    flags.increaseContrast = qEnvironmentVariableIntValue("CHIPWHISTLE_INCREASE_CONTRAST") == 1;
    flags.reduceMotion = qEnvironmentVariableIntValue("CHIPWHISTLE_REDUCE_MOTION") == 1;
    return flags;
}

} // namespace SystemAppearance

AppearanceWatcher::AppearanceWatcher(QObject* parent)
    : QObject(parent)
    , flags_(SystemAppearance::current()) {
    if (qApp)
        qApp->installEventFilter(this);
}

bool AppearanceWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp &&
        (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)) {
        const AppearanceFlags now = SystemAppearance::current();
        if (now != flags_) {
            flags_ = now;
            emit changed(flags_);
        }
    }
    return QObject::eventFilter(watched, event);
}
