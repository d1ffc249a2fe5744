#pragma once

#include <chrono>
#include <functional>

#include "Scheduler.h"

// The clock the game controller is given: every wait of the table (a bot's pace, the automatic
// deal) goes through it, and it tells the wall-clock time for the saved game and the deal countdown.
class GameClock {
  public:
    virtual ~GameClock() = default;
    virtual ScheduledWork after(std::chrono::milliseconds delay, std::function<void()> work) = 0;
    virtual std::chrono::system_clock::time_point now() const = 0;
};

// A game clock on any scheduler: the application's timers, or virtual time in tests.
class SchedulerGameClock final : public GameClock {
  public:
    using Now = std::function<std::chrono::system_clock::time_point()>;

    // `now` defaults to the system clock.
    explicit SchedulerGameClock(Scheduler& scheduler, Now now = {});

    ScheduledWork after(std::chrono::milliseconds delay, std::function<void()> work) override;
    std::chrono::system_clock::time_point now() const override;

  private:
    Scheduler& scheduler_; // owned by the host, which outlives the controller
    Now now_;
};

// The application's clock: real timers on the GUI thread's event loop and the system's time.
class SystemGameClock final : public GameClock {
  public:
    ScheduledWork after(std::chrono::milliseconds delay, std::function<void()> work) override {
        return scheduler_.after(delay, std::move(work));
    }
    std::chrono::system_clock::time_point now() const override { return std::chrono::system_clock::now(); }

  private:
    QTimerScheduler scheduler_;
};
