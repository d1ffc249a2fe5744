#include "Views/Controls/SeatPresence.h"

#include "Style/MotionStyle.h"

void SeatPresence::update(const std::vector<BotKit::BotProfile>& players, double now, bool reduceMotion) {
    const AnimationCurve curve =
        !seated_ ? AnimationCurve::linear(0)
                 : (reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::spring(0.32, 0.86));
    for (std::size_t seat = 0; seat < seats; ++seat) {
        const double target = seat < players.size() ? 1 : 0;
        Transition& presence = seats_[seat];
        if (seated_ && presence.to == target)
            continue;
        presence = Transition{curve, now, seated_ ? presence.value(now) : target, target};
    }
    // A seat that is leaving keeps the player it had; every other seat shows its player now.
    drawn_.resize(std::max(players.size(), std::min(drawn_.size(), seats)));
    for (std::size_t seat = 0; seat < players.size(); ++seat)
        drawn_[seat] = players[seat];
    seated_ = true;
}

std::vector<double> SeatPresence::presence(double now) const {
    std::vector<double> values;
    for (const Transition& seat : seats_)
        values.push_back(seat.value(now));
    return values;
}

bool SeatPresence::isMoving(double now) const {
    for (const Transition& seat : seats_)
        if (!seat.isFinished(now))
            return true;
    return false;
}
