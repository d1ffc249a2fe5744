#include "Style/Drawing/AnimationClock.h"

namespace {
// About the refresh rate of a desktop display.
constexpr int frameMilliseconds = 16;
} // namespace

AnimationClock::AnimationClock(QObject* parent)
    : QObject(parent) {
    elapsed_.start();
    timer_.setInterval(frameMilliseconds);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationClock::ticked);
}

double AnimationClock::now() const {
    return source_ ? source_() : static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
}

void AnimationClock::start() {
    if (!timer_.isActive())
        timer_.start();
}

void AnimationClock::stop() {
    timer_.stop();
}
