#pragma once

#include "Persistence/Instant.h"

#include <nlohmann/json_fwd.hpp>

#include <QTimeZone>

#include <compare>
#include <cstdint>
#include <functional>
#include <string>

// A day of the calendar, as the daily refill counts them. No range is checked: a stored month of 13
// stays 13.
struct CalendarDay {
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t day = 0;

    // The day on which the instant falls in the given time zone (midnight there starts a new day).
    static CalendarDay of(Instant instant, const QTimeZone& calendar);

    // "%04d-%02d-%02d": 2026-03-07.
    std::string description() const;

    // Reads the stored text: pieces between dashes, empty pieces dropped, non-numbers skipped, and
    // exactly three numbers left. Throws a DecodingError "bad day <text>" otherwise.
    static CalendarDay fromText(const std::string& text);

    auto operator<=>(const CalendarDay&) const = default;
};

template <> struct std::hash<CalendarDay> { std::size_t operator()(const CalendarDay& day) const noexcept; };

void to_json(nlohmann::json& json, const CalendarDay& day);
void from_json(const nlohmann::json& json, CalendarDay& day);
