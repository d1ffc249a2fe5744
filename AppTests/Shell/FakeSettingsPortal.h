#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A private session bus for one test: dbus-run-session keeps it alive until its standard input closes.
// It starts none of the services the machine has installed (a desktop's portal, a keyring): a program
// on it finds only what the test serves there, on any machine, and the test leaves nothing running.
class PrivateBus {
  public:
    // Null, with the reason in `whyNot`, when no bus can be started.
    static std::unique_ptr<PrivateBus> start(QString& whyNot) {
        auto bus = std::unique_ptr<PrivateBus>(new PrivateBus);
        const QString configuration = bus->folder_.filePath("session.conf");
        QFile file(configuration);
        if (!bus->folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(nothingToStart) != qint64(sizeof nothingToStart) - 1) {
            whyNot = "the bus's configuration could not be written";
            return nullptr;
        }
        file.close();
        bus->session_.start("dbus-run-session", {"--config-file", configuration, "--", "sh", "-c",
                                                 "echo \"$DBUS_SESSION_BUS_ADDRESS\"; exec cat"});
        if (!bus->session_.waitForStarted(5000)) {
            whyNot = "dbus-run-session is not installed";
            return nullptr;
        }
        if (!bus->session_.waitForReadyRead(10000)) {
            whyNot = "dbus-run-session started no bus";
            return nullptr;
        }
        bus->address_ = QString::fromUtf8(bus->session_.readLine()).trimmed();
        return bus;
    }
    ~PrivateBus() {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        session_.closeWriteChannel();
        if (!session_.waitForFinished(5000)) {
            session_.kill();
            session_.waitForFinished(2000);
        }
    }
    // Where a program is told to find this bus as its session bus.
    const QString& address() const { return address_; }
    // A new connection of its own to this bus, so a service and its client talk through the daemon.
    QDBusConnection connect(const QString& name) {
        names_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

  private:
    // A session bus as the system's, without the folders of services it would start on demand.
    // In plain literals: moc, which reads this header, left the class out of a raw string version.
    static constexpr char nothingToStart[] =
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n"
        "  <type>session</type>\n"
        "  <keep_umask/>\n"
        "  <listen>unix:tmpdir=/tmp</listen>\n"
        "  <auth>EXTERNAL</auth>\n"
        "  <policy context=\"default\">\n"
        "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
        "    <allow eavesdrop=\"true\"/>\n"
        "    <allow own=\"*\"/>\n"
        "  </policy>\n"
        "</busconfig>\n";

    PrivateBus() = default;
    QTemporaryDir folder_;
    QProcess session_;
    QString address_;
    QStringList names_;
};

// The settings side of a desktop portal, as xdg-desktop-portal serves it: ReadAll and SettingChanged.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

  public:
    using Settings = QMap<QString, QVariantMap>;

    // `wrapped` answers as older portals do, each value inside one variant more.
    FakeSettingsPortal(QDBusConnection bus, Settings settings, bool wrapped = false)
        : bus_(bus)
        , settings_(std::move(settings))
        , wrapped_(wrapped) {
        qDBusRegisterMetaType<Settings>();
    }

    bool serve() {
        return bus_.registerObject("/org/freedesktop/portal/desktop", this,
                                   QDBusConnection::ExportAllSlots) &&
               bus_.registerService("org.freedesktop.portal.Desktop");
    }

    void set(const QString& group, const QString& key, const QVariant& value) {
        settings_[group][key] = value;
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                                                         "org.freedesktop.portal.Settings", "SettingChanged");
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(signal);
    }

  public slots:
    Settings ReadAll(const QStringList& groups) {
        Settings answer;
        for (const QString& group : groups) {
            if (!settings_.contains(group)) {
                continue;
            }
            for (auto [key, value] : settings_[group].asKeyValueRange()) {
                answer[group][key] = wrapped_ ? QVariant::fromValue(QDBusVariant(value)) : value;
            }
        }
        return answer;
    }

  private:
    QDBusConnection bus_;
    Settings settings_;
    bool wrapped_;
};
