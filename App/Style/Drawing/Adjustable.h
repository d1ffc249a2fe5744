#pragma once

#include <QString>

class QWidget;

// A control a screen reader can step up and down (the stepper, the buy-in slider): one element whose
// value is read out and whose increase and decrease actions move it by one step.
class Adjustable {
  public:
    virtual ~Adjustable() = default;
    virtual void increment() = 0;
    virtual void decrement() = 0;
    virtual QString accessibleValue() const = 0;

    // Lets screen readers see `widget` (which must also be this Adjustable) as one adjustable element.
    static void announce(QWidget* widget);
};
