#pragma once

#include <array>
#include <vector>

#include "BotKit/BotProfile.h"
#include "Style/Drawing/AnimationClock.h"

// The five seats of a miniature table coming and going as its players change: a seat that gains a
// player grows in on a spring (the reduced fade under Reduce Motion), one that loses its player
// shrinks away still showing that player until it is gone.
class SeatPresence {
  public:
    static constexpr std::size_t seats = 5;

    // The players from the moment `now`; the first call seats them at once.
    void update(const std::vector<BotKit::BotProfile>& players, double now, bool reduceMotion);
    // The players to draw, those on their way out included, in seat order.
    const std::vector<BotKit::BotProfile>& drawn() const { return drawn_; }
    // Each seat's presence at `now`: 0 empty, 1 seated; a spring passes 1 on its way.
    std::vector<double> presence(double now) const;
    bool isMoving(double now) const;

  private:
    std::vector<BotKit::BotProfile> drawn_;
    std::array<Transition, seats> seats_{};
    bool seated_ = false;
};
