#include "PokerEngine/SeededRNG.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Precondition.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace PokerEngine {

namespace {

constexpr std::uint64_t golden = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t streamMultiplier = 0xD1B54A32D192ED03ULL;

std::string hexWord(std::uint64_t word) {
    char buffer[17];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, word, 16);
    return {buffer, result.ptr};
}

// Base 16, either case, an optional sign (a minus only for zero), nothing else; absent otherwise.
std::optional<std::uint64_t> parseHexWord(const std::string& text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (negative && value != 0) {
        return std::nullopt;
    }
    return value;
}

DecodingError badState() {
    return DecodingError::dataCorrupted("Expected 4 non-zero hex words");
}

} // namespace

std::uint64_t splitMix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

SeededRNG::SeededRNG(std::uint64_t seed)
    : s0(splitMix64(seed + golden))
    , s1(splitMix64(seed + 2 * golden))
    , s2(splitMix64(seed + 3 * golden))
    , s3(splitMix64(seed + 4 * golden)) {}

SeededRNG::SeededRNG(std::uint64_t seed, std::uint64_t stream)
    : SeededRNG(splitMix64(((stream * streamMultiplier) ^ seed) + golden)) {}

SeededRNG SeededRNG::fromState(std::uint64_t s0, std::uint64_t s1, std::uint64_t s2, std::uint64_t s3) {
    // xoshiro would return zeros for ever from the all-zero state.
    CW_PRECONDITION((s0 | s1 | s2 | s3) != 0);
    SeededRNG rng;
    rng.s0 = s0;
    rng.s1 = s1;
    rng.s2 = s2;
    rng.s3 = s3;
    return rng;
}

void to_json(nlohmann::json& json, const SeededRNG& rng) {
    json = nlohmann::json{{"state", {hexWord(rng.s0), hexWord(rng.s1), hexWord(rng.s2), hexWord(rng.s3)}}};
}

SeededRNG seededRNGFromJson(const nlohmann::json& json) {
    const auto& state = expectArray(jsonField(json, "state"));
    std::vector<std::uint64_t> words;
    for (const auto& element : state) {
        // A word that does not parse is an error, never silently dropped: dropping it could
        // shift the remaining words into the wrong places and still yield a "valid" state.
        const auto word = parseHexWord(readString(element));
        if (!word) {
            throw badState();
        }
        words.push_back(*word);
    }
    if (words.size() != 4 || (words[0] | words[1] | words[2] | words[3]) == 0) {
        throw badState();
    }
    return SeededRNG::fromState(words[0], words[1], words[2], words[3]);
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::SeededRNG>::operator()(const PokerEngine::SeededRNG& rng) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, rng.s0);
    PokerEngine::hashCombine(seed, rng.s1);
    PokerEngine::hashCombine(seed, rng.s2);
    PokerEngine::hashCombine(seed, rng.s3);
    return seed;
}
