#include "Persistence/LifetimeCounters.h"

#include "Persistence/Lenient.h"

void to_json(nlohmann::json& json, const LifetimeCounters& counters) {
    json = {{"handsPlayed", counters.handsPlayed},
            {"quickHandsPlayed", counters.quickHandsPlayed},
            {"sitAndGosPlayed", counters.sitAndGosPlayed},
            {"sitAndGoFirsts", counters.sitAndGoFirsts},
            {"sitAndGoSeconds", counters.sitAndGoSeconds}};
}

void from_json(const nlohmann::json& json, LifetimeCounters& counters) {
    LifetimeCounters read;
    if (json.is_object()) {
        Lenient::read(json, "handsPlayed", read.handsPlayed);
        Lenient::read(json, "quickHandsPlayed", read.quickHandsPlayed);
        Lenient::read(json, "sitAndGosPlayed", read.sitAndGosPlayed);
        Lenient::read(json, "sitAndGoFirsts", read.sitAndGoFirsts);
        Lenient::read(json, "sitAndGoSeconds", read.sitAndGoSeconds);
    }
    counters = read;
}
