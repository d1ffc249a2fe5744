#include "Sound/SoundMixer.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>

SoundMixer::Voice& SoundMixer::voiceAt(int voice) {
    CW_PRECONDITION(voice >= 0 && voice < voiceCount);
    return voices_[static_cast<std::size_t>(voice)];
}

const SoundMixer::Voice& SoundMixer::voiceAt(int voice) const {
    CW_PRECONDITION(voice >= 0 && voice < voiceCount);
    return voices_[static_cast<std::size_t>(voice)];
}

void SoundMixer::schedule(int voice, Samples samples) {
    std::lock_guard lock(mutex_);
    if (samples && !samples->empty()) {
        voiceAt(voice).queue.push_back(std::move(samples));
    }
}

void SoundMixer::play(int voice) {
    std::lock_guard lock(mutex_);
    voiceAt(voice).playing = true;
}

bool SoundMixer::isPlaying(int voice) const {
    std::lock_guard lock(mutex_);
    return voiceAt(voice).playing;
}

void SoundMixer::stopAll() {
    std::lock_guard lock(mutex_);
    for (auto& voice : voices_) {
        voice = Voice{};
    }
}

void SoundMixer::render(float* out, std::size_t frames) {
    std::fill(out, out + frames, 0.0f);
    std::lock_guard lock(mutex_);
    for (auto& voice : voices_) {
        if (!voice.playing) {
            continue;
        }
        std::size_t written = 0;
        while (written < frames && !voice.queue.empty()) {
            const auto& samples = *voice.queue.front();
            const std::size_t take = std::min(frames - written, samples.size() - voice.position);
            for (std::size_t i = 0; i < take; ++i) {
                out[written + i] += samples[voice.position + i];
            }
            written += take;
            voice.position += take;
            if (voice.position == samples.size()) {
                voice.queue.pop_front();
                voice.position = 0;
            }
        }
    }
    for (std::size_t i = 0; i < frames; ++i) {
        out[i] = std::clamp(out[i] * masterGain, -1.0f, 1.0f);
    }
}

std::size_t SoundMixer::queuedCount(int voice) const {
    std::lock_guard lock(mutex_);
    return voiceAt(voice).queue.size();
}

std::vector<SoundMixer::Samples> SoundMixer::queued(int voice) const {
    std::lock_guard lock(mutex_);
    const auto& queue = voiceAt(voice).queue;
    return {queue.begin(), queue.end()};
}
