#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "Style/AnimationCurve.h"

// One clock per animated view: while running it ticks at display rate so the view repaints, and
// it tells the time every animation of that view is evaluated at. Tests give it their own time.
class AnimationClock : public QObject {
    Q_OBJECT
  public:
    using TimeSource = std::function<double()>;

    explicit AnimationClock(QObject* parent = nullptr);

    // Seconds on this clock's time line.
    double now() const;
    // Keeps ticking until stop(); starting a running clock does nothing.
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    // Replaces the wall clock (tests and benchmarks).
    void setTimeSource(TimeSource source) { source_ = std::move(source); }

  signals:
    void ticked();

  private:
    QTimer timer_;
    QElapsedTimer elapsed_;
    TimeSource source_;
};

// One value on its way from `from` to `to` along a curve, started at a time of a clock.
struct Transition {
    AnimationCurve curve = AnimationCurve::linear(0);
    double startedAt = 0;
    double from = 0;
    double to = 1;

    double value(double now) const { return from + (to - from) * curve.progress(now - startedAt); }
    bool isFinished(double now) const { return curve.isFinished(now - startedAt); }
};
