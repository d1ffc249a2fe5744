#pragma once

#include "Persistence/Instant.h"
#include "Json/JsonRead.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

// Field-by-field reading for the profile: a key that is absent, null or malformed leaves the field at
// the default it already holds, and the rest of the record is still used. Failures are dropped quietly.
namespace Lenient {

template <class T> std::optional<T> decoded(const nlohmann::json& value) {
    try {
        return value.get<T>();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

template <> inline std::optional<std::int64_t> decoded<std::int64_t>(const nlohmann::json& value) {
    return JsonRead::asInt64(value);
}

template <> inline std::optional<bool> decoded<bool>(const nlohmann::json& value) {
    return JsonRead::asBool(value);
}

template <> inline std::optional<Instant> decoded<Instant>(const nlohmann::json& value) {
    const auto text = JsonRead::asString(value);
    return text ? instantFromIso8601(*text) : std::nullopt;
}

// Overwrites `field` with the key's value when it reads; otherwise leaves it alone.
template <class T> void read(const nlohmann::json& object, const char* key, T& field) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        return;
    }
    if (auto value = decoded<T>(*found)) {
        field = std::move(*value);
    }
}

// As `read`, for an optional field: absent unless the key reads.
template <class T> void read(const nlohmann::json& object, const char* key, std::optional<T>& field) {
    field.reset();
    const auto found = object.find(key);
    if (found != object.end() && !found->is_null()) {
        field = decoded<T>(*found);
    }
}

} // namespace Lenient
