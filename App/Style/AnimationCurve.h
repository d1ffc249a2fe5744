#pragma once

#include <QEasingCurve>
#include <QPointF>

// The frame-stepped timing of the pixel style: the value jumps once per frame of `fps`.
struct SteppedAnimation {
    double duration = 0;
    double fps = 12;

    bool operator==(const SteppedAnimation&) const = default;

    // Share of the change shown `seconds` after the start: whole frames only, 1 once finished.
    double progress(double seconds) const;
};

// How an animated value moves from its start to its target over time. Plain value: compared,
// copied and evaluated anywhere; the clock that drives it is Style/Drawing/AnimationClock.h.
class AnimationCurve {
  public:
    enum class Kind { linear, easeIn, easeOut, easeInOut, bezier, spring, stepped };

    static AnimationCurve linear(double duration);
    static AnimationCurve easeIn(double duration);
    static AnimationCurve easeOut(double duration);
    static AnimationCurve easeInOut(double duration);
    // A cubic timing curve through (0, 0), (x1, y1), (x2, y2), (1, 1).
    static AnimationCurve bezier(double duration, double x1, double y1, double x2, double y2);
    // A damped spring settling in about `response` seconds per oscillation; damping 1 never overshoots.
    static AnimationCurve spring(double response, double dampingFraction);
    static AnimationCurve stepped(SteppedAnimation stepping);

    Kind kind() const { return kind_; }
    // Seconds until the value rests at its target.
    double duration() const { return duration_; }
    const SteppedAnimation& stepping() const { return stepping_; }

    // Share of the change shown `seconds` after the start: 0 at the start, exactly 1 once finished;
    // a spring may pass beyond 1 on the way.
    double progress(double seconds) const;
    bool isFinished(double seconds) const { return seconds >= duration_; }

    bool operator==(const AnimationCurve& other) const;

  private:
    AnimationCurve(Kind kind, double duration);

    Kind kind_ = Kind::linear;
    double duration_ = 0;
    QEasingCurve easing_;
    SteppedAnimation stepping_;
    double springResponse_ = 0;
    double springDamping_ = 1;
};
