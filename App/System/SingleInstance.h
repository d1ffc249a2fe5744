#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include "System/PipeLines.h"

#include <memory>

class QSocketNotifier;

// One running program per user, so a start at login and a start by hand never both write the
// profile and the saved game. The first start holds a lock file and listens on a named pipe, both
// in the user's runtime folder; a later start finds the lock taken, asks the first to come forward,
// and ends.
//
// The runtime folder, not the data folder, holds them: a data folder that can't be written must not
// keep the game from starting. Where even the runtime folder refuses, the trouble is logged and the
// game plays on unguarded, as losing the guard costs less than refusing to start.
class SingleInstance final : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        // This is the program to run (with the guard, or unguarded where it could not be made).
        first,
        // Another copy took over; this one ends.
        handedOver,
        // Another copy holds the lock but did not answer; trouble() says which.
        unanswered,
    };

    // `folder` holds the lock and the pipe; by default this user's runtime folder.
    explicit SingleInstance(QString folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultFolder();

    // Takes the lock, or hands over to the program holding it.
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

    QString folder_;
    QString pipePath_;
    QLockFile lock_;
    int pipe_ = -1;
    std::unique_ptr<QSocketNotifier> listener_;
    // What the pipe has brought that is not yet a whole line, bounded by the longest message.
    PipeLines heard_;
    QString trouble_;
};
