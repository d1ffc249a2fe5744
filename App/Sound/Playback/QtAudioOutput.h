#pragma once

#include "Sound/Playback/AudioOutputPlugin.h"

#include <QIODevice>

#include <memory>
#include <vector>

class QAudioSink;

// Pulls the mixed stream into a QAudioSink on the default output: mono, 44.1 kHz, 32-bit float.
class QtAudioOutput final : public AudioOutput {
  public:
    explicit QtAudioOutput(SamplePull pull);
    ~QtAudioOutput() override;

    std::optional<QString> start() override;
    void stop() override;
    bool isRunning() const override;

  private:
    // An endless stream of the mixer's output; silence while no voice sounds.
    class MixerStream final : public QIODevice {
      public:
        explicit MixerStream(SamplePull pull)
            : pull_(std::move(pull)) {}
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override;

      protected:
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }

      private:
        SamplePull pull_;
        // Reused from pull to pull (its capacity only grows), so the audio path stops allocating.
        std::vector<float> mixed_;
    };

    MixerStream stream_;
    std::unique_ptr<QAudioSink> sink_;
};
