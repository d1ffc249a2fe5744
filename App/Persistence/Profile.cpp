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
    // The ending stays under the key older versions read, so a profile taken back to one of them
    // still books each finished hand once.
    if (profile.lastBooked) {
        json["lastBookedHand"] = profile.lastBooked->ending;
        if (!profile.lastBooked->table.empty()) {
            json["lastBookedTable"] = {{"id", profile.lastBooked->table},
                                       {"hand", profile.lastBooked->hand},
                                       {"ended", profile.lastBooked->endedTable}};
        }
    }
}

namespace {

// Absent unless some of it reads; the table's part only as a whole.
std::optional<BookedHand> readLastBooked(const nlohmann::json& json) {
    std::optional<std::string> ending;
    Lenient::read(json, "lastBookedHand", ending);
    BookedHand booked{ending.value_or(std::string()), {}, 0, false};
    const auto table = json.find("lastBookedTable");
    if (table != json.end() && table->is_object()) {
        const auto id = JsonRead::asString(table->value("id", nlohmann::json()));
        const auto hand = JsonRead::asInt64(table->value("hand", nlohmann::json()));
        const auto ended = JsonRead::asBool(table->value("ended", nlohmann::json()));
        if (id && !id->empty() && hand && ended) {
            booked.table = *id;
            booked.hand = *hand;
            booked.endedTable = *ended;
        }
    }
    if (!ending && booked.table.empty()) {
        return std::nullopt;
    }
    return booked;
}

} // namespace

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
    read.lastBooked = readLastBooked(json);
    profile = read;
}
