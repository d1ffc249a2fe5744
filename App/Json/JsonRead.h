#pragma once

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The app's additions to the engine's strict JSON readers: the forms that give absent instead of
// failing, for records that fall back to defaults, and enumerations stored as their raw values.
namespace JsonRead {

std::optional<std::int64_t> asInt64(const nlohmann::json& value);
std::optional<bool> asBool(const nlohmann::json& value);
std::optional<std::string> asString(const nlohmann::json& value);

// "Cannot initialize GameMode from invalid String value chess"
PokerEngine::DecodingError invalidRawValue(std::string_view typeName, std::string_view rawType,
                                           std::string_view rawValue);

// Reads an enumeration stored as its text raw value; `parse` gives absent for text that names no case.
template <class Enum, class Parse>
Enum enumFromText(const nlohmann::json& value, std::string_view typeName, Parse parse) {
    const auto text = PokerEngine::readString(value);
    if (auto parsed = parse(text)) {
        return *parsed;
    }
    throw invalidRawValue(typeName, "String", text);
}

} // namespace JsonRead
