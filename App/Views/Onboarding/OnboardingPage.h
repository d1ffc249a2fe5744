#pragma once

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

#include <QRegion>
#include <QWidget>

// What the three onboarding pages share: the 600 by 640 view over the backdrop, the flow's theme, and one
// clock that ticks while something on the page moves and stops when the page is still, hidden, or out of
// the player's sight (its window minimised or covered).
class OnboardingPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize pageSize{600, 640};

    // A moment of the page: seconds since it came on screen, and the clock's time then.
    struct Moment {
        double sinceShown = 0;
        double time = 0;
    };

    OnboardingPage(const TableTheme& theme, QWidget* parent);

    virtual void setTheme(const TableTheme& theme);
    const TableTheme& theme() const { return theme_; }
    bool reduceMotion() const { return theme_.reduceMotion; }
    AnimationClock& clock() { return clock_; }
    // Seconds since the page came on screen.
    double sinceShown() const { return clock_.now() - shownAt_; }
    // The moment of the last tick, which every part of the page is painted at, so a part painted
    // alone matches the rest.
    Moment frame() const { return frame_; }
    // Whether the player can see the page's window; while not, nothing ticks.
    virtual void setInSight(bool inSight);
    bool isInSight() const { return inSight_; }
    // Everything the page says, read in one go: its name for a reader and what a move to it announces.
    virtual QString reading() const = 0;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Whether anything still moves at `sinceShown`; the clock stops once nothing does.
    virtual bool moving(double sinceShown) const = 0;
    // Called on every tick before the repaint, for pieces that are widgets of their own.
    virtual void advance(double sinceShown) { (void)sinceShown; }
    // What of the page looks different at `now` than at `before`: all of it, unless the page knows
    // better.
    virtual QRegion changed(Moment before, Moment now) const;
    // The shortest time between two frames at `sinceShown`: none, unless the page's motion is slow
    // enough to be drawn less often.
    virtual double frameInterval(double sinceShown) const {
        (void)sinceShown;
        return 0;
    }

  private:
    void tick();
    void startIfMoving();

    TableTheme theme_;
    AnimationClock clock_;
    double shownAt_ = 0;
    Moment frame_;
    bool inSight_ = true;
};
