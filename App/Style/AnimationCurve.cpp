#include "Style/AnimationCurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
QEasingCurve cubic(double x1, double y1, double x2, double y2) {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return curve;
}

// The envelope of a spring falls below this share of the change when we call it settled.
constexpr double settledShare = 0.001;

double springPosition(double seconds, double response, double damping) {
    const double omega = 2 * std::numbers::pi / response;
    if (damping >= 1) {
        return 1 - std::exp(-omega * seconds) * (1 + omega * seconds);
    }
    const double dampedOmega = omega * std::sqrt(1 - damping * damping);
    const double decay = std::exp(-damping * omega * seconds);
    return 1 - decay * (std::cos(dampedOmega * seconds) +
                        damping * omega / dampedOmega * std::sin(dampedOmega * seconds));
}
} // namespace

double SteppedAnimation::progress(double seconds) const {
    if (seconds >= duration)
        return 1;
    if (fps <= 0 || seconds <= 0)
        return 0;
    return std::min(std::floor(seconds * fps) / fps / duration, 1.0);
}

AnimationCurve::AnimationCurve(Kind kind, double duration)
    : kind_(kind)
    , duration_(std::max(duration, 0.0)) {}

AnimationCurve AnimationCurve::linear(double duration) {
    return AnimationCurve(Kind::linear, duration);
}

AnimationCurve AnimationCurve::easeIn(double duration) {
    AnimationCurve curve(Kind::easeIn, duration);
    curve.easing_ = cubic(0.42, 0, 1, 1);
    return curve;
}

AnimationCurve AnimationCurve::easeOut(double duration) {
    AnimationCurve curve(Kind::easeOut, duration);
    curve.easing_ = cubic(0, 0, 0.58, 1);
    return curve;
}

AnimationCurve AnimationCurve::easeInOut(double duration) {
    AnimationCurve curve(Kind::easeInOut, duration);
    curve.easing_ = cubic(0.42, 0, 0.58, 1);
    return curve;
}

AnimationCurve AnimationCurve::bezier(double duration, double x1, double y1, double x2, double y2) {
    AnimationCurve curve(Kind::bezier, duration);
    curve.easing_ = cubic(std::clamp(x1, 0.0, 1.0), y1, std::clamp(x2, 0.0, 1.0), y2);
    return curve;
}

AnimationCurve AnimationCurve::spring(double response, double dampingFraction) {
    const double safeResponse = std::max(response, 0.01);
    const double damping = std::max(dampingFraction, 0.01);
    const double omega = 2 * std::numbers::pi / safeResponse;
    // Critically damped springs settle a little later than the plain envelope says.
    const double settle =
        -std::log(settledShare) / (std::min(damping, 1.0) * omega) * (damping >= 1 ? 1.5 : 1);
    AnimationCurve curve(Kind::spring, settle);
    curve.springResponse_ = safeResponse;
    curve.springDamping_ = damping;
    return curve;
}

AnimationCurve AnimationCurve::stepped(SteppedAnimation stepping) {
    AnimationCurve curve(Kind::stepped, stepping.duration);
    curve.stepping_ = stepping;
    return curve;
}

double AnimationCurve::progress(double seconds) const {
    if (isFinished(seconds))
        return 1;
    if (seconds <= 0)
        return 0;
    switch (kind_) {
    case Kind::linear:
        return seconds / duration_;
    case Kind::easeIn:
    case Kind::easeOut:
    case Kind::easeInOut:
    case Kind::bezier:
        return easing_.valueForProgress(seconds / duration_);
    case Kind::spring:
        return springPosition(seconds, springResponse_, springDamping_);
    case Kind::stepped:
        return stepping_.progress(seconds);
    }
    return 1;
}

bool AnimationCurve::operator==(const AnimationCurve& other) const {
    return kind_ == other.kind_ && duration_ == other.duration_ && easing_ == other.easing_ &&
           stepping_ == other.stepping_ && springResponse_ == other.springResponse_ &&
           springDamping_ == other.springDamping_;
}
