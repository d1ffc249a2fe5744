#include "Sound/Playback/QtAudioOutputPlugin.h"

#include "Sound/Playback/QtAudioOutput.h"

std::unique_ptr<AudioOutput> QtAudioOutputPlugin::makeOutput(SamplePull pull) {
    return std::make_unique<QtAudioOutput>(std::move(pull));
}
