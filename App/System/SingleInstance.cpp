#include "System/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char reopenMessage[] = "reopen\n";
// Far longer than any message a later start sends; a longer line is no message of ours.
constexpr qsizetype longestMessage = 256;

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
    , pipePath_(folder_ + QStringLiteral("/chipwhistle.pipe"))
    , lock_(folder_ + QStringLiteral("/chipwhistle.lock"))
    , heard_(longestMessage) {
    // A program killed without a chance to unlock leaves its lock behind; QLockFile sees that the
    // process named in it is gone. A live holder's lock never goes stale by age.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (pipe_ >= 0) {
        listener_.reset();
        ::close(pipe_);
        QFile::remove(pipePath_);
    }
}

SingleInstance::Claim SingleInstance::claim() {
    trouble_.clear();
    if (!QDir().mkpath(folder_)) {
        playOnUnguarded(QStringLiteral("couldn't create the folder %1").arg(folder_));
        return Claim::first;
    }
    if (lock_.tryLock(0)) {
        if (const QString failure = listen(); !failure.isEmpty()) {
            playOnUnguarded(QStringLiteral("couldn't listen on %1: %2").arg(pipePath_, failure));
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

// A named pipe rather than a local socket: Qt's sockets live in Qt Network, which with the libraries
// it brings would add a third to what the game loads before its icon shows.
QString SingleInstance::listen() {
    // The lock is ours, so a pipe left at the path is a dead program's.
    const QByteArray path = QFile::encodeName(pipePath_);
    ::unlink(path.constData());
    if (::mkfifo(path.constData(), S_IRUSR | S_IWUSR) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    // Open for writing as well, so the pipe never reads as closed between two later starts.
    pipe_ = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (pipe_ < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    listener_ = std::make_unique<QSocketNotifier>(pipe_, QSocketNotifier::Read);
    connect(listener_.get(), &QSocketNotifier::activated, this, [this] {
        char chunk[256];
        ssize_t count = 0;
        while ((count = ::read(pipe_, chunk, sizeof chunk)) > 0) {
            for (const QByteArray& line : heard_.take(QByteArrayView(chunk, count))) {
                if (line == reopenMessage) {
                    emit reopenRequested();
                }
            }
        }
        if (const int dropped = heard_.takeDropped(); dropped > 0) {
            std::fprintf(stderr,
                         "chipwhistle: dropped %d line(s) on %s longer than any message (%lld bytes); "
                         "listening on\n",
                         dropped, qPrintable(pipePath_), static_cast<long long>(longestMessage));
        }
    });
    return {};
}

bool SingleInstance::askFirstToReopen() const {
    // The first program may still be starting and not listen yet: try for a couple of seconds.
    const QByteArray path = QFile::encodeName(pipePath_);
    const QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        const int pipe = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (pipe >= 0) {
            // Shorter than the pipe's atomic size: it arrives whole or not at all.
            const auto length = static_cast<ssize_t>(sizeof reopenMessage - 1);
            const bool sent = ::write(pipe, reopenMessage, length) == length;
            ::close(pipe);
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}
