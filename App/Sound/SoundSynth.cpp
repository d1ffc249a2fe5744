#include "Sound/SoundSynth.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace SoundSynth {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// Linear 2 ms fade-in and fade-out of a partial of length `length`.
double window(double t, double length) {
    return std::max(0.0, std::min({t / 0.002, (length - t) / 0.002, 1.0}));
}

std::size_t sampleCount(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(seconds * sampleRate);
}

void renderSatin(Buffer& buffer, SoundEvent event, int variant) {
    const int m = variant % 4;
    const auto v = static_cast<std::uint64_t>(variant);
    switch (event) {
    case SoundEvent::cardDeal:
        buffer.noiseBurst(0, noiseSeed(v + 1), 0.8 + 0.03 * m, 0.012, 0.3, 280);
        buffer.noiseBurst(0.003, noiseSeed(v + 11), 0.18, 0.045, 0.2, 75);
        buffer.tone(0, 165 + 14 * m, 0.04, 0.14, 95);
        return;
    case SoundEvent::cardFlip:
        buffer.noiseBurst(0, noiseSeed(2), 0.8, 0.025, 0.35, 140);
        return;
    case SoundEvent::chipBet: {
        static const std::array<std::vector<double>, 3> patterns{std::vector<double>{0, 0.045},
                                                                 std::vector<double>{0, 0.038, 0.07},
                                                                 std::vector<double>{0, 0.052}};
        const auto& times = patterns[static_cast<std::size_t>(variant % 3)];
        for (std::size_t j = 0; j < times.size(); ++j) {
            buffer.click(times[j], 3600 + 420 * static_cast<double>(j), 0.45);
        }
        return;
    }
    case SoundEvent::chipCollect:
    case SoundEvent::chipWin: {
        static constexpr std::array<std::array<double, 2>, 7> clicks{
            {{0, 3200}, {0.03, 4450}, {0.055, 3950}, {0.09, 3450}, {0.12, 4700}, {0.16, 4200}, {0.19, 3700}}};
        for (const auto& [time, freq] : clicks) {
            buffer.click(time, freq, 0.32);
        }
        return;
    }
    case SoundEvent::turnChime:
        buffer.marimba(0, 523.25, 0.5);
        buffer.marimba(0.12, 698.46, 0.5);
        return;
    case SoundEvent::winChime:
        buffer.marimba(0, 523.25, 0.45);
        buffer.marimba(0.1, 659.25, 0.45);
        buffer.marimba(0.2, 783.99, 0.45);
        return;
    case SoundEvent::checkKnock:
        buffer.tone(0, 190, 0.08, 0.6, 55);
        buffer.noiseBurst(0, noiseSeed(3), 0.3, 0.02, 0.25, 200);
        return;
    }
}

void renderPaper(Buffer& buffer, SoundEvent event, int variant) {
    const int m = variant % 4;
    const auto v = static_cast<std::uint64_t>(variant);
    switch (event) {
    case SoundEvent::cardDeal:
        buffer.noiseBurst(0, noiseSeed(v + 4), 0.55 + 0.03 * m, 0.012, 0.22, 240);
        buffer.noiseBurst(0.002, noiseSeed(v + 14), 0.12, 0.05, 0.24, 65);
        buffer.tone(0, 140 + 12 * m, 0.045, 0.16, 80);
        return;
    case SoundEvent::cardFlip:
        buffer.noiseBurst(0, noiseSeed(5), 0.45, 0.03, 0.3, 110);
        return;
    case SoundEvent::chipBet:
        buffer.tone(0, 150, 0.07, 0.5, 50);
        buffer.noiseBurst(0, noiseSeed(v + 6), 0.25, 0.05, 0.35, 60);
        return;
    case SoundEvent::chipCollect:
    case SoundEvent::chipWin:
        buffer.noiseBurst(0, noiseSeed(9), 0.35, 0.22, 0.25, 12);
        return;
    case SoundEvent::turnChime:
        buffer.kalimba(0, 587.33, 0.5);
        buffer.kalimba(0.13, 783.99, 0.5);
        return;
    case SoundEvent::winChime:
        buffer.kalimba(0, 587.33, 0.45);
        buffer.kalimba(0.11, 739.99, 0.45);
        buffer.kalimba(0.22, 880, 0.45);
        return;
    case SoundEvent::checkKnock:
        buffer.tone(0, 130, 0.07, 0.55, 60);
        buffer.noiseBurst(0, noiseSeed(10), 0.2, 0.03, 0.2, 120);
        return;
    }
}

