#include "System/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr char reopenMessage[] = "reopen\n";

QString defaultLockFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Chipwhistle");
}

QString defaultSocketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = defaultLockFolder();
    }
    return folder + QStringLiteral("/chipwhistle.socket");
}

} // namespace

SingleInstance::SingleInstance(QString lockFolder, QString socketPath, QObject* parent)
    : QObject(parent)
    , socketPath_(socketPath.isEmpty() ? defaultSocketPath() : std::move(socketPath))
    , lock_((lockFolder.isEmpty() ? defaultLockFolder() : lockFolder) + QStringLiteral("/instance.lock")) {
    QDir().mkpath(lockFolder.isEmpty() ? defaultLockFolder() : lockFolder);
    // A program killed without a chance to unlock leaves its lock behind; QLockFile sees that the
    // process named in it is gone. A live holder's lock never goes stale by age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_->close();
    }
}

SingleInstance::Claim SingleInstance::claim() {
    if (lock_.tryLock(0)) {
        return listen() ? Claim::first : Claim::failed;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        return Claim::failed;
    }
    return askFirstToReopen() ? Claim::handedOver : Claim::failed;
}

bool SingleInstance::listen() {
    // The lock is ours, so a socket file left at the path is a dead program's.
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == reopenMessage) {
                        emit reopenRequested();
                    }
                }
            });
        }
    });
    return server_->listen(socketPath_);
}

bool SingleInstance::askFirstToReopen() const {
    // The first program may still be starting and not listen yet: try for a couple of seconds.
    const QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(200)) {
            socket.write(reopenMessage);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}
