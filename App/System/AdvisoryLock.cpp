#include "System/AdvisoryLock.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// More than any holder of ours writes; the rest of a longer file is of no interest.
constexpr qsizetype longestContents = 256;

QByteArray contents(int descriptor) {
    QByteArray bytes(longestContents, Qt::Uninitialized);
    const ssize_t count = ::pread(descriptor, bytes.data(), bytes.size(), 0);
    bytes.resize(count > 0 ? count : 0);
    return bytes;
}

QByteArray reason(int error) {
    return QByteArray(std::strerror(error));
}

bool sameFile(int descriptor, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(descriptor, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

AdvisoryLock AdvisoryLock::onFile(const QString& path) {
    AdvisoryLock lock;
    const QByteArray name = QFile::encodeName(path);
    // A holder removes the file as it lets go: a lock won on a file just removed is a lock nobody
    // else can find, so it counts only while the path still names the file locked.
    for (int attempt = 0; attempt < 5; ++attempt) {
        struct stat before {};
        const bool existed = ::lstat(name.constData(), &before) == 0;
        const int descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            lock.found_ = reason(errno);
            return lock;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                lock.outcome_ = Outcome::heldElsewhere;
                lock.found_ = contents(descriptor);
            } else {
                lock.found_ = reason(error);
            }
            ::close(descriptor);
            return lock;
        }
        if (sameFile(descriptor, name)) {
            lock.outcome_ = Outcome::taken;
            lock.tookOver_ = existed;
            lock.found_ = contents(descriptor);
            lock.descriptor_ = descriptor;
            lock.removeOnRelease_ = name;
            // Only for a person looking: the lock holds even where a full disk keeps the number out.
            const QByteArray process = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
            if (::ftruncate(descriptor, 0) == 0) {
                [[maybe_unused]] const ssize_t written =
                    ::pwrite(descriptor, process.constData(), process.size(), 0);
            }
            return lock;
        }
        ::close(descriptor);
    }
    lock.found_ = "the file was replaced again and again while it was being locked";
    return lock;
}

AdvisoryLock AdvisoryLock::onFolder(const QString& path) {
    AdvisoryLock lock;
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        lock.found_ = reason(errno);
        return lock;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        lock.outcome_ = error == EWOULDBLOCK ? Outcome::heldElsewhere : Outcome::unusable;
        lock.found_ = error == EWOULDBLOCK ? QByteArray() : reason(error);
        ::close(descriptor);
        return lock;
    }
    lock.outcome_ = Outcome::taken;
    lock.descriptor_ = descriptor;
    return lock;
}

AdvisoryLock::AdvisoryLock(AdvisoryLock&& other) noexcept
    : outcome_(other.outcome_)
    , tookOver_(other.tookOver_)
    , found_(std::move(other.found_))
    , descriptor_(std::exchange(other.descriptor_, -1))
    , removeOnRelease_(std::move(other.removeOnRelease_)) {}

AdvisoryLock& AdvisoryLock::operator=(AdvisoryLock&& other) noexcept {
    if (this != &other) {
        release();
        outcome_ = other.outcome_;
        tookOver_ = other.tookOver_;
        found_ = std::move(other.found_);
        descriptor_ = std::exchange(other.descriptor_, -1);
        removeOnRelease_ = std::move(other.removeOnRelease_);
    }
    return *this;
}

AdvisoryLock::~AdvisoryLock() {
    release();
}

void AdvisoryLock::release() {
    if (descriptor_ < 0) {
        return;
    }
    // Removed while still locked, so a later start never locks a file that is about to vanish.
    if (!removeOnRelease_.isEmpty()) {
        ::unlink(removeOnRelease_.constData());
    }
    ::close(descriptor_);
    descriptor_ = -1;
}

qint64 AdvisoryLock::namedProcess() const {
    bool ok = false;
    const qint64 process = found_.left(found_.indexOf('\n')).trimmed().toLongLong(&ok);
    return ok && process > 0 ? process : 0;
}
