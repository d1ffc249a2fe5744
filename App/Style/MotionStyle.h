#pragma once

#include "Style/AnimationCurve.h"
#include "Style/TableStyleID.h"

// The table's four standard movements, by table style and the Reduce Motion setting.
struct MotionStyle {
    TableStyleID style = TableStyleID::satin;
    bool reduceMotion = false;

    // The pixel style moves in visible steps at this rate, everywhere.
    static constexpr double pixelFps = 12;

    // The one short fade that replaces every movement under Reduce Motion.
    static AnimationCurve reducedFade();
    // How a changed number rolls its digits in (satin and paper, never under Reduce Motion).
    static AnimationCurve numberRoll();

    AnimationCurve boardSlide() const;
    AnimationCurve fold() const;
    AnimationCurve collect() const;
    AnimationCurve returnBet() const;

    // Any other movement of `duration`: stepped in pixel, `smooth` otherwise, the fade under Reduce Motion.
    AnimationCurve movement(double duration,
                            AnimationCurve::Kind smooth = AnimationCurve::Kind::easeInOut) const;
};

// Where a sliding view is drawn at a moment of its slide; Style/Drawing/SlideTransform.h turns it
// into a painter transform turning about the view's centre.
struct SlideEffect {
    double progress = 1;
    double offsetX = 0;
    double offsetY = 0;
    double rotationDegrees = 0;
    double scale = 1;
    // Above 0, the displacement lands on multiples of it, so pixel-style motion stays on the grid.
    double grid = 0;
    bool fades = false;

    bool operator==(const SlideEffect&) const = default;

    struct Placement {
        double dx = 0;
        double dy = 0;
        double rotationDegrees = 0;
        double scale = 1;
        double opacity = 1;
        bool operator==(const Placement&) const = default;
    };

    Placement placement() const;
};
