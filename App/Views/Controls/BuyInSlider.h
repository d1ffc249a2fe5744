#pragma once

#include <QWidget>

#include "Style/ChipDenomination.h"
#include "Style/Drawing/Adjustable.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

// The cash table's buy-in, 40 to 100 big blinds: a track with detents at 40, 60, 80 and 100, a chip
// for a thumb, a bubble with the amount in chips while dragged or focused, and stripes over the stretch
// the bankroll can't reach. Dragging snaps near a detent; the arrows step by 1 (10 with Shift), Page Up
// and Page Down by 10, Home and End go to either end. A reader gets the amount in chips as its value.
class BuyInSlider : public QWidget, public Adjustable {
    Q_OBJECT
  public:
    BuyInSlider(const TableTheme& theme, std::int64_t bigBlinds, std::int64_t cap, std::int64_t bigBlind,
                ChipDenomination chip, QWidget* parent = nullptr);

    // Show values set from outside; sends nothing.
    void setValues(std::int64_t bigBlinds, std::int64_t cap, std::int64_t bigBlind, ChipDenomination chip);
    void setTheme(const TableTheme& theme);
    std::int64_t bigBlinds() const { return bigBlinds_; }
    bool isDragging() const { return dragging_; }

    // The drawing box inside the widget, below the room kept for the bubble.
    QRectF box() const;

    void increment() override;
    void decrement() override;
    QString accessibleValue() const override;
    Scale accessibleScale() const override;

    QSize sizeHint() const override;

  signals:
    // The player moved the slider.
    void bigBlindsChanged(std::int64_t bigBlinds);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void write(std::int64_t bigBlinds);
    // Tells the reader of the new words once the values changed.
    void spoken();
    void dragTo(double x);
    void setDragging(bool dragging);
    void raiseBubble();

    TableTheme theme_;
    std::int64_t bigBlinds_;
    std::int64_t cap_;
    std::int64_t bigBlind_;
    ChipDenomination chip_;
    bool dragging_ = false;
    AnimationClock clock_;
    // 0 at rest, 1 while dragged: the thumb's growth. Both start settled at rest.
    Transition grown_{AnimationCurve::linear(0), 0, 0, 0};
    // The bubble's opacity: shown while dragged or focused.
    Transition bubble_{AnimationCurve::linear(0), 0, 0, 0};
};
