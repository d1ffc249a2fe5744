#include "PokerEngine/Uuid.h"

#include "PokerEngine/Hashing.h"

#include <random>

namespace PokerEngine {

namespace {

constexpr std::array<std::size_t, 4> hyphenPositions{8, 13, 18, 23};
constexpr std::size_t textLength = 36;

bool isHyphenPosition(std::size_t position) {
    for (const auto hyphen : hyphenPositions) {
        if (hyphen == position) {
            return true;
        }
    }
    return false;
}

std::optional<std::uint8_t> hexDigit(char character) {
    if (character >= '0' && character <= '9') {
        return static_cast<std::uint8_t>(character - '0');
    }
    if (character >= 'a' && character <= 'f') {
        return static_cast<std::uint8_t>(character - 'a' + 10);
    }
    if (character >= 'A' && character <= 'F') {
        return static_cast<std::uint8_t>(character - 'A' + 10);
    }
    return std::nullopt;
}

} // namespace

Uuid Uuid::random() {
    // Identifiers only need to be unique, not reproducible, so they come from the system's
    // entropy source rather than from a table's generator.
    std::random_device device;
    Uuid uuid;
    for (std::size_t i = 0; i < uuid.bytes.size(); i += 4) {
        const auto word = device();
        for (std::size_t j = 0; j < 4; ++j) {
            uuid.bytes[i + j] = static_cast<std::uint8_t>(word >> (8 * j));
        }
    }
    uuid.bytes[6] = static_cast<std::uint8_t>((uuid.bytes[6] & 0x0F) | 0x40);
    uuid.bytes[8] = static_cast<std::uint8_t>((uuid.bytes[8] & 0x3F) | 0x80);
    return uuid;
}

std::optional<Uuid> Uuid::fromString(std::string_view text) {
    if (text.size() != textLength) {
        return std::nullopt;
    }
    Uuid uuid;
    std::size_t nibble = 0;
    for (std::size_t position = 0; position < textLength; ++position) {
        if (isHyphenPosition(position)) {
            if (text[position] != '-') {
                return std::nullopt;
            }
            continue;
        }
        const auto digit = hexDigit(text[position]);
        if (!digit) {
            return std::nullopt;
        }
        auto& byte = uuid.bytes[nibble / 2];
        byte = static_cast<std::uint8_t>(nibble % 2 == 0 ? *digit << 4 : byte | *digit);
        ++nibble;
    }
    return uuid;
}

std::string Uuid::toString() const {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(textLength);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (isHyphenPosition(text.size())) {
            text.push_back('-');
        }
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0x0F]);
    }
    return text;
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::Uuid>::operator()(const PokerEngine::Uuid& uuid) const noexcept {
    std::size_t seed = 0;
    for (const auto byte : uuid.bytes) {
        PokerEngine::hashCombine(seed, byte);
    }
    return seed;
}
