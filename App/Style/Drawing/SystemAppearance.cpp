#include "Style/Drawing/SystemAppearance.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace {

// What the desktop last said, and who to tell when it says something new.
struct DesktopSaid : QObject {
    Q_OBJECT
  public:
    DesktopPreferences preferences;
  signals:
    void changed();
};

DesktopSaid& desktopSaid() {
    // Lives as long as the process, like the portal that feeds it.
    static DesktopSaid* const said = new DesktopSaid();
    return *said;
}

} // namespace

namespace SystemAppearance {

void useDesktopPreferences(const DesktopPreferences& preferences) {
    desktopSaid().preferences = preferences;
    emit desktopSaid().changed();
}

AppearanceFlags current() {
    const bool paletteDark = QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
    const AppearanceOverrides overrides{
        DesktopAppearance::parseOverride(qgetenv("CHIPWHISTLE_INCREASE_CONTRAST")),
        DesktopAppearance::parseOverride(qgetenv("CHIPWHISTLE_REDUCE_MOTION")),
    };
    return DesktopAppearance::resolve(desktopSaid().preferences, paletteDark, overrides);
}

} // namespace SystemAppearance

AppearanceWatcher::AppearanceWatcher(QObject* parent)
    : QObject(parent)
    , flags_(SystemAppearance::current()) {
    if (qApp)
        qApp->installEventFilter(this);
    connect(&desktopSaid(), &DesktopSaid::changed, this, &AppearanceWatcher::recheck);
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

#include "SystemAppearance.moc"
