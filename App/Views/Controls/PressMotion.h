#pragma once

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

class QWidget;

// How far a drawn button's press has gone: 0 at rest, 1 fully down. Where it eases (paper, motion not
// reduced, the button on screen) it goes down in 0.08 s and back up in 0.14 s, repainting the button
// meanwhile; elsewhere it changes at once. A button starts at rest, so its first frame is at rest.
class PressMotion {
  public:
    explicit PressMotion(QWidget& button);

    // Starts moving toward `down` from wherever the press is now.
    void follow(bool down, const TableTheme& theme);
    // The depth now; a press set from code (setDown) arrives without a signal and is picked up here.
    double depth(bool down, const TableTheme& theme);
    // The clock the press is timed on (tests give it their own time).
    AnimationClock& clock() { return clock_; }

  private:
    bool eases(const TableTheme& theme) const;

    QWidget& button_;
    AnimationClock clock_;
    Transition press_{AnimationCurve::linear(0), 0, 0, 0};
};
