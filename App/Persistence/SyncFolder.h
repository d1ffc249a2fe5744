#pragma once

#include <QString>

// What a sync of a folder's entries came to.
enum class FolderSyncOutcome {
    synced,
    // The folder's file system has no sync for folders: it refuses the call itself (EINVAL, or EBADF
    // for a folder opened read-only) rather than failing to write. There is nothing to sync and
    // nothing a retry would change, so the changes stand as the file system keeps them.
    unsupported,
};

// Makes what was done to the folder's entries (a file that took its name, one moved aside or removed)
// reach the disk, as fsync does for a file's bytes: until then a power cut may undo any of them, and
// not necessarily in the order they were made. Throws PersistenceError with the system's reason when
// it can't.
FolderSyncOutcome syncFolder(const QString& directory);
