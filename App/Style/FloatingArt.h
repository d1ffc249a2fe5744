#pragma once

#include "Style/AnimationCurve.h"

#include <QPointF>
#include <QSizeF>

#include <optional>

// Where a floating piece of onboarding art stands at a moment: it comes in from an offset with an eased
// entrance, then bobs and sways above its floor shadow for as long as it is shown. Every value is a
// function of the time since the piece was shown and of the shared clock time, so pieces with the same
// period and phase bob in step.
struct FloatingArt {
    struct Shadow {
        QPointF center;
        double width = 0;
    };
    struct Placement {
        double opacity = 1;
        // The entrance's slide, which carries the shadow too, and the bob's lift of the content alone.
        QPointF slide;
        double lift = 0;
        double scale = 1;
        double rotation = 0;
        double shadowStrength = 1;
        double shadowScale = 1;
        bool operator==(const Placement&) const = default;
    };

    // The farthest any drawn point of a piece moves between two of its pictures, in points: half a
    // pixel of a slow float nobody sees as a step, and the piece is painted anew only that often.
    static constexpr double drawnStep = 0.5;

    QPointF center;
    QSizeF from;
    double delay = 0;
    double period = 6;
    double phase = 0;
    double tilt = 0;
    std::optional<Shadow> shadow;

    // How far up the bob is at clock time `time`: 0 at the floor, 1 at the crest; 0 under Reduce Motion.
    double bob(double time, bool reduceMotion) const;
    Placement at(double sinceShown, double time, bool reduceMotion) const;
    // The placement at a given bob rather than a clock time.
    Placement atBob(double sinceShown, double bob, bool reduceMotion) const;
    // How far the farthest drawn point travels from floor to crest, in points, for content reaching
    // `radius` from its centre: the lift, the sway at that radius and the ends of the shadow.
    double travel(double radius) const;
    // The bob as drawn: held on steps of at most `drawnStep` points of travel, so between two steps
    // the piece's picture does not change.
    double drawnBob(double time, bool reduceMotion, double radius) const;
    // Whether the entrance is over (the bob goes on unless motion is reduced).
    bool entered(double sinceShown, bool reduceMotion) const;
};

// A view that fades in and rises 16 points into place after `delay`.
struct RiseIn {
    struct Placement {
        double opacity = 1;
        double dy = 0;
    };

    double delay = 0;

    Placement at(double sinceShown, bool reduceMotion) const;
    bool entered(double sinceShown, bool reduceMotion) const;
};

// The entrance curve both share: the swift ease-out (0.16, 0.84, 0.24, 1.0), or the plain fade without
// delay under Reduce Motion.
namespace Entrance {
AnimationCurve curve(double duration, bool reduceMotion);
// Share of the entrance shown `sinceShown` seconds after the view appeared.
double progress(double duration, double delay, double sinceShown, bool reduceMotion);
} // namespace Entrance
