#pragma once

#include "Style/DesktopAppearance.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;
class QDBusPendingCallWatcher;

// The desktop's appearance settings, read from the XDG desktop portal's Settings interface and
// followed while the game runs. Without a session bus or a portal on it the preferences stay
// empty and the Qt palette alone decides.
class SettingsPortal final : public QObject {
    Q_OBJECT

  public:
    explicit SettingsPortal(QObject* parent = nullptr);

    // The one the game follows; empty until someone calls `follow` on it.
    static SettingsPortal& shared();

    // Stops following the previous bus, forgets what it said, and reads from `bus`. The answer comes
    // asynchronously: launching never waits on the bus.
    void follow(const QDBusConnection& bus);
    const DesktopPreferences& preferences() const { return preferences_; }

  signals:
    void changed();

  private slots:
    // Takes the whole message: D-Bus matches a slot with typed arguments only once the variant type
    // has been registered by something else, and then the signal would be silently missed.
    void settingChanged(const QDBusMessage& message);

  private:
    void readAllFinished(QDBusPendingCallWatcher* call);
    void apply(const DesktopPreferences& preferences);
    void subscribe(bool on);

    QDBusConnection bus_;
    DesktopPreferences preferences_;
    quint64 generation_ = 0;
};
