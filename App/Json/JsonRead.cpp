#include "Json/JsonRead.h"

namespace JsonRead {

namespace {

template <class Read> auto orAbsent(Read read) -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const PokerEngine::DecodingError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::int64_t> asInt64(const nlohmann::json& value) {
    return orAbsent([&] { return PokerEngine::readInt(value); });
}

std::optional<bool> asBool(const nlohmann::json& value) {
    return orAbsent([&] { return PokerEngine::readBool(value); });
}

std::optional<std::string> asString(const nlohmann::json& value) {
    return orAbsent([&] { return PokerEngine::readString(value); });
}

PokerEngine::DecodingError invalidRawValue(std::string_view typeName, std::string_view rawType,
                                           std::string_view rawValue) {
    return PokerEngine::DecodingError::dataCorrupted("Cannot initialize " + std::string(typeName) +
                                                     " from invalid " + std::string(rawType) + " value " +
                                                     std::string(rawValue));
}

} // namespace JsonRead
