#include "Persistence/CalendarDay.h"

#include "PokerEngine/Hashing.h"
#include "Json/JsonRead.h"

#include <QDateTime>

#include <charconv>
#include <cstdio>
#include <vector>

CalendarDay CalendarDay::of(Instant instant, const QTimeZone& calendar) {
    const auto milliseconds =
        std::chrono::floor<std::chrono::milliseconds>(instant.time_since_epoch()).count();
    const QDate date = QDateTime::fromMSecsSinceEpoch(milliseconds, calendar).date();
    return {date.year(), date.month(), date.day()};
}

std::string CalendarDay::description() const {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", static_cast<long long>(year),
                  static_cast<long long>(month), static_cast<long long>(day));
    return buffer;
}

namespace {

std::optional<std::int64_t> decimal(std::string_view piece) {
    if (!piece.empty() && piece.front() == '+') {
        piece.remove_prefix(1);
        if (!piece.empty() && (piece.front() == '-' || piece.front() == '+')) {
            return std::nullopt;
        }
    }
    std::int64_t value = 0;
    const auto end = piece.data() + piece.size();
    const auto [stop, error] = std::from_chars(piece.data(), end, value);
    if (piece.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

CalendarDay CalendarDay::fromText(const std::string& text) {
    std::vector<std::int64_t> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto dash = text.find('-', start);
        const auto stop = dash == std::string::npos ? text.size() : dash;
        if (stop > start) {
            if (auto number = decimal(std::string_view(text).substr(start, stop - start))) {
                numbers.push_back(*number);
            }
        }
        start = stop + 1;
    }
    if (numbers.size() != 3) {
        throw PokerEngine::DecodingError::dataCorrupted("bad day " + text);
    }
    return {numbers[0], numbers[1], numbers[2]};
}

std::size_t std::hash<CalendarDay>::operator()(const CalendarDay& day) const noexcept {
    std::size_t seed = 0;
    for (auto part : {day.year, day.month, day.day}) {
        PokerEngine::hashCombine(seed, part);
    }
    return seed;
}

void to_json(nlohmann::json& json, const CalendarDay& day) {
    json = day.description();
}

void from_json(const nlohmann::json& json, CalendarDay& day) {
    day = CalendarDay::fromText(PokerEngine::readString(json));
}
