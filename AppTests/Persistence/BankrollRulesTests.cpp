#include "Persistence/DailyRefill.h"
#include "Persistence/Ledger.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

Profile bookedAfter(std::initializer_list<SessionEvent> events, std::int64_t bankroll = 10000) {
    Profile profile;
    profile.bankroll = bankroll;
    for (const auto& event : events) {
        Ledger::apply(event, profile);
    }
    return profile;
}

Instant at(int year, int month, int day, int hour, int minute = 0) {
    using namespace std::chrono;
    return sys_days(std::chrono::year(year) / month / day) + hours(hour) + minutes(minute);
}

const QTimeZone utc = QTimeZone::utc();

} // namespace

TEST(Ledger, PracticeBooksNothing) {
    EXPECT_EQ(bookedAfter({SessionEvent::handFinished(GameMode::practice, 500),
                           SessionEvent::tableFinished(GameMode::practice, -500, 1)}),
              Profile());
}

TEST(Ledger, HandsBookChipsExceptInSitAndGo) {
    const auto quick = bookedAfter({SessionEvent::handFinished(GameMode::quickHand, 40)});
    EXPECT_EQ(quick.bankroll, 10040);
    EXPECT_EQ(quick.counters, (LifetimeCounters{1, 1, 0, 0, 0}));

    const auto cash = bookedAfter({SessionEvent::handFinished(GameMode::cashTable, -120)});
    EXPECT_EQ(cash.bankroll, 9880);
    EXPECT_EQ(cash.counters, (LifetimeCounters{1, 0, 0, 0, 0}));

    const auto tournament = bookedAfter({SessionEvent::handFinished(GameMode::sitAndGo, 900)});
    EXPECT_EQ(tournament.bankroll, 10000);
    EXPECT_EQ(tournament.counters, (LifetimeCounters{1, 0, 0, 0, 0}));
}

TEST(Ledger, TableEndsBookNetAndSitAndGoPlaces) {
    struct Case {
        std::optional<std::int64_t> place;
        std::int64_t net;
        LifetimeCounters counters;
    };
    for (const auto& [place, net, counters] :
         {Case{1, 1450, {0, 0, 1, 1, 0}}, Case{2, 550, {0, 0, 1, 0, 1}}, Case{3, -500, {0, 0, 1, 0, 0}},
          Case{6, -500, {0, 0, 1, 0, 0}}, Case{std::nullopt, -500, {0, 0, 1, 0, 0}}}) {
        const auto profile = bookedAfter({SessionEvent::tableFinished(GameMode::sitAndGo, net, place)});
        EXPECT_EQ(profile.bankroll, 10000 + net);
        EXPECT_EQ(profile.counters, counters) << place.value_or(0);
    }
    EXPECT_EQ(bookedAfter({SessionEvent::tableFinished(GameMode::quickHand, 0, std::nullopt)}), Profile());
    const auto leftCash = bookedAfter({SessionEvent::tableFinished(GameMode::cashTable, -120, std::nullopt)});
    EXPECT_EQ(leftCash.bankroll, 9880);
    EXPECT_EQ(leftCash.counters, LifetimeCounters());
}

TEST(Ledger, BookingsStopAtTheEndsOfTheRange) {
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    constexpr auto least = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(bookedAfter({SessionEvent::handFinished(GameMode::cashTable, 10)}, most - 5).bankroll, most);
    EXPECT_EQ(bookedAfter({SessionEvent::tableFinished(GameMode::cashTable, -10, std::nullopt)}, least + 5)
                  .bankroll,
              least);
    Profile profile;
    profile.counters.handsPlayed = most;
    Ledger::apply(SessionEvent::handFinished(GameMode::sitAndGo, 0), profile);
    EXPECT_EQ(profile.counters.handsPlayed, most);
}

TEST(DailyRefill, TopsUpOncePerCalendarDay) {
    Profile profile;
    profile.bankroll = 800;
    const auto morning = at(2026, 3, 7, 9);
    EXPECT_EQ(DailyRefill::apply(profile, morning, utc), 1200);
    EXPECT_EQ(profile.bankroll, 2000);
    EXPECT_EQ(profile.lastRefillDate, morning);
    EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 7}));

    profile.bankroll = 100;
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 7, 23, 59), utc), 0);
    EXPECT_EQ(profile.bankroll, 100);

    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 8, 0, 0), utc), 1900);
    EXPECT_EQ(profile.bankroll, 2000);
    EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 8}));
}

TEST(DailyRefill, ExactlyTheFloorAddsNothingButRecordsTheDay) {
    for (const auto& [bankroll, added] :
         {std::pair{2000, 0}, std::pair{1999, 1}, std::pair{-300, 2300}, std::pair{5000, 0}}) {
        Profile profile;
        profile.bankroll = bankroll;
        EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 7, 12), utc), added) << bankroll;
        EXPECT_EQ(profile.bankroll, std::max<std::int64_t>(bankroll, 2000));
        EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
        EXPECT_EQ(profile.lastRefillDate.has_value(), added > 0);
    }
}

TEST(DailyRefill, SettingTheClockBackGivesNoSecondRefill) {
    Profile profile;
    profile.bankroll = 100;
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 7, 9), utc), 1900);
    profile.bankroll = 100;
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 6, 9), utc), 0);
    EXPECT_EQ(DailyRefill::apply(profile, at(2025, 12, 31, 9), utc), 0);
    EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
    EXPECT_EQ(profile.bankroll, 100);
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 8, 9), utc), 1900);
}

TEST(DailyRefill, MidnightOfTheCalendarsZoneStartsTheDay) {
    Profile profile;
    profile.bankroll = 0;
    const QTimeZone berlinWinter(3600);
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 6, 22, 30), berlinWinter), 2000);
    EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 6}));
    profile.bankroll = 0;
    // 23:30 UTC is already the 7th an hour east of Greenwich.
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 6, 23, 30), berlinWinter), 2000);
    EXPECT_EQ(profile.lastRefillCheckDay, (CalendarDay{2026, 3, 7}));
}

TEST(DailyRefill, AHugeDebtIsLiftedWithoutWrapping) {
    Profile profile;
    profile.bankroll = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(DailyRefill::apply(profile, at(2026, 3, 7, 9), utc), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(profile.bankroll, 2000);
}
