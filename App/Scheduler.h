#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

// Every wait in the app (bot pace, the next deal, presenter hand-offs) goes through a Scheduler,
// so nothing sleeps and tests run in virtual time.

class ScheduledWork {
  public:
    ScheduledWork() = default;

    // Stops the work from running if it has not run yet. Safe to call more than once.
    void cancel();
    // True while the work is waiting to run.
    bool isPending() const;

    struct State {
        bool cancelled = false;
        bool finished = false;
    };
    explicit ScheduledWork(std::shared_ptr<State> state)
        : state_(std::move(state)) {}

  private:
    std::shared_ptr<State> state_;
};

class Scheduler {
  public:
    using Duration = std::chrono::milliseconds;

    virtual ~Scheduler() = default;

    // Runs `work` on the GUI thread after `delay`, unless it is cancelled first.
    ScheduledWork after(Duration delay, std::function<void()> work);
    // Runs `work` on the GUI thread after the current event.
    ScheduledWork post(std::function<void()> work) { return after(Duration::zero(), std::move(work)); }

  protected:
    // One piece of scheduled work: runs its function once unless cancelled.
    class Task {
      public:
        Task(std::shared_ptr<ScheduledWork::State> state, std::function<void()> work)
            : state_(std::move(state))
            , work_(std::move(work)) {}
        bool isLive() const { return !state_->cancelled && !state_->finished; }
        void run();

      private:
        std::shared_ptr<ScheduledWork::State> state_;
        std::function<void()> work_;
    };

    virtual void schedule(Duration delay, Task task) = 0;
};

// The application's scheduler: single-shot timers on the GUI thread's event loop.
class QTimerScheduler final : public Scheduler {
  public:
    QTimerScheduler();
    ~QTimerScheduler() override;

  protected:
    void schedule(Duration delay, Task task) override;

  private:
    // Owns the timers' connections, so nothing fires after the scheduler is gone.
    std::unique_ptr<QObject> context_;
};

// Virtual time for tests and benchmarks: work runs only when the test advances the clock.
class ManualScheduler final : public Scheduler {
  public:
    Duration now() const { return now_; }
    // Runs, in time order (ties in the order they were scheduled), everything due within `span`,
    // including work scheduled meanwhile; the clock ends at now + span.
    void advance(Duration span);
    // Runs everything already due at the current time (such as posted work).
    void runDue() { advance(Duration::zero()); }
    // Advances to each next piece of work until none is left, at most `limit` pieces; returns how many ran.
    int runUntilIdle(int limit = 100000);
    // Work scheduled and not yet run or cancelled.
    std::size_t pendingCount() const;
    // When the next pending work is due, or absent when none is pending.
    std::optional<Duration> nextDue() const;

  protected:
    void schedule(Duration delay, Task task) override;

  private:
    struct Entry {
        Duration due;
        std::uint64_t order;
        Task task;
    };
    bool runNextDueBy(Duration limit);

    Duration now_{0};
    std::uint64_t nextOrder_ = 0;
    std::vector<Entry> queue_;
};
