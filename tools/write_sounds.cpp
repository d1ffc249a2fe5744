// Writes every synthesized table sound, in every style and variant, as a WAV file (mono, 44.1 kHz,
// 32-bit float), so they can be listened to and measured. Prints each file's length and peak.
//
//   write_sounds [folder]     (default: ./sounds)

#include "Sound/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void putU32(std::ofstream& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xff), static_cast<char>((value >> 8) & 0xff),
                           static_cast<char>((value >> 16) & 0xff), static_cast<char>((value >> 24) & 0xff)};
    out.write(bytes, 4);
}

void putU16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xff), static_cast<char>((value >> 8) & 0xff)};
    out.write(bytes, 2);
}

bool writeFloatWav(const std::filesystem::path& path, const std::vector<float>& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        return false;
    }
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(float));
    out.write("RIFF", 4);
    putU32(out, 4 + (8 + 18) + (8 + 4) + (8 + dataBytes));
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putU32(out, 18);
    putU16(out, 3); // IEEE float
    putU16(out, 1);
    putU32(out, SoundSynth::sampleRate);
    putU32(out, SoundSynth::sampleRate * sizeof(float));
    putU16(out, sizeof(float));
    putU16(out, 32);
    putU16(out, 0);
    out.write("fact", 4);
    putU32(out, 4);
    putU32(out, static_cast<std::uint32_t>(samples.size()));
    out.write("data", 4);
    putU32(out, dataBytes);
    for (float sample : samples) {
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof sample);
        std::memcpy(&bits, &sample, sizeof bits);
        putU32(out, bits);
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "sounds";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "couldn't create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    std::printf("%-32s %8s %9s %8s\n", "file", "samples", "ms", "peak");
    for (auto style : allTableStyleIDs) {
        for (auto event : allSoundEvents) {
            for (int variant = 0; variant < SoundSynth::variantCount(event); ++variant) {
                const auto samples = SoundSynth::samples(event, style, variant);
                const std::string name = std::string(toString(style)) + "." + std::string(toString(event)) +
                                         "." + std::to_string(variant) + ".wav";
                if (!writeFloatWav(folder / name, samples)) {
                    std::fprintf(stderr, "couldn't write %s\n", (folder / name).c_str());
                    return 1;
                }
                float peak = 0;
                for (float sample : samples) {
                    peak = std::max(peak, std::abs(sample));
                }
                std::printf("%-32s %8zu %9.1f %8.4f\n", name.c_str(), samples.size(),
                            1000.0 * static_cast<double>(samples.size()) / SoundSynth::sampleRate,
                            static_cast<double>(peak));
            }
        }
    }
    return 0;
}
