#include "Persistence/Ledger.h"

#include "Persistence/SaturatingMath.h"

namespace {

void count(std::int64_t& counter) {
    counter = Saturating::add(counter, 1);
}

void book(const SessionEvent::HandFinished& hand, Profile& profile) {
    if (hand.mode == GameMode::practice) {
        return;
    }
    count(profile.counters.handsPlayed);
    if (hand.mode == GameMode::sitAndGo) {
        return;
    }
    if (hand.mode == GameMode::quickHand) {
        count(profile.counters.quickHandsPlayed);
    }
    profile.bankroll = Saturating::add(profile.bankroll, hand.net);
}

void book(const SessionEvent::TableFinished& table, Profile& profile) {
    if (table.mode == GameMode::practice) {
        return;
    }
    profile.bankroll = Saturating::add(profile.bankroll, table.net);
    if (table.mode != GameMode::sitAndGo) {
        return;
    }
    count(profile.counters.sitAndGosPlayed);
    if (table.place == 1) {
        count(profile.counters.sitAndGoFirsts);
    } else if (table.place == 2) {
        count(profile.counters.sitAndGoSeconds);
    }
}

} // namespace

void Ledger::apply(const SessionEvent& event, Profile& profile) {
    std::visit([&profile](const auto& entry) { book(entry, profile); }, event.value());
}
