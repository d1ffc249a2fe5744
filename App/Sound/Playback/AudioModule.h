#pragma once

#include "Sound/Playback/AudioOutputPlugin.h"

#include <QString>
#include <QStringList>

#include <memory>

// Finds and loads the audio module (chipwhistle-audio.so) the first time an output is asked for, and
// keeps it loaded for the rest of the process. A module that is missing or will not load gives an
// output whose start names the cause: the game then plays silently and logs why, and still runs.
class AudioModule {
  public:
    static inline const QString fileName = QStringLiteral("chipwhistle-audio.so");

    // Searched in order; the first folder that holds the module is the one loaded from.
    explicit AudioModule(QStringList folders);

    // Where the game looks, given the folder of its executable: beside it (a build tree), then the
    // library folder it is installed with.
    static QStringList folders(const QString& executableFolder);

    std::unique_ptr<AudioOutput> makeOutput(SamplePull pull);

  private:
    void load();

    QStringList folders_;
    bool tried_ = false;
    AudioOutputPlugin* plugin_ = nullptr;
    QString failure_;
};