void renderPixel(Buffer& buffer, SoundEvent event, int variant) {
    switch (event) {
    case SoundEvent::cardDeal: {
        static constexpr std::array<double, 4> pitches{1200, 1270, 1130, 1320};
        buffer.square(0, pitches[static_cast<std::size_t>(variant % 4)], 0.025, 0.16);
        return;
    }
    case SoundEvent::cardFlip:
        buffer.square(0, 1600, 0.018, 0.15);
        return;
    case SoundEvent::chipBet:
        buffer.square(0, 880, 0.04, 0.16);
        buffer.square(0.045, variant % 2 == 1 ? 1175 : 1320, 0.04, 0.16);
        return;
    case SoundEvent::chipCollect:
    case SoundEvent::chipWin:
        for (int j = 0; j < 4; ++j) {
            buffer.square(0.035 * j, 1320 - 110 * j, 0.03, 0.14);
        }
        return;
    case SoundEvent::turnChime: {
        static constexpr std::array<double, 4> notes{523.25, 659.25, 783.99, 1046.5};
        for (std::size_t j = 0; j < notes.size(); ++j) {
            buffer.triangle(0.06 * static_cast<double>(j), notes[j], 0.07, 0.35);
        }
        return;
    }
    case SoundEvent::winChime: {
        static constexpr std::array<double, 6> notes{523.25, 659.25, 783.99, 1046.5, 1318.5, 1568};
        for (std::size_t j = 0; j < notes.size(); ++j) {
            buffer.triangle(0.055 * static_cast<double>(j), notes[j], 0.065, 0.32);
        }
        return;
    }
    case SoundEvent::checkKnock:
        buffer.triangle(0, 220, 0.045, 0.4);
        return;
    }
}

} // namespace

int variantCount(SoundEvent event) {
    switch (event) {
    case SoundEvent::cardDeal:
        return 4;
    case SoundEvent::chipBet:
        return 3;
    default:
        return 1;
    }
}

std::uint64_t noiseSeed(std::uint64_t n) {
    return (n * 0x9E3779B97F4A7C15ULL) | 1ULL;
}

Buffer::Buffer(std::size_t length)
    : samples_(length, 0.0f) {}

template <typename SampleAt> void Buffer::addPartial(double at, double length, SampleAt sampleAt) {
    const std::size_t count = sampleCount(length);
    const auto start = static_cast<std::size_t>(std::max(0.0, at * sampleRate));
    for (std::size_t i = 0; i < count; ++i) {
        const double value = sampleAt(static_cast<double>(i) / sampleRate);
        const std::size_t index = start + i;
        if (index >= samples_.size()) {
            cutOff_ = true;
            return;
        }
        samples_[index] += static_cast<float>(value);
    }
}

void Buffer::tone(double at, double freq, double length, double gain, double decay) {
    addPartial(at, length, [&](double t) {
        return gain * std::sin(twoPi * freq * t) * std::exp(-decay * t) * window(t, length);
    });
}

void Buffer::noiseBurst(double at, std::uint64_t seed, double brightness, double length, double gain,
                        double decay) {
    std::uint64_t x = seed;
    double y = 0;
    const double k = (0.9 * brightness - 1) + 1;
    addPartial(at, length, [&](double t) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const double r = static_cast<double>(x % 20001) / 10000 - 1;
        y = y + (r - y) * k;
        return gain * y * std::exp(-decay * t) * window(t, length);
    });
}

void Buffer::click(double at, double freq, double gain) {
    tone(at, freq, 0.03, 0.6 * gain, 160);
    tone(at, 1.52 * freq, 0.02, 0.3 * gain, 220);
    noiseBurst(at, noiseSeed(static_cast<std::uint64_t>(freq)), 0.9, 0.012, 0.4 * gain, 300);
}

void Buffer::marimba(double at, double freq, double gain) {
    tone(at, freq, 0.28, gain, 14);
    tone(at, 3.93 * freq, 0.08, 0.18 * gain, 45);
}

void Buffer::kalimba(double at, double freq, double gain) {
    tone(at, freq, 0.3, gain, 11);
    tone(at, 5.4 * freq, 0.05, 0.2 * gain, 70);
}

void Buffer::square(double at, double freq, double length, double gain) {
    addPartial(at, length, [&](double t) {
        const double level = std::sin(twoPi * freq * t) >= 0 ? gain : -gain;
        return level * window(t, length);
    });
}

void Buffer::triangle(double at, double freq, double length, double gain) {
    addPartial(at, length, [&](double t) {
        const double phase = freq * t - std::trunc(freq * t);
        return gain * (std::abs(phase - 0.5) * 4 - 1) * std::exp(-8 * t) * window(t, length);
    });
}

std::vector<float> Buffer::trimmed() const {
    if (samples_.empty()) {
        return {};
    }
    std::vector<float> faded = samples_;
    if (cutOff_) {
        const std::size_t fade = std::min(cutOffFadeLength, faded.size());
        const std::size_t first = faded.size() - fade;
        for (std::size_t j = 0; j < fade; ++j) {
            const double gain = static_cast<double>(fade - 1 - j) / static_cast<double>(fade);
            faded[first + j] = static_cast<float>(faded[first + j] * gain);
        }
    }
    std::size_t keep = 1;
    for (std::size_t i = faded.size(); i > 0; --i) {
        if (std::abs(static_cast<double>(faded[i - 1])) > 0.0005) {
            keep = i;
            break;
        }
    }
    faded.resize(keep);
    for (auto& sample : faded) {
        sample = std::clamp(sample, -1.0f, 1.0f);
    }
    return faded;
}

std::vector<float> samples(SoundEvent event, TableStyleID style, int variant) {
    CW_PRECONDITION(variant >= 0);
    Buffer buffer;
    switch (style) {
    case TableStyleID::satin:
        renderSatin(buffer, event, variant);
        break;
    case TableStyleID::paper:
        renderPaper(buffer, event, variant);
        break;
    case TableStyleID::pixel:
        renderPixel(buffer, event, variant);
        break;
    }
    return buffer.trimmed();
}

} // namespace SoundSynth
