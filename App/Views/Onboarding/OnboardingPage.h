#pragma once

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

#include <QWidget>

// What the three onboarding pages share: the 600 by 640 view over the backdrop, the flow's theme, and one
// clock that ticks while something on the page moves and stops when the page is still or hidden.
class OnboardingPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize pageSize{600, 640};

    OnboardingPage(const TableTheme& theme, QWidget* parent);

    virtual void setTheme(const TableTheme& theme);
    const TableTheme& theme() const { return theme_; }
    bool reduceMotion() const { return theme_.reduceMotion; }
    AnimationClock& clock() { return clock_; }
    // Seconds since the page came on screen.
    double sinceShown() const { return clock_.now() - shownAt_; }
    // Everything the page says, read in one go: its name for a reader and what a move to it announces.
    virtual QString reading() const = 0;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Whether anything still moves at `sinceShown`; the clock stops once nothing does.
    virtual bool moving(double sinceShown) const = 0;
    // Called on every tick before the repaint, for pieces that are widgets of their own.
    virtual void advance(double sinceShown) { (void)sinceShown; }

  private:
    void tick();

    TableTheme theme_;
    AnimationClock clock_;
    double shownAt_ = 0;
};
