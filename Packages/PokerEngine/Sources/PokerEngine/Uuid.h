#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace PokerEngine {

// A 128-bit universally unique identifier in its standard text form
// (8-4-4-4-12 hexadecimal digits), written upper case and read in either case.
struct Uuid {
    std::array<std::uint8_t, 16> bytes{};

    // A fresh random (version 4) identifier from the system's entropy source.
    static Uuid random();
    static std::optional<Uuid> fromString(std::string_view text);
    std::string toString() const;

    auto operator<=>(const Uuid&) const = default;
};

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::Uuid> {
    std::size_t operator()(const PokerEngine::Uuid& uuid) const noexcept;
};
