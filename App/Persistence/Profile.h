#pragma once

#include "Persistence/AppSettings.h"
#include "Persistence/BookedHand.h"
#include "Persistence/CalendarDay.h"
#include "Persistence/Instant.h"
#include "Persistence/LifetimeCounters.h"
#include "Persistence/NewGameChoices.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <string>

// The player's persistent record. A default profile is a new player's.
struct Profile {
    static constexpr std::int64_t currentSchemaVersion = 1;
    static constexpr std::int64_t startingBankroll = 10000;

    std::int64_t schemaVersion = currentSchemaVersion;
    // Play chips, those at a table in progress included.
    std::int64_t bankroll = startingBankroll;
    std::optional<Instant> lastRefillDate;
    std::optional<CalendarDay> lastRefillCheckDay;
    bool onboarded = false;
    AppSettings settings;
    LifetimeCounters counters;
    NewGameChoices choices;
    bool practiceRowDismissed = false;
    // The last finished hand booked, so a hand settled again after a stop is not booked twice, and a
    // save of a hand booked already is not played again; absent before the first.
    std::optional<BookedHand> lastBooked;

    bool operator==(const Profile&) const = default;
};

void to_json(nlohmann::json& json, const Profile& profile);
// Lenient: only an integer "schemaVersion" and "bankroll" are required (a DecodingError otherwise);
// every other part falls back to its default on its own.
void from_json(const nlohmann::json& json, Profile& profile);
