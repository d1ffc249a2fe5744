#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <optional>

// What waits to be told to a screen reader, merged so that it is told only what still differs from what
// it knows: a later change of the same kind takes the place of one still waiting, a change undone
// before it went is not told at all, and nothing more is told of an element once it is gone.
namespace ReaderChangeQueue {

// `kind` names what changed ("accessible-name", "showing", …) and `value` what it now is; an element
// gone has the kind `gone`.
struct Change {
    QString path;
    QString kind;
    QString value;

    bool operator==(const Change&) const = default;
};

inline const QString gone = QStringLiteral("gone");

class Queue {
  public:
    // Adds `change`; `known` is what the reader held of that kind for the element before it.
    void add(const Change& change, const QString& known);
    // The next change to tell, taken off the queue.
    std::optional<Change> take();
    bool empty() const { return waiting_.empty(); }
    std::size_t size() const { return waiting_.size(); }
    void clear() { waiting_.clear(); }
    // A point between what waits now and whatever is added after.
    using Mark = std::uint64_t;
    Mark mark() const { return added_; }
    // Whether anything added before `mark` still waits: a later change merged into one of those still
    // goes in its place, ahead of the mark.
    bool holdsBefore(Mark mark) const { return !waiting_.empty() && waiting_.front().order < mark; }

  private:
    struct Waiting {
        Change change;
        QString known;
        // The order it was added in: what waits is told in that order.
        Mark order = 0;
    };
    std::deque<Waiting> waiting_;
    Mark added_ = 0;
};

} // namespace ReaderChangeQueue
