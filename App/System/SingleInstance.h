#pragma once

#include <QObject>
#include <QString>

#include "System/AdvisoryLock.h"
#include "System/PipeLines.h"

#include <memory>
#include <optional>

class QSocketNotifier;

// One running program per user and data folder, so a start at login and a start by hand never both
// write the profile and the saved game. The first start locks a file and listens on a named pipe,
// both in the user's runtime folder, and locks the data folder itself; a later start finds a lock
// taken, asks the first to come forward, and ends.
//
// The locks are the kernel's, gone with the process that held them, so what a stopped copy left
// behind never keeps the game from starting. The data folder's lock keeps one copy per data folder
// whatever state the runtime folder is in (full, the lock's place taken by a folder, another
// session's). Where neither lock can be had, the trouble is logged and the game plays on unguarded,
// as losing the guard costs less than refusing to start.
class SingleInstance final : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        // This is the program to run (with the guard, or unguarded where it could not be made).
        first,
        // Another copy took over; this one ends.
        handedOver,
        // Another copy holds a lock but did not answer; trouble() says which.
        unanswered,
    };

    // `folder` holds the lock and the pipe; by default this user's runtime folder. `dataFolder` is
    // locked too, and made when missing; none for a run that keeps no data.
    explicit SingleInstance(QString folder = {}, QString dataFolder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultFolder();

    // Takes the locks, or hands over to the program holding them.
    Claim claim();
    // What went wrong in the last claim, in words for the player; empty when nothing did.
    const QString& trouble() const { return trouble_; }

  signals:
    // A later start asked this one to reopen its surface.
    void reopenRequested();

  private:
    // Makes the pipe and listens on it; the cause when it cannot.
    QString listen();
    bool askFirstToReopen() const;
    void playOnUnguarded(const QString& why);

    // Locks the data folder; false when another copy holds it.
    bool lockDataFolder();

    QString folder_;
    QString dataFolder_;
    QString pipePath_;
    QString lockPath_;
    std::optional<AdvisoryLock> lock_;
    std::optional<AdvisoryLock> dataLock_;
    int pipe_ = -1;
    std::unique_ptr<QSocketNotifier> listener_;
    // What the pipe has brought that is not yet a whole line, bounded by the longest message.
    PipeLines heard_;
    QString trouble_;
};
