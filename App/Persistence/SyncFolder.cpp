#include "Persistence/SyncFolder.h"

#include "Persistence/PersistenceError.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString& directory, int error) {
    throw PersistenceError(QStringLiteral("couldn't sync the folder %1: %2")
                               .arg(directory, QString::fromLocal8Bit(std::strerror(error)))
                               .toStdString());
}

} // namespace

FolderSyncOutcome syncFolder(const QString& directory) {
    const int handle = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) {
        fail(directory, errno);
    }
    const int synced = ::fsync(handle);
    const int error = errno;
    ::close(handle);
    if (synced == 0) {
        return FolderSyncOutcome::synced;
    }
    // As databases do on such file systems: a folder without a sync operation has nothing to sync.
    if (error == EINVAL || error == EBADF) {
        return FolderSyncOutcome::unsupported;
    }
    fail(directory, error);
}
