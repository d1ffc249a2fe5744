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

void OnboardingPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shownAt_ = clock_.now();
    advance(0);
    clock_.start();
}

void OnboardingPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    clock_.stop();
}

void OnboardingPage::tick() {
    const double since = sinceShown();
    advance(since);
    update();
    if (!moving(since))
        clock_.stop();
}
