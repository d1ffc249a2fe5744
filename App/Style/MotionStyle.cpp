#include "Style/MotionStyle.h"

#include <cmath>

AnimationCurve MotionStyle::reducedFade() {
    static const AnimationCurve fade = AnimationCurve::easeInOut(0.15);
    return fade;
}

AnimationCurve MotionStyle::numberRoll() {
    static const AnimationCurve roll = AnimationCurve::easeOut(0.35);
    return roll;
}

AnimationCurve MotionStyle::movement(double duration, AnimationCurve::Kind smooth) const {
    if (reduceMotion)
        return reducedFade();
    if (style == TableStyleID::pixel)
        return AnimationCurve::stepped({duration, pixelFps});
    switch (smooth) {
    case AnimationCurve::Kind::easeOut:
        return AnimationCurve::easeOut(duration);
    case AnimationCurve::Kind::easeIn:
        return AnimationCurve::easeIn(duration);
    case AnimationCurve::Kind::linear:
        return AnimationCurve::linear(duration);
    default:
        return AnimationCurve::easeInOut(duration);
    }
}

AnimationCurve MotionStyle::boardSlide() const {
    return movement(0.2, AnimationCurve::Kind::easeOut);
}
AnimationCurve MotionStyle::fold() const {
    return movement(0.25, AnimationCurve::Kind::easeOut);
}
AnimationCurve MotionStyle::collect() const {
    return movement(0.35, AnimationCurve::Kind::easeInOut);
}
AnimationCurve MotionStyle::returnBet() const {
    return movement(0.3, AnimationCurve::Kind::easeInOut);
}

SlideEffect::Placement SlideEffect::placement() const {
    const double remaining = 1 - progress;
    auto snapped = [this](double value) { return grid > 0 ? std::round(value / grid) * grid : value; };
    Placement placement;
    placement.dx = snapped(offsetX * remaining);
    placement.dy = snapped(offsetY * remaining);
    placement.rotationDegrees = rotationDegrees * remaining;
    placement.scale = 1 + remaining * (scale - 1);
    placement.opacity = fades ? progress : 1;
    return placement;
}
