#pragma once

#include "Persistence/Profile.h"
#include "Persistence/SessionEvent.h"

// Books results of play into the bankroll and the lifetime counters. Practice books nothing; a
// Sit & Go's chips are not bankroll chips until the table ends.
namespace Ledger {

void apply(const SessionEvent& event, Profile& profile);

} // namespace Ledger
