#pragma once

#include "PokerEngine/DecodingError.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Strict readers for the engine's JSON records: a missing required key, a value of the wrong
// JSON type or a number out of range fails with a DecodingError instead of being coerced.
namespace PokerEngine {

const nlohmann::json& expectObject(const nlohmann::json& value);
const nlohmann::json& expectArray(const nlohmann::json& value);

// The value under a required key of an object.
const nlohmann::json& jsonField(const nlohmann::json& object, std::string_view key);
// The value under an optional key, or nullptr when the key is missing or holds null.
const nlohmann::json* jsonOptionalField(const nlohmann::json& object, std::string_view key);

std::int64_t readInt(const nlohmann::json& value);
std::uint64_t readUnsigned(const nlohmann::json& value);
// Any JSON number, integer or not.
double readDouble(const nlohmann::json& value);
bool readBool(const nlohmann::json& value);
std::string readString(const nlohmann::json& value);

inline std::int64_t readInt(const nlohmann::json& object, std::string_view key) {
    return readInt(jsonField(object, key));
}
inline bool readBool(const nlohmann::json& object, std::string_view key) {
    return readBool(jsonField(object, key));
}

// Tagged unions are written as an object with exactly one key naming the case. Returns the
// index in `caseNames` of the one key that names a case; other keys are ignored. Fails with
// "Invalid number of keys found, expected one." unless exactly one key names a case.
std::size_t singleCaseIndex(const nlohmann::json& value, std::initializer_list<std::string_view> caseNames);

} // namespace PokerEngine
