#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceStore.h"
#include "Persistence/Profile.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Failed comparisons show the profile's JSON rather than its bytes.
inline void PrintTo(const Profile& profile, std::ostream* out) {
    *out << nlohmann::json(profile).dump();
}

// Collects the "Chipwhistle.persistence" log lines written while it lives.
class PersistenceLogCapture {
  public:
    PersistenceLogCapture();
    ~PersistenceLogCapture();
    PersistenceLogCapture(const PersistenceLogCapture&) = delete;
    PersistenceLogCapture& operator=(const PersistenceLogCapture&) = delete;

    const QStringList& messages() const;
    bool contains(const QString& fragment) const;

  private:
    QtMessageHandler previous_;
};

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("test setup couldn't write %s", qPrintable(path));
    }
    file.write(bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file names in a folder, sorted; empty when the folder does not exist.
inline QStringList fileNames(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Stands in for the sync of a store's folder: notes what the folder holds at each sync, and fails
// while told to, as a failing disk would.
struct FolderSyncRecorder {
    // The folder's file names at each sync, as `look` gives them.
    QStringList seen;
    bool failing = false;
    std::function<QString(const QString& directory)> look = [](const QString& directory) {
        return fileNames(directory).join(' ');
    };

    PersistenceStore::FolderSync sync() {
        return [this](const QString& directory) {
            seen << look(directory);
            if (failing) {
                throw PersistenceError("couldn't sync the folder: Input/output error");
            }
        };
    }
};

// Runs `work` in a forked child process, which carries this process's files and state exactly, and
// gives the signal that ended it; 0 when it ended by itself.
inline int signalThatEnded(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        std::_Exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}
