#include "Table/MotionCue.h"

#include "PokerEngine/Hashing.h"

namespace {

template <class... Fields> std::size_t hashOf(std::size_t kind, const Fields&... fields) {
    std::size_t seed = kind;
    (PokerEngine::hashCombine(seed, fields), ...);
    return seed;
}

} // namespace

std::size_t std::hash<MotionCue>::operator()(const MotionCue& cue) const noexcept {
    const std::size_t kind = cue.payload().index();
    return std::visit(
        [kind](const auto& c) -> std::size_t {
            using Case = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<Case, MotionCue::DealHole>) {
                return hashOf(kind, c.seat, c.card);
            } else if constexpr (std::is_same_v<Case, MotionCue::DealBoard>) {
                return hashOf(kind, c.index);
            } else if constexpr (std::is_same_v<Case, MotionCue::BetIn>) {
                return hashOf(kind, c.seat, c.isBlind);
            } else if constexpr (std::is_same_v<Case, MotionCue::Award>) {
                return hashOf(kind, c.pot, c.seat, c.amount);
            } else if constexpr (std::is_same_v<Case, MotionCue::Collect> ||
                                 std::is_same_v<Case, MotionCue::ClearTable>) {
                return hashOf(kind);
            } else {
                return hashOf(kind, c.seat);
            }
        },
        cue.payload());
}

std::size_t std::hash<TimedCue>::operator()(const TimedCue& timed) const noexcept {
    std::size_t seed = std::hash<MotionCue>{}(timed.cue);
    PokerEngine::hashCombine(seed, timed.delay);
    PokerEngine::hashCombine(seed, timed.duration);
    return seed;
}
