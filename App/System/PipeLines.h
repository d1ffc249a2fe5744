#pragma once

#include <QByteArray>
#include <QList>

#include <cstddef>

// Cuts what a pipe brings into whole lines, keeping at most `longest` bytes of a line not yet ended.
// A line that grows past that is no message anyone sends: it is dropped, and what follows its end is
// read as the next line, so a writer that never ends its line cannot make the reader hold more.
class PipeLines {
  public:
    explicit PipeLines(qsizetype longest)
        : longest_(longest) {}

    // The lines `bytes` completes, each with its newline; a line dropped as too long is counted instead.
    QList<QByteArray> take(QByteArrayView bytes);

    // The bytes of the line not yet ended that are kept (none while a too-long line runs on).
    qsizetype pending() const { return partial_.size(); }
    // Lines dropped as too long since the last call; the count starts again from 0.
    int takeDropped();

  private:
    qsizetype longest_;
    QByteArray partial_;
    // A line past `longest_` whose end has not come yet: its bytes are skipped.
    bool skipping_ = false;
    int dropped_ = 0;
};
