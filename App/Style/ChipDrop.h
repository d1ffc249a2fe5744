#pragma once

#include "Style/ChipDenomination.h"

#include <array>
#include <cstdint>
#include <vector>

// The play-money page's picture: 43 chips worth 10,000 falling from above onto twelve stacks, with
// gravity and damped bounces. Deterministic: the same radius gives the same drop, frame for frame, so
// every value is a function of the chip list and the time in seconds since the drop began.
// Coordinates are points, y growing downward, x relative to the centre of the pile.
class ChipDrop {
  public:
    struct Stack {
        double x = 0;
        // y of the centre of the bottom face of the stack's lowest chip.
        double floor = 0;
        ChipDenomination denomination = ChipDenomination::d100;
        int count = 0;
        // Resting rotation of the stack's chips, in degrees.
        double tilt = 0;
    };

    struct Chip {
        int stack = 0;
        int level = 0;
        ChipDenomination denomination = ChipDenomination::d100;
        double restY = 0;
        double startY = 0;
        double startSpeed = 0;
        double start = 0;
        // Horizontal offset and extra rotation (degrees) while falling; they shrink to 0 on landing.
        double drift = 0;
        double spin = 0;
        double tilt = 0;
        // When the chip first reaches its rest height (bounces not included).
        double land = 0;
    };

    static constexpr double gravity = 2800;
    // How long a landed chip takes to count fully into the total.
    static constexpr double countEase = 0.35;

    static const std::array<Stack, 12>& pile();
    // The fixed hash the chips' jitter comes from: a value from 0 to 0.9999 in steps of 0.0001.
    static double jitter(std::uint64_t chip, std::uint64_t k);

    explicit ChipDrop(double radius);

    double radius() const { return radius_; }
    double thickness() const;
    const std::vector<Chip>& chips() const { return chips_; }

    // y of the chip's bottom-face centre at time t.
    double y(const Chip& chip, double t) const;
    // The counter's value: an eased running total, in steps of 5, exact once all but half a chip is in.
    std::int64_t count(double t) const;
    // When the counter completes: the last landing plus the easing.
    double duration() const;
    int landed(int stack, double t) const;

  private:
    double radius_;
    std::vector<Chip> chips_;
};
