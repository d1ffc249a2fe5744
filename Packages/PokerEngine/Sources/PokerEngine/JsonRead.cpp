#include "PokerEngine/JsonRead.h"

#include <limits>

namespace PokerEngine {

namespace {

std::string typeName(const nlohmann::json& value) {
    return value.type_name();
}

DecodingError mismatch(const char* expected, const nlohmann::json& found) {
    return DecodingError::typeMismatch(std::string("Expected to decode ") + expected + " but found " +
                                       typeName(found) + " instead.");
}

} // namespace

const nlohmann::json& expectObject(const nlohmann::json& value) {
    if (!value.is_object()) {
        throw mismatch("a dictionary", value);
    }
    return value;
}

const nlohmann::json& expectArray(const nlohmann::json& value) {
    if (!value.is_array()) {
        throw mismatch("an array", value);
    }
    return value;
}

const nlohmann::json& jsonField(const nlohmann::json& object, std::string_view key) {
    expectObject(object);
    const auto found = object.find(key);
    if (found == object.end()) {
        throw DecodingError::keyNotFound(std::string(key));
    }
    if (found->is_null()) {
        throw DecodingError(DecodingError::Kind::valueNotFound,
                            "Expected a value for key \"" + std::string(key) + "\" but found null instead.");
    }
    return *found;
}

const nlohmann::json* jsonOptionalField(const nlohmann::json& object, std::string_view key) {
    expectObject(object);
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        return nullptr;
    }
    return &*found;
}

std::int64_t readInt(const nlohmann::json& value) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            throw DecodingError::dataCorrupted("Number " + std::to_string(number) +
                                               " does not fit in Int64.");
        }
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    throw mismatch("an integer", value);
}

std::uint64_t readUnsigned(const nlohmann::json& value) {
    // A parsed document holds non-negative integers as unsigned, but one built in memory from a
    // signed value holds them as signed: both are the same number.
    if (value.is_number_unsigned()) {
        return value.get<std::uint64_t>();
    }
    if (value.is_number_integer()) {
        const auto signedValue = value.get<std::int64_t>();
        if (signedValue >= 0) {
            return static_cast<std::uint64_t>(signedValue);
        }
        throw DecodingError::dataCorrupted("Number " + std::to_string(signedValue) +
                                           " does not fit in UInt64.");
    }
    throw mismatch("an unsigned integer", value);
}

double readDouble(const nlohmann::json& value) {
    if (!value.is_number()) {
        throw mismatch("a number", value);
    }
    return value.get<double>();
}

bool readBool(const nlohmann::json& value) {
    if (!value.is_boolean()) {
        throw mismatch("a Boolean", value);
    }
    return value.get<bool>();
}

std::string readString(const nlohmann::json& value) {
    if (!value.is_string()) {
        throw mismatch("a string", value);
    }
    return value.get<std::string>();
}

std::size_t singleCaseIndex(const nlohmann::json& value, std::initializer_list<std::string_view> caseNames) {
    expectObject(value);
    std::size_t found = caseNames.size();
    std::size_t matches = 0;
    std::size_t index = 0;
    for (const auto name : caseNames) {
        if (value.contains(name)) {
            found = index;
            ++matches;
        }
        ++index;
    }
    if (matches != 1) {
        throw DecodingError::typeMismatch("Invalid number of keys found, expected one.");
    }
    return found;
}

} // namespace PokerEngine
