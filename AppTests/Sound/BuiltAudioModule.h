#pragma once

#include "Sound/Playback/AudioModule.h"
#include "Sound/SoundMixer.h"
#include "Support/TestPaths.h"

// The real output as the game gets it: from the audio module this build makes, pulling from `mixer`.
inline std::unique_ptr<AudioOutput> builtModuleOutput(SoundMixer& mixer) {
    AudioModule module({TestPaths::buildFolder() + QStringLiteral("/App")});
    return module.makeOutput([&mixer](float* out, std::size_t frames) { mixer.render(out, frames); });
}
