#pragma once

#include <QString>

#include <optional>

// The device end of the sound player: pulls mixed samples and sends them to the speakers. The app
// uses QtAudioOutput; tests substitute their own.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    // Starts (or restarts) the output. Gives the cause when it cannot.
    virtual std::optional<QString> start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};
