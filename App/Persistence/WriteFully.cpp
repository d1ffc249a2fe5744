#include "Persistence/WriteFully.h"

#include "Persistence/PersistenceError.h"

#include <QFileDevice>

namespace {

[[noreturn]] void fail(const QIODevice& device) {
    const QString reason = device.errorString();
    throw PersistenceError(reason.isEmpty() ? std::string("the data could not be written")
                                            : reason.toStdString());
}

} // namespace

void writeFully(QIODevice& device, std::string_view bytes) {
    const char* next = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 written = device.write(next, left);
        if (written <= 0) {
            fail(device);
        }
        next += written;
        left -= written;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device)) {
        if (!file->flush() || file->error() != QFileDevice::NoError) {
            fail(device);
        }
    }
}
