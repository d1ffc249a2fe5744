#pragma once

#include <QString>

class QWidget;

// A control a screen reader can step up and down (the stepper, the buy-in slider): one element whose
// value is read out and whose increase and decrease actions move it by one step.
class Adjustable {
  public:
    // The value as a number, with its ends and its smallest step: what a reader speaks as the control's
    // value and sets when the player moves it from the reader.
    struct Scale {
        double current = 0;
        double minimum = 0;
        double maximum = 0;
        double step = 1;
    };

    virtual ~Adjustable() = default;
    virtual void increment() = 0;
    virtual void decrement() = 0;
    virtual QString accessibleValue() const = 0;
    virtual Scale accessibleScale() const = 0;

    // Lets screen readers see `widget` (which must also be this Adjustable) as one adjustable element.
    static void announce(QWidget* widget);
    // Tells readers that `widget`'s value moved, so the one with the control in focus speaks it.
    static void valueMoved(QWidget* widget);
};
