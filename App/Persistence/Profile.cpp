#include "Persistence/Profile.h"

#include "Persistence/Lenient.h"

void to_json(nlohmann::json& json, const Profile& profile) {
    json = {{"schemaVersion", profile.schemaVersion},
            {"bankroll", profile.bankroll},
            {"onboarded", profile.onboarded},
            {"settings", profile.settings},
            {"counters", profile.counters},
            {"choices", profile.choices},
            {"practiceRowDismissed", profile.practiceRowDismissed}};
    if (profile.lastRefillDate) {
        json["lastRefillDate"] = iso8601(*profile.lastRefillDate);
    }
    if (profile.lastRefillCheckDay) {
        json["lastRefillCheckDay"] = *profile.lastRefillCheckDay;
    }
    if (profile.lastBookedHand) {
        json["lastBookedHand"] = *profile.lastBookedHand;
    }
}

void from_json(const nlohmann::json& json, Profile& profile) {
    Profile read;
    read.schemaVersion = PokerEngine::readInt(PokerEngine::jsonField(json, "schemaVersion"));
    read.bankroll = PokerEngine::readInt(PokerEngine::jsonField(json, "bankroll"));
    Lenient::read(json, "lastRefillDate", read.lastRefillDate);
    Lenient::read(json, "lastRefillCheckDay", read.lastRefillCheckDay);
    Lenient::read(json, "onboarded", read.onboarded);
    // The nested records read key by key themselves, so a present value always gives a record.
    Lenient::read(json, "settings", read.settings);
    Lenient::read(json, "counters", read.counters);
    Lenient::read(json, "choices", read.choices);
    Lenient::read(json, "practiceRowDismissed", read.practiceRowDismissed);
    Lenient::read(json, "lastBookedHand", read.lastBookedHand);
    profile = read;
}
