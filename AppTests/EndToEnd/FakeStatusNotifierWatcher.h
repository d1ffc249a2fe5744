#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <optional>

// The tray side of StatusNotifierItem, as KDE's panel or GNOME's AppIndicator extension serves it: the
// watcher a program's icon registers with, saying a tray shows the icons. With one on its session bus,
// Qt gives the game a D-Bus tray icon instead of embedding it in the X tray. Answers from a thread of
// its own, since the tests wait without running an event loop.
class FakeStatusNotifierWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isStatusNotifierHostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredStatusNotifierItems)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

  public:
    // Made on the test's thread and handed to a thread of its own, which deletes it as it ends. The
    // watcher lists each icon as `itemForm` says, with "{name}" the bus name the icon gave and "{pid}"
    // its process id: watchers each write it their own way.
    static FakeStatusNotifierWatcher* start(QThread& thread,
                                            const QString& itemForm = QStringLiteral("{name}")) {
        auto* watcher = new FakeStatusNotifierWatcher;
        watcher->itemForm_ = itemForm;
        watcher->moveToThread(&thread);
        connect(&thread, &QThread::finished, watcher, &QObject::deleteLater);
        thread.start();
        return watcher;
    }

    // Takes the watcher's name on `bus`; false when it cannot.
    bool serve(QDBusConnection bus) {
        return bus.registerObject("/StatusNotifierWatcher", this,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
               bus.registerService("org.kde.StatusNotifierWatcher");
    }

    bool isStatusNotifierHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList registeredStatusNotifierItems() const {
        QMutexLocker lock(&mutex_);
        return items_;
    }
    // The bus name of the first icon registered, once one is.
    std::optional<QString> item() const {
        QMutexLocker lock(&mutex_);
        return names_.isEmpty() ? std::nullopt : std::optional(names_.first());
    }

  public slots:
    // Qt's icon gives the bus name of its connection.
    void RegisterStatusNotifierItem(const QString& service) {
        const uint pid = connection().interface()->servicePid(message().service()).value();
        QMutexLocker lock(&mutex_);
        names_ << service;
        items_ << QString(itemForm_).replace("{name}", service).replace("{pid}", QString::number(pid));
    }
    void RegisterStatusNotifierHost(const QString&) {}

  private:
    FakeStatusNotifierWatcher() = default;
    mutable QMutex mutex_;
    QString itemForm_;
    QStringList names_;
    QStringList items_;
};
