#pragma once

#include <QIODevice>

#include <string_view>

// Writes every byte to `device` and flushes it, or throws PersistenceError with the device's own
// reason (a full disk, a quota, an input/output error). A device that takes the bytes in several
// short writes is written on until all are in; one that takes none is an error. Nothing is
// committed here: the caller decides what a failure leaves behind.
void writeFully(QIODevice& device, std::string_view bytes);
