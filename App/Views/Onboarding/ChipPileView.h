#pragma once

#include "Style/ChipDrop.h"
#include "Style/Drawing/AnimationClock.h"

#include <QWidget>

// The play-money page's picture: the chip drop played frame by frame, with floor shadows and a total
// counting up to 10,000. It stops ticking for good once the pile has settled, and under Reduce Motion
// shows the settled pile at once.
class ChipPileView : public QWidget {
    Q_OBJECT
  public:
    // The pile is laid out in 600 by 360; the counter's caption hangs a few points below it.
    static constexpr QSize viewSize{600, 366};

    ChipPileView(bool reduceMotion, bool dark, QWidget* parent = nullptr);

    // Lets the pile fall anew from now, as each visit to the page does.
    void restart();
    void setDark(bool dark);
    // The drop's time now, in seconds; +∞ under Reduce Motion.
    double elapsed() const;
    bool isFinished() const { return finished_; }
    AnimationClock& clock() { return clock_; }

    // Paints the frame at drop time `t` (tests and the gallery choose their moment).
    static void paintFrame(QPainter& painter, const ChipDrop& drop, double t, bool dark);

    QSize sizeHint() const override { return viewSize; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void tick();

    ChipDrop drop_{24};
    bool reduceMotion_;
    bool dark_;
    AnimationClock clock_;
    double startedAt_ = 0;
    bool finished_ = false;
};
