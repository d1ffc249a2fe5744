#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

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
