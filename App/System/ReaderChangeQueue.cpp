#include "System/ReaderChangeQueue.h"

#include <algorithm>

namespace ReaderChangeQueue {

void Queue::add(const Change& change, const QString& known) {
    if (change.kind == gone) {
        std::erase_if(waiting_, [&](const Waiting& waiting) { return waiting.change.path == change.path; });
        waiting_.push_back({change, {}, added_++});
        return;
    }
    const auto same = std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& waiting) {
        return waiting.change.path == change.path && waiting.change.kind == change.kind;
    });
    if (same == waiting_.end()) {
        if (change.value != known)
            waiting_.push_back({change, known, added_++});
        return;
    }
    if (change.value == same->known)
        waiting_.erase(same);
    else
        same->change.value = change.value;
}

std::optional<Change> Queue::take() {
    if (waiting_.empty())
        return std::nullopt;
    Change next = std::move(waiting_.front().change);
    waiting_.pop_front();
    return next;
}

} // namespace ReaderChangeQueue
