#pragma once

#include <QString>

// Makes what was done to the folder's entries (a file that took its name, one moved aside or removed)
// reach the disk, as fsync does for a file's bytes: until then a power cut may undo any of them, and
// not necessarily in the order they were made. Throws PersistenceError with the system's reason when
// it can't.
void syncFolder(const QString& directory);
