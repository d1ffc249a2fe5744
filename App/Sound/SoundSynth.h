#pragma once

#include "Sound/SoundEvent.h"
#include "Style/TableStyleID.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Every table sound is computed here, sample by sample: no sound files exist. The same event, style
// and variant always render the same samples, bit for bit.
namespace SoundSynth {

inline constexpr int sampleRate = 44100;
// Every rendering mixes into 0.4 s of silence and is trimmed afterwards.
inline constexpr std::size_t bufferLength = 17640;
// How long a sound cut off at the end of the buffer takes to fade out instead of clicking (3 ms).
inline constexpr std::size_t cutOffFadeLength = 132;

// How many variants an event rotates through: card deals 4, chip bets 3, everything else 1.
int variantCount(SoundEvent event);

// Seeds the noise generator: n times the golden-ratio constant, with the lowest bit set so the
// xorshift state is never zero.
std::uint64_t noiseSeed(std::uint64_t n);

// A mixing buffer of fixed length: every generator adds its samples at a start time in seconds, and
// samples that fall past the end are dropped (the buffer never grows).
class Buffer {
  public:
    explicit Buffer(std::size_t length = bufferLength);

    // Decaying sine: gain × sin(2πft) × e^(−decay·t), with 2 ms fades at both ends.
    void tone(double at, double freq, double length, double gain, double decay);
    // Low-passed xorshift noise; a higher brightness lets more of the high end through.
    void noiseBurst(double at, std::uint64_t seed, double brightness, double length, double gain,
                    double decay);
    void click(double at, double freq, double gain);
    void marimba(double at, double freq, double gain);
    void kalimba(double at, double freq, double gain);
    void square(double at, double freq, double length, double gain);
    void triangle(double at, double freq, double length, double gain);

    // The samples up to the last one above 0.0005 in magnitude, each clamped to −1...1. When a layer
    // was cut off by the end of the buffer, the last few milliseconds fade out first, so the sound
    // never ends on a click.
    std::vector<float> trimmed() const;

    const std::vector<float>& samples() const { return samples_; }
    // True when some layer reached past the end of the buffer.
    bool wasCutOff() const { return cutOff_; }

  private:
    template <typename SampleAt> void addPartial(double at, double length, SampleAt sampleAt);

    std::vector<float> samples_;
    bool cutOff_ = false;
};

// Renders one event in one style. `variant` must not be negative.
std::vector<float> samples(SoundEvent event, TableStyleID style, int variant);

} // namespace SoundSynth
