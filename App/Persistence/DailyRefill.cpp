#include "Persistence/DailyRefill.h"

#include "Persistence/SaturatingMath.h"

std::int64_t DailyRefill::apply(Profile& profile, Instant now, const QTimeZone& calendar) {
    const auto today = CalendarDay::of(now, calendar);
    if (profile.lastRefillCheckDay && today <= *profile.lastRefillCheckDay) {
        return 0;
    }
    profile.lastRefillCheckDay = today;
    if (profile.bankroll >= floor) {
        return 0;
    }
    const auto amount = Saturating::subtract(floor, profile.bankroll);
    profile.bankroll = floor;
    profile.lastRefillDate = now;
    return amount;
}
