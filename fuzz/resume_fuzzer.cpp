// libFuzzer target: every input is resumed as "savedgame.json" and played on. Built only by
// scripts/fuzz, with clang's -fsanitize=fuzzer,address.
#include "ResumeProbe.h"
#include "SaveMutator.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <string>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResumeProbe::resumeAndPlay(std::string_view(reinterpret_cast<const char*>(data), size), 40);
    return 0;
}

// Mostly the save-aware mutations the tests also run; now and then libFuzzer's own byte-level ones.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
    if (seed % 8 == 0) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    const std::string mutated = mutateSave(std::string(reinterpret_cast<const char*>(data), size), seed);
    if (mutated.size() > maxSize) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    std::memcpy(data, mutated.data(), mutated.size());
    return mutated.size();
}
