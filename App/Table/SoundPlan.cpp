#include "Table/SoundPlan.h"

#include <algorithm>

namespace SoundPlan {

namespace {
// A board card is heard landing face up a moment after it is dealt.
constexpr double flipAfterDeal = 0.2;
} // namespace

std::vector<TimedSound> sounds(const std::vector<TimedCue>& cues, std::optional<std::int64_t> heroSeat,
                               bool heroTurnBegan) {
    std::vector<TimedSound> result;
    bool heardHeroWin = false;
    for (const auto& timed : cues) {
        const auto& cue = timed.cue;
        const double at = timed.delay;
        if (cue.is<MotionCue::DealHole>()) {
            result.push_back({SoundEvent::cardDeal, at});
        } else if (cue.is<MotionCue::DealBoard>()) {
            result.push_back({SoundEvent::cardDeal, at});
            result.push_back({SoundEvent::cardFlip, at + flipAfterDeal});
        } else if (const auto* bet = cue.as<MotionCue::BetIn>(); bet && !bet->isBlind) {
            result.push_back({SoundEvent::chipBet, at});
        } else if (cue.is<MotionCue::Check>()) {
            result.push_back({SoundEvent::checkKnock, at});
        } else if (cue.is<MotionCue::Reveal>()) {
            result.push_back({SoundEvent::cardFlip, at});
        } else if (cue.is<MotionCue::Collect>()) {
            result.push_back({SoundEvent::chipCollect, at});
        } else if (const auto* award = cue.as<MotionCue::Award>();
                   award && heroSeat && award->seat == *heroSeat && !heardHeroWin) {
            // Only the player's first award of the batch is celebrated.
            heardHeroWin = true;
            result.push_back({SoundEvent::chipWin, at});
            result.push_back({SoundEvent::winChime, timed.end()});
        }
    }
    if (heroTurnBegan) {
        double latestEnd = 0;
        for (const auto& timed : cues) {
            latestEnd = std::max(latestEnd, timed.end());
        }
        result.push_back({SoundEvent::turnChime, latestEnd});
    }
    return result;
}

} // namespace SoundPlan
