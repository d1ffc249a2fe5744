#include "System/SettingsPortal.h"

#include "Style/Drawing/SystemAppearance.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(portalLog, "Chipwhistle.desktop", QtInfoMsg)

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");

// A portal that starts on demand can take a moment; one that never answers must not leave a
// reply pending for D-Bus's default 25 seconds.
constexpr int readTimeoutMs = 3000;

using SettingsByGroup = QMap<QString, QVariantMap>;

// Older portals wrap a value in one variant more than the interface says.
QVariant unwrapped(QVariant value) {
    while (value.typeId() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

SettingsPortal::SettingsPortal(QObject* parent)
    : QObject(parent)
    , bus_(QString()) {
    qDBusRegisterMetaType<SettingsByGroup>();
}

SettingsPortal& SettingsPortal::shared() {
    // Lives as long as the process: the roots and views that read it come and go. What it hears is
    // handed to the style, which never reads the desktop itself.
    static SettingsPortal* const portal = [] {
        auto* made = new SettingsPortal();
        // Handed on a moment later, once the application palette has followed the desktop (whoever
        // keeps it hears `changed` at once): a screen redrawn in the new look is then laid out and
        // polished with the new palette, not left with the one before.
        QObject::connect(
            made, &SettingsPortal::changed, made,
            [made] { SystemAppearance::useDesktopPreferences(made->preferences()); }, Qt::QueuedConnection);
        return made;
    }();
    return *portal;
}

void SettingsPortal::follow(const QDBusConnection& bus) {
    subscribe(false);
    ++generation_;
    bus_ = bus;
    apply(DesktopPreferences{});
    if (!bus_.isConnected()) {
        qCDebug(portalLog) << "no session bus: the desktop's appearance comes from the Qt palette";
        return;
    }
    subscribe(true);
    QDBusMessage readAll =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("ReadAll"));
    readAll << DesktopAppearance::namespaces();
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(readAll, readTimeoutMs), this);
    const quint64 generation = generation_;
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation] {
        if (generation == generation_) {
            readAllFinished(call);
        }
        call->deleteLater();
    });
}

void SettingsPortal::readAllFinished(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<SettingsByGroup> reply = *call;
    if (reply.isError()) {
        qCDebug(portalLog) << "no settings portal:" << reply.error().message();
        return;
    }
    // A change signalled while the read was on its way is newer than the read, and stays.
    DesktopPreferences read;
    const SettingsByGroup groups = reply.value();
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        for (auto setting = group->cbegin(); setting != group->cend(); ++setting) {
            read =
                DesktopAppearance::withSetting(read, group.key(), setting.key(), unwrapped(setting.value()));
        }
    }
    DesktopPreferences merged = preferences_;
    merged.dark = merged.dark ? merged.dark : read.dark;
    merged.increaseContrast = merged.increaseContrast ? merged.increaseContrast : read.increaseContrast;
    merged.highContrast = merged.highContrast ? merged.highContrast : read.highContrast;
    merged.animations = merged.animations ? merged.animations : read.animations;
    apply(merged);
}

void SettingsPortal::settingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() != 3) {
        return;
    }
    apply(DesktopAppearance::withSetting(preferences_, arguments[0].toString(), arguments[1].toString(),
                                         unwrapped(arguments[2])));
}

void SettingsPortal::apply(const DesktopPreferences& preferences) {
    if (preferences == preferences_) {
        return;
    }
    preferences_ = preferences;
    emit changed();
}

void SettingsPortal::subscribe(bool on) {
    if (!bus_.isConnected()) {
        return;
    }
    const QString signal = QStringLiteral("SettingChanged");
    const char* slot = SLOT(settingChanged(QDBusMessage));
    if (on) {
        if (!bus_.connect(service, path, interface, signal, this, slot)) {
            qCWarning(portalLog) << "cannot follow the desktop's settings:" << bus_.lastError().message();
        }
    } else {
        bus_.disconnect(service, path, interface, signal, this, slot);
    }
}
