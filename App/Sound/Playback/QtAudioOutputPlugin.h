#pragma once

#include "Sound/Playback/AudioOutputPlugin.h"

#include <QObject>

// The audio module's entry: hands out QtAudioOutputs.
class QtAudioOutputPlugin final : public QObject, public AudioOutputPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChipwhistleAudioOutputPlugin_iid)
    Q_INTERFACES(AudioOutputPlugin)

  public:
    std::unique_ptr<AudioOutput> makeOutput(SamplePull pull) override;
};
