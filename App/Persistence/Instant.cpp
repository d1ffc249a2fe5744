#include "Persistence/Instant.h"

#include <cstdio>

namespace {

using namespace std::chrono;

struct Parts {
    int year;
    unsigned month, day;
    long hours, minutes, seconds;
};

Parts utcParts(Instant instant) {
    const auto secondsSinceEpoch = floor<seconds>(instant);
    const auto day = floor<days>(secondsSinceEpoch);
    const year_month_day date{day};
    const hh_mm_ss time{secondsSinceEpoch - day};
    return {int(date.year()),           unsigned(date.month()),       unsigned(date.day()),
            long(time.hours().count()), long(time.minutes().count()), long(time.seconds().count())};
}

std::optional<int> digits(std::string_view text, std::size_t offset, std::size_t count) {
    if (offset + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = offset; i < offset + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool hasAt(std::string_view text, std::size_t offset, char expected) {
    return offset < text.size() && text[offset] == expected;
}

std::string formatted(Instant instant, const char* format) {
    const auto p = utcParts(instant);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, p.year, p.month, p.day, p.hours, p.minutes, p.seconds);
    return buffer;
}

} // namespace

std::string iso8601(Instant instant) {
    return formatted(instant, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ");
}

std::string compactTimestamp(Instant instant) {
    return formatted(instant, "%04d-%02u-%02uT%02ld%02ld%02ld");
}

std::optional<Instant> instantFromIso8601(std::string_view text) {
    // yyyy-mm-ddThh:mm:ss followed by the zone
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || !hasAt(text, 4, '-') ||
        !hasAt(text, 7, '-') || !hasAt(text, 10, 'T') || !hasAt(text, 13, ':') || !hasAt(text, 16, ':')) {
        return std::nullopt;
    }
    const year_month_day date{std::chrono::year(*year), std::chrono::month(unsigned(*month)),
                              std::chrono::day(unsigned(*day))};
    if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    const auto zone = text.substr(19);
    minutes offset{0};
    if (zone != "Z") {
        const auto zoneHours = digits(zone, 1, 2);
        const auto zoneMinutes = digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !zoneHours ||
            !zoneMinutes || *zoneHours > 23 || *zoneMinutes > 59) {
            return std::nullopt;
        }
        offset = hours(*zoneHours) + minutes(*zoneMinutes);
        if (zone[0] == '-') {
            offset = -offset;
        }
    }
    const auto since =
        sys_days(date).time_since_epoch() + hours(*hour) + minutes(*minute) + seconds(*second) - offset;
    // An instant counts nanoseconds in 64 bits, so it spans only the years 1677 to 2262; converting a
    // date outside them would overflow.
    if (since < floor<seconds>(Instant::min().time_since_epoch()) + seconds(1) ||
        since > floor<seconds>(Instant::max().time_since_epoch())) {
        return std::nullopt;
    }
    return Instant(since);
}
