#include "Game/GameClock.h"

SchedulerGameClock::SchedulerGameClock(Scheduler& scheduler, Now now)
    : scheduler_(scheduler)
    , now_(now ? std::move(now) : Now([] { return std::chrono::system_clock::now(); })) {}

ScheduledWork SchedulerGameClock::after(std::chrono::milliseconds delay, std::function<void()> work) {
    return scheduler_.after(delay, std::move(work));
}

std::chrono::system_clock::time_point SchedulerGameClock::now() const {
    return now_();
}
