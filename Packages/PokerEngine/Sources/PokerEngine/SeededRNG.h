#pragma once

#include "PokerEngine/Precondition.h"

#include <nlohmann/json_fwd.hpp>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>

namespace PokerEngine {

// xoshiro256** seeded through SplitMix64: the one source of randomness of the engine and the
// bots. Every constant and step is fixed, because saved games hold the raw state and a seed must
// deal the same cards on every machine. A copy advances independently of the original.
struct SeededRNG {
    std::uint64_t s0 = 0;
    std::uint64_t s1 = 0;
    std::uint64_t s2 = 0;
    std::uint64_t s3 = 0;

    explicit SeededRNG(std::uint64_t seed);
    // An independent generator per purpose from one table seed.
    SeededRNG(std::uint64_t seed, std::uint64_t stream);
    // A raw state, as read back from a saved game; must not be all zero.
    static SeededRNG fromState(std::uint64_t s0, std::uint64_t s1, std::uint64_t s2, std::uint64_t s3);

    // The draws are defined here so that the equity and shuffle loops inline them.
    std::uint64_t next() {
        const std::uint64_t result = std::rotl(s1 * 5, 7) * 9;
        const std::uint64_t t = s1 << 17;
        s2 ^= s0;
        s3 ^= s1;
        s1 ^= s2;
        s0 ^= s3;
        s2 ^= t;
        s3 = std::rotl(s3, 45);
        return result;
    }

    // Uniform in 0 ... n - 1 without bias; n must be at least 1.
    std::int64_t next(std::int64_t below) {
        CW_PRECONDITION(below >= 1);
        __extension__ typedef unsigned __int128 UInt128;
        const auto n = static_cast<std::uint64_t>(below);
        auto product = static_cast<UInt128>(next()) * n;
        auto low = static_cast<std::uint64_t>(product);
        if (low < n) [[unlikely]] {
            const std::uint64_t threshold = (0 - n) % n;
            while (low < threshold) {
                product = static_cast<UInt128>(next()) * n;
                low = static_cast<std::uint64_t>(product);
            }
        }
        return static_cast<std::int64_t>(product >> 64);
    }

    // Uniform in [0, 1) on a grid of 2^-53.
    double nextUnit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    bool operator==(const SeededRNG&) const = default;

    // So generic routines that want a uniform random bit generator can draw from it.
    using result_type = std::uint64_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    result_type operator()() { return next(); }

  private:
    SeededRNG() = default;
};

// The SplitMix64 finaliser.
std::uint64_t splitMix64(std::uint64_t z);

// {"state": ["<hex s0>", ..., "<hex s3>"]}, lower-case hexadecimal without leading zeros.
// Reading requires exactly four valid hexadecimal words, not all zero.
void to_json(nlohmann::json& json, const SeededRNG& rng);
SeededRNG seededRNGFromJson(const nlohmann::json& json);

} // namespace PokerEngine

// A generator has no default value (the all-zero state is a trap), so reading builds one directly.
template <> struct nlohmann::adl_serializer<PokerEngine::SeededRNG> {
    static void to_json(nlohmann::json& json, const PokerEngine::SeededRNG& rng) {
        PokerEngine::to_json(json, rng);
    }
    static PokerEngine::SeededRNG from_json(const nlohmann::json& json) {
        return PokerEngine::seededRNGFromJson(json);
    }
};

template <> struct std::hash<PokerEngine::SeededRNG> {
    std::size_t operator()(const PokerEngine::SeededRNG& rng) const noexcept;
};
