#pragma once

#include "Persistence/Instant.h"
#include "Persistence/Profile.h"

#include <QTimeZone>

#include <cstdint>

// Tops a low bankroll back up once per calendar day.
namespace DailyRefill {

inline constexpr std::int64_t floor = 2000;

// Runs the day's check: on a calendar day later than the last check day (or with none recorded) it
// records today and lifts a bankroll under 2,000 to 2,000. Returns the chips added. A clock set back
// to an earlier day changes nothing, so it never gives a second refill.
std::int64_t apply(Profile& profile, Instant now, const QTimeZone& calendar);

} // namespace DailyRefill
