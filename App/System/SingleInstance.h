#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running program per user, so a start at login and a start by hand never both write the
// profile and the saved game. The first start holds a lock file beside the data and listens on a
// local socket; a later start finds the lock taken, asks the first to come forward, and ends.
class SingleInstance final : public QObject {
    Q_OBJECT

  public:
    enum class Claim { first, handedOver, failed };

    // `lockFolder` holds the lock, `socketPath` the socket; both default to this user's places.
    explicit SingleInstance(QString lockFolder = {}, QString socketPath = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock, or hands over to the program holding it.
    Claim claim();

  signals:
    // A later start asked this one to reopen its surface.
    void reopenRequested();

  private:
    bool listen();
    bool askFirstToReopen() const;

    QString socketPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
