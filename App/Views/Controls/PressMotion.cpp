#include "Views/Controls/PressMotion.h"

#include <QWidget>

PressMotion::PressMotion(QWidget& button)
    : button_(button) {
    QObject::connect(&clock_, &AnimationClock::ticked, &button, qOverload<>(&QWidget::update));
}

// Only paper eases its press; pixel changes at once and satin has no depth.
bool PressMotion::eases(const TableTheme& theme) const {
    return theme.style == TableStyleID::paper && !theme.reduceMotion && button_.isVisible();
}

void PressMotion::follow(bool down, const TableTheme& theme) {
    const double now = clock_.now();
    const bool easing = eases(theme);
    const double duration = easing ? (down ? 0.08 : 0.14) : 0;
    press_ = Transition{AnimationCurve::easeOut(duration), now, press_.value(now), down ? 1.0 : 0.0};
    if (easing)
        clock_.start();
    button_.update();
}

double PressMotion::depth(bool down, const TableTheme& theme) {
    if (press_.to != (down ? 1.0 : 0.0))
        follow(down, theme);
    const double now = clock_.now();
    if (press_.isFinished(now))
        clock_.stop();
    return press_.value(now);
}
