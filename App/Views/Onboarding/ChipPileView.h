#pragma once

#include "Style/ChipDrop.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

#include <QWidget>

// The play-money page's picture: the chip drop played frame by frame, with floor shadows and a total
// counting up to 10,000. It stops ticking for good once the pile has settled, and under Reduce Motion
// shows the settled pile at once.
class ChipPileView : public QWidget {
    Q_OBJECT
  public:
    // The pile is laid out in 600 by 360; the counter's caption hangs a few points below it.
    static constexpr QSize viewSize{600, 366};

    // The theme gives the shadows' depth, the counter's ink and Reduce Motion.
    explicit ChipPileView(const TableTheme& theme, QWidget* parent = nullptr);

    // Lets the pile fall anew from now, as each visit to the page does.
    void restart();
    void setTheme(const TableTheme& theme);
    // The drop's time now, in seconds; +∞ under Reduce Motion.
    double elapsed() const;
    bool isFinished() const { return finished_; }
    // Whether the player can see the window: out of sight the drop goes on in time but draws no frames.
    void setInSight(bool inSight);
    AnimationClock& clock() { return clock_; }

    // Paints the frame at drop time `t` (tests and the gallery choose their moment).
    static void paintFrame(QPainter& painter, const ChipDrop& drop, double t, const TableTheme& theme);

    QSize sizeHint() const override { return viewSize; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void tick();

    ChipDrop drop_{24};
    TableTheme theme_;
    AnimationClock clock_;
    double startedAt_ = 0;
    bool finished_ = false;
    bool inSight_ = true;
};
