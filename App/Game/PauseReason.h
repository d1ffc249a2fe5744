#pragma once

#include <set>

// Why the table is stopped; the loop runs only while no reason is set.
enum class PauseReason {
    user,     // the player paused
    hidden,   // neither the popover nor the window shows the table
    guide,    // the rules guide is open over the table
    practice, // the practice narration waits for the player
};

using PauseReasons = std::set<PauseReason>;
