#pragma once

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Enumerations stored as their case names: one table of names in declaration order serves
// the text form, parsing (exact, case-sensitive) and the JSON form.
namespace PokerEngine {

template <class Enum, std::size_t N> struct EnumNames {
    std::string_view typeName;
    std::array<std::string_view, N> names;

    std::string_view toString(Enum value) const { return names[static_cast<std::size_t>(value)]; }

    std::optional<Enum> fromString(std::string_view text) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (names[i] == text) {
                return static_cast<Enum>(i);
            }
        }
        return std::nullopt;
    }

    Enum fromJson(const nlohmann::json& json) const {
        const auto text = readString(json);
        const auto value = fromString(text);
        if (!value) {
            throw DecodingError::dataCorrupted("Cannot initialize " + std::string(typeName) +
                                               " from invalid String value " + text);
        }
        return *value;
    }
};

} // namespace PokerEngine
