#pragma once

#include <QWidget>

#include "Style/Drawing/Adjustable.h"
#include "Style/SheetControls.h"
#include "Style/TableTheme.h"

class Announcer;
class QAbstractButton;

// A count with its unit between a minus and a plus button, in a capsule: "3 opponents". The buttons
// stop at the ends of the range, where they stay in reach of the keys: a focus that jumped to the
// next control would turn the player's next press into another control's. One look in every table style; the
// theme gives only the appearance.
class OpponentStepper : public QWidget, public Adjustable {
    Q_OBJECT
  public:
    OpponentStepper(const TableTheme& theme, std::int64_t count, std::int64_t lowest, std::int64_t highest,
                    StepperUnit unit, QWidget* parent = nullptr);

    std::int64_t count() const { return count_; }
    // Shows a count set from outside; sends nothing.
    void setCount(std::int64_t count);
    void setTheme(const TableTheme& theme);
    // Where a press past either end of the range is told: it changes nothing a reader could hear.
    void setAnnouncer(Announcer* announcer) { announcer_ = announcer; }
    // Whether the count is above the range's lowest and below its highest: each button is faded
    // without it, and keeps the keys.
    bool canLower() const { return count_ > lowest_; }
    bool canRaise() const { return count_ < highest_; }

    QAbstractButton* minusButton() const { return minus_; }
    QAbstractButton* plusButton() const { return plus_; }

    void increment() override;
    void decrement() override;
    QString accessibleValue() const override { return unit_.value(count_); }
    Scale accessibleScale() const override {
        return {static_cast<double>(count_), static_cast<double>(lowest_), static_cast<double>(highest_), 1};
    }

    QSize sizeHint() const override;
    // The capsule as drawn, inside the room the widget keeps round it for its shadow.
    QRectF capsule() const;

  signals:
    // The player changed the count.
    void countChanged(std::int64_t count);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A button's press: one step, or at an end of the range a word that it is the end.
    void press(int step);
    void change(std::int64_t count);
    void refresh();
    double labelWidth() const;

    TableTheme theme_;
    std::int64_t count_;
    std::int64_t lowest_;
    std::int64_t highest_;
    StepperUnit unit_;
    QAbstractButton* minus_;
    QAbstractButton* plus_;
    Announcer* announcer_ = nullptr;
};
