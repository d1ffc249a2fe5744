#pragma once

#include "Sound/SoundEvent.h"
#include "Table/MotionCue.h"

#include <cstdint>
#include <optional>
#include <vector>

// A sound and when it starts, in seconds on the same clock as the cues.
struct TimedSound {
    SoundEvent sound = SoundEvent::cardDeal;
    double delay = 0;
    bool operator==(const TimedSound&) const = default;
};

// Which sounds go with a batch of cues, and when.
namespace SoundPlan {

// `heroSeat`: the player's seat, absent for a spectator. `heroTurnBegan`: this batch is the moment
// the player's turn begins, which ends with the turn chime once everything has moved.
std::vector<TimedSound> sounds(const std::vector<TimedCue>& cues, std::optional<std::int64_t> heroSeat,
                               bool heroTurnBegan);

} // namespace SoundPlan
