#pragma once

#include "Sound/Playback/AudioOutput.h"

#include <QtPlugin>

#include <cstddef>
#include <functional>
#include <memory>

// Fills `out` with the next `frames` mono samples; the output calls it, possibly from its own thread.
using SamplePull = std::function<void(float* out, std::size_t frames)>;

// What the audio module offers the game: outputs to the default device. The module alone links Qt
// Multimedia, so the sound server's libraries are loaded with the first sound, not before the icon.
class AudioOutputPlugin {
  public:
    virtual ~AudioOutputPlugin() = default;

    virtual std::unique_ptr<AudioOutput> makeOutput(SamplePull pull) = 0;
};

#define ChipwhistleAudioOutputPlugin_iid "org.chipwhistle.AudioOutputPlugin/1"
Q_DECLARE_INTERFACE(AudioOutputPlugin, ChipwhistleAudioOutputPlugin_iid)
