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

// What a lock file left by a copy no longer running said, for the log.
QString leftBehind(const AdvisoryLock& lock) {
    if (const qint64 process = lock.namedProcess(); process > 0) {
        return QStringLiteral("it named process %1").arg(process);
    }
    return lock.found().isEmpty() ? QStringLiteral("it was empty") : QStringLiteral("it named no process");
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

SingleInstance::SingleInstance(QString folder, QString dataFolder, QObject* parent)
    : QObject(parent)
    , folder_(folder.isEmpty() ? defaultFolder() : std::move(folder))
    , dataFolder_(std::move(dataFolder))
    , pipePath_(folder_ + QStringLiteral("/chipwhistle.pipe"))
    , lockPath_(folder_ + QStringLiteral("/chipwhistle.lock"))
    , heard_(longestMessage) {}

SingleInstance::~SingleInstance() {
    if (pipe_ >= 0) {
        listener_.reset();
        ::close(pipe_);
        QFile::remove(pipePath_);
    }
}

SingleInstance::Claim SingleInstance::claim() {
    trouble_.clear();
    QString runtimeTrouble;
    if (!QDir().mkpath(folder_)) {
        runtimeTrouble = QStringLiteral("couldn't create the folder %1").arg(folder_);
    } else {
        lock_ = AdvisoryLock::onFile(lockPath_);
        switch (lock_->outcome()) {
        case AdvisoryLock::Outcome::taken:
            if (lock_->tookOver()) {
                std::fprintf(stderr, "chipwhistle: took over %s, which no running copy held (%s)\n",
                             qPrintable(lockPath_), qPrintable(leftBehind(*lock_)));
            }
            break;
        case AdvisoryLock::Outcome::heldElsewhere: {
            if (askFirstToReopen()) {
                return Claim::handedOver;
            }
            const qint64 holder = lock_->namedProcess();
            trouble_ =
                QStringLiteral("another copy %1holds %2 but did not answer; it may have stopped responding")
                    .arg(holder > 0 ? QStringLiteral("(process %1) ").arg(holder) : QString(), lockPath_);
            return Claim::unanswered;
        }
        case AdvisoryLock::Outcome::unusable:
            runtimeTrouble = QStringLiteral("couldn't use the lock %1: %2")
                                 .arg(lockPath_, QString::fromLocal8Bit(lock_->found()));
            break;
        }
    }
    const bool runtimeHeld = runtimeTrouble.isEmpty();
    if (!lockDataFolder()) {
        // Where the runtime folder could not be used, the copy playing may still listen on the pipe.
        if (!runtimeHeld && askFirstToReopen()) {
            return Claim::handedOver;
        }
        trouble_ = QStringLiteral("another copy is already playing on %1 but did not answer; it may run in "
                                  "another session or have stopped responding")
                       .arg(dataFolder_);
        return Claim::unanswered;
    }
    const bool dataHeld = dataLock_ && dataLock_->outcome() == AdvisoryLock::Outcome::taken;
    if (!runtimeHeld && !dataHeld) {
        playOnUnguarded(runtimeTrouble);
        return Claim::first;
    }
    if (!runtimeHeld) {
        std::fprintf(stderr, "chipwhistle: %s; one copy per data folder is still kept through %s\n",
                     qPrintable(runtimeTrouble), qPrintable(dataFolder_));
    }
    if (const QString failure = listen(); !failure.isEmpty() && runtimeHeld) {
        playOnUnguarded(QStringLiteral("couldn't listen on %1: %2").arg(pipePath_, failure));
    }
    return Claim::first;
}

bool SingleInstance::lockDataFolder() {
    if (dataFolder_.isEmpty()) {
        return true;
    }
    // Made here so that the very first start is guarded too; a folder that can't be made is the
    // store's to report, and the runtime folder's lock guards alone.
    QDir().mkpath(dataFolder_);
    dataLock_ = AdvisoryLock::onFolder(dataFolder_);
    return dataLock_->outcome() != AdvisoryLock::Outcome::heldElsewhere;
}

void SingleInstance::playOnUnguarded(const QString& why) {
    trouble_ = why;
    std::fprintf(stderr, "chipwhistle: %s; playing on without the one-copy guard\n", qPrintable(why));
}

// A named pipe rather than a local socket: Qt's sockets live in Qt Network, which with the libraries
// it brings would add a third to what the game loads before its icon shows.
QString SingleInstance::listen() {
    // A lock is ours, so a pipe left at the path is a dead program's.
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
