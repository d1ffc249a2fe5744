#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// A moment in time, as the profile and the saved game record it.
using Instant = std::chrono::system_clock::time_point;

// The stored form of an instant: UTC, whole seconds, "Z", e.g. 2026-03-14T09:30:05Z. The fraction of a
// second is dropped (rounded towards the past).
std::string iso8601(Instant instant);

// Reads an internet date-time with whole seconds and a "Z" or "+hh:mm"/"-hh:mm" zone; absent for
// anything else, including impossible dates such as February 30 and dates outside the years an
// Instant can hold (1677 to 2262).
std::optional<Instant> instantFromIso8601(std::string_view text);

// The compact UTC timestamp of quarantined file names: 2026-03-14T093005.
std::string compactTimestamp(Instant instant);
