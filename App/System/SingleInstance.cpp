#include "System/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr char reopenMessage[] = "reopen\n";

QString lockReason(QLockFile::LockError error) {
    switch (error) {
    case QLockFile::PermissionError:
        return QStringLiteral("the folder can't be written");
    case QLockFile::UnknownError:
        return QStringLiteral("the file couldn't be created (is the disk full?)");
    case QLockFile::NoError:
    case QLockFile::LockFailedError:
        break;
    }
    return QStringLiteral("unknown error");
}

} // namespace

QString SingleInstance::defaultFolder() {
    // Qt makes the runtime folder, private to the user, when the session gives none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath() + QStringLiteral("/chipwhistle-%1").arg(::getuid());
    }
    return folder;
}

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , folder_(folder.isEmpty() ? defaultFolder() : std::move(folder))
    , socketPath_(folder_ + QStringLiteral("/chipwhistle.socket"))
    , lock_(folder_ + QStringLiteral("/chipwhistle.lock")) {
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
    trouble_.clear();
    if (!QDir().mkpath(folder_)) {
        playOnUnguarded(QStringLiteral("couldn't create the folder %1").arg(folder_));
        return Claim::first;
    }
    if (lock_.tryLock(0)) {
        if (!listen()) {
            playOnUnguarded(
                QStringLiteral("couldn't listen on %1: %2").arg(socketPath_, server_->errorString()));
        }
        return Claim::first;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        playOnUnguarded(
            QStringLiteral("couldn't make the lock %1: %2").arg(lock_.fileName(), lockReason(lock_.error())));
        return Claim::first;
    }
    if (askFirstToReopen()) {
        return Claim::handedOver;
    }
    qint64 holder = 0;
    QString host;
    QString application;
    lock_.getLockInfo(&holder, &host, &application);
    trouble_ = QStringLiteral("another copy (process %1) holds %2 but did not answer; it may have stopped "
                              "responding")
                   .arg(holder)
                   .arg(lock_.fileName());
    return Claim::unanswered;
}

void SingleInstance::playOnUnguarded(const QString& why) {
    trouble_ = why;
    std::fprintf(stderr, "chipwhistle: %s; playing on without the one-copy guard\n", qPrintable(why));
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
