#include "System/PipeLines.h"

#include <utility>

QList<QByteArray> PipeLines::take(QByteArrayView bytes) {
    QList<QByteArray> lines;
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView piece = end < 0 ? bytes : bytes.first(end + 1);
        bytes = bytes.sliced(piece.size());
        if (!skipping_ && partial_.size() + piece.size() > longest_) {
            // Dropped the moment it is too long, ended or not, so nothing of it is kept.
            partial_.clear();
            skipping_ = true;
            ++dropped_;
        }
        if (skipping_) {
            skipping_ = end < 0;
            continue;
        }
        partial_.append(piece);
        if (end >= 0)
            lines.append(std::exchange(partial_, {}));
    }
    return lines;
}

int PipeLines::takeDropped() {
    return std::exchange(dropped_, 0);
}
