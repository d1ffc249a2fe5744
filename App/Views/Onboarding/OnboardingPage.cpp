#include "Views/Onboarding/OnboardingPage.h"

OnboardingPage::OnboardingPage(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme) {
    setFixedSize(pageSize);
    connect(&clock_, &AnimationClock::ticked, this, &OnboardingPage::tick);
}

void OnboardingPage::setTheme(const TableTheme& theme) {
    theme_ = theme;
    advance(sinceShown());
    update();
}

void OnboardingPage::setInSight(bool inSight) {
    if (inSight == inSight_)
        return;
    inSight_ = inSight;
    if (!inSight_) {
        clock_.stop();
        return;
    }
    // Back in sight: the page catches up at once, then moves on from there.
    if (isVisible()) {
        tick();
        startIfMoving();
    }
}

QRegion OnboardingPage::changed(Moment, Moment) const {
    return rect();
}

void OnboardingPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shownAt_ = clock_.now();
    frame_ = {0, clock_.now()};
    advance(0);
    startIfMoving();
}

void OnboardingPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    clock_.stop();
}

void OnboardingPage::startIfMoving() {
    if (inSight_ && isVisible() && moving(sinceShown()))
        clock_.start();
}

void OnboardingPage::tick() {
    const Moment before = frame_;
    const Moment now{sinceShown(), clock_.now()};
    if (now.time - before.time < frameInterval(now.sinceShown))
        return;
    frame_ = now;
    advance(frame_.sinceShown);
    const QRegion area = changed(before, frame_);
    if (!area.isEmpty())
        update(area);
    if (!moving(frame_.sinceShown))
        clock_.stop();
}
