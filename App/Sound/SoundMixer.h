#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// The table's own little mixer: six voices, each playing a queue of rendered sounds one after another,
// summed and scaled by the master gain into one mono stream. The audio output pulls from it, possibly
// from its own thread, so every entry point locks.
class SoundMixer {
  public:
    static constexpr int voiceCount = 6;
    static constexpr float masterGain = 0.35f;

    using Samples = std::shared_ptr<const std::vector<float>>;

    // Queues `samples` on a voice; it starts when what is queued before it has finished.
    void schedule(int voice, Samples samples);
    // Lets a voice run through its queue. A playing voice stays playing when its queue runs dry.
    void play(int voice);
    bool isPlaying(int voice) const;
    // Stops every voice and forgets what they had queued.
    void stopAll();

    // Mixes the next `frames` samples into `out` (silence where no voice sounds), clamped to −1...1.
    void render(float* out, std::size_t frames);

    // Sounds queued on a voice that have not finished, the one sounding now included.
    std::size_t queuedCount(int voice) const;
    // The sounds queued on a voice, the one sounding now first.
    std::vector<Samples> queued(int voice) const;

  private:
    struct Voice {
        std::deque<Samples> queue;
        std::size_t position = 0;
        bool playing = false;
    };
    Voice& voiceAt(int voice);
    const Voice& voiceAt(int voice) const;

    mutable std::mutex mutex_;
    std::array<Voice, voiceCount> voices_;
};
