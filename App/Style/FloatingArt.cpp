#include "Style/FloatingArt.h"

#include "Style/MotionStyle.h"

#include <cmath>

namespace {
constexpr double floatEntrance = 1.0;
constexpr double riseEntrance = 0.8;
constexpr double riseDistance = 16;
constexpr double bobLift = 7;
constexpr double shadowNarrowing = 0.18;
} // namespace

AnimationCurve Entrance::curve(double duration, bool reduceMotion) {
    return reduceMotion ? MotionStyle::reducedFade()
                        : AnimationCurve::bezier(duration, 0.16, 0.84, 0.24, 1.0);
}

double Entrance::progress(double duration, double delay, double sinceShown, bool reduceMotion) {
    const double elapsed = reduceMotion ? sinceShown : sinceShown - delay;
    if (elapsed <= 0)
        return 0;
    return curve(duration, reduceMotion).progress(elapsed);
}

double FloatingArt::bob(double time, bool reduceMotion) const {
    if (reduceMotion || period <= 0)
        return 0;
    return (1 - std::cos(2 * M_PI * (time / period + phase))) / 2;
}

double FloatingArt::travel(double radius) const {
    const double sway = std::abs(tilt) * M_PI / 180 * radius;
    const double shadowEnds = shadow ? shadowNarrowing * shadow->width / 2 : 0;
    return bobLift + sway + shadowEnds;
}

double FloatingArt::drawnBob(double time, bool reduceMotion, double radius) const {
    const double steps = std::ceil(travel(radius) / drawnStep);
    return std::round(bob(time, reduceMotion) * steps) / steps;
}

FloatingArt::Placement FloatingArt::at(double sinceShown, double time, bool reduceMotion) const {
    return atBob(sinceShown, bob(time, reduceMotion), reduceMotion);
}

FloatingArt::Placement FloatingArt::atBob(double sinceShown, double b, bool reduceMotion) const {
    const double p = Entrance::progress(floatEntrance, delay, sinceShown, reduceMotion);
    Placement placement;
    placement.opacity = p;
    placement.slide = reduceMotion ? QPointF() : QPointF(from.width(), from.height()) * (1 - p);
    placement.lift = bobLift * b;
    placement.scale = reduceMotion ? 1 : 0.9 + 0.1 * p;
    placement.rotation = b * tilt;
    placement.shadowStrength = 1 - 0.3 * b;
    placement.shadowScale = 1 - shadowNarrowing * b;
    return placement;
}

bool FloatingArt::entered(double sinceShown, bool reduceMotion) const {
    return Entrance::progress(floatEntrance, delay, sinceShown, reduceMotion) >= 1;
}

RiseIn::Placement RiseIn::at(double sinceShown, bool reduceMotion) const {
    const double p = Entrance::progress(riseEntrance, delay, sinceShown, reduceMotion);
    return {p, reduceMotion ? 0 : riseDistance * (1 - p)};
}

bool RiseIn::entered(double sinceShown, bool reduceMotion) const {
    return Entrance::progress(riseEntrance, delay, sinceShown, reduceMotion) >= 1;
}
