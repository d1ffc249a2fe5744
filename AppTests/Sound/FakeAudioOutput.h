#pragma once

#include "Sound/Playback/AudioOutput.h"
#include "Sound/Playback/SoundPlayer.h"

#include <memory>
#include <optional>

// Stands in for the audio device: counts starts and stops and fails when told to.
struct FakeAudioDevice {
    int made = 0;
    int starts = 0;
    int stops = 0;
    bool running = false;
    std::optional<QString> failure;

    SoundPlayer::OutputFactory factory();
};

class FakeAudioOutput final : public AudioOutput {
  public:
    explicit FakeAudioOutput(FakeAudioDevice& device)
        : device_(device) {}
    std::optional<QString> start() override {
        ++device_.starts;
        if (device_.failure) {
            device_.running = false;
            return device_.failure;
        }
        device_.running = true;
        return std::nullopt;
    }
    void stop() override {
        ++device_.stops;
        device_.running = false;
    }
    bool isRunning() const override { return device_.running; }

  private:
    FakeAudioDevice& device_;
};

inline SoundPlayer::OutputFactory FakeAudioDevice::factory() {
    return [this](SoundMixer&) {
        ++made;
        return std::make_unique<FakeAudioOutput>(*this);
    };
}
