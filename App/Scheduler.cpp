#include "Scheduler.h"

#include <QTimer>

#include <algorithm>

void ScheduledWork::cancel() {
    if (state_) {
        state_->cancelled = true;
    }
}

bool ScheduledWork::isPending() const {
    return state_ && !state_->cancelled && !state_->finished;
}

void Scheduler::Task::run() {
    if (!isLive()) {
        return;
    }
    state_->finished = true;
    work_();
}

ScheduledWork Scheduler::after(Duration delay, std::function<void()> work) {
    auto state = std::make_shared<ScheduledWork::State>();
    schedule(std::max(delay, Duration::zero()), Task(state, std::move(work)));
    return ScheduledWork(state);
}

QTimerScheduler::QTimerScheduler()
    : context_(std::make_unique<QObject>()) {}

QTimerScheduler::~QTimerScheduler() = default;

void QTimerScheduler::schedule(Duration delay, Task task) {
    QTimer::singleShot(delay, Qt::PreciseTimer, context_.get(),
                       [task = std::move(task)]() mutable { task.run(); });
}

void ManualScheduler::schedule(Duration delay, Task task) {
    queue_.push_back(Entry{now_ + delay, nextOrder_++, std::move(task)});
}

bool ManualScheduler::runNextDueBy(Duration limit) {
    std::erase_if(queue_, [](const Entry& entry) { return !entry.task.isLive(); });
    auto next = std::min_element(queue_.begin(), queue_.end(), [](const Entry& a, const Entry& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == queue_.end() || next->due > limit) {
        return false;
    }
    Entry entry = std::move(*next);
    queue_.erase(next);
    now_ = std::max(now_, entry.due);
    entry.task.run();
    return true;
}

void ManualScheduler::advance(Duration span) {
    const Duration end = now_ + span;
    while (runNextDueBy(end)) {
    }
    now_ = end;
}

int ManualScheduler::runUntilIdle(int limit) {
    int ran = 0;
    while (ran < limit && runNextDueBy(Duration::max())) {
        ++ran;
    }
    return ran;
}

std::size_t ManualScheduler::pendingCount() const {
    return static_cast<std::size_t>(
        std::count_if(queue_.begin(), queue_.end(), [](const Entry& entry) { return entry.task.isLive(); }));
}

std::optional<Scheduler::Duration> ManualScheduler::nextDue() const {
    std::optional<Duration> due;
    for (const auto& entry : queue_) {
        if (entry.task.isLive() && (!due || entry.due < *due)) {
            due = entry.due;
        }
    }
    return due;
}
