#pragma once

#include <QByteArray>
#include <QString>

// An advisory lock (flock) on a file or a folder, held for as long as this object lives. The kernel
// lets it go when the process ends, however it ends, so a lock whose holder is gone is simply taken:
// what a stopped holder left in the file (nothing, half a number, another program's text) never
// matters.
class AdvisoryLock {
  public:
    enum class Outcome { taken, heldElsewhere, unusable };

    // Takes the lock on the file at `path`, making it when missing; while held, the file names this
    // process, and it is removed on release.
    static AdvisoryLock onFile(const QString& path);
    // Takes the lock on the folder at `path`, which must exist; the folder itself is left unchanged.
    static AdvisoryLock onFolder(const QString& path);

    AdvisoryLock(AdvisoryLock&& other) noexcept;
    AdvisoryLock& operator=(AdvisoryLock&& other) noexcept;
    AdvisoryLock(const AdvisoryLock&) = delete;
    AdvisoryLock& operator=(const AdvisoryLock&) = delete;
    ~AdvisoryLock();

    Outcome outcome() const { return outcome_; }
    // Taken on a file that was there already: one that a holder no longer running left behind.
    bool tookOver() const { return tookOver_; }
    // Taken: what an earlier holder left in the file, empty when nothing. Held elsewhere: what the
    // holder wrote in it. Unusable: why, in words.
    const QByteArray& found() const { return found_; }
    // The process a holder's file names (its first line), or 0 when it names none.
    qint64 namedProcess() const;

  private:
    AdvisoryLock() = default;
    void release();

    Outcome outcome_ = Outcome::unusable;
    bool tookOver_ = false;
    QByteArray found_;
    int descriptor_ = -1;
    // The file removed on release; empty for a folder.
    QByteArray removeOnRelease_;
};
