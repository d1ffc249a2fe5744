#include "Scheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::chrono_literals;

TEST(ManualScheduler, RunsWorkInTimeOrderThenSchedulingOrder) {
    ManualScheduler scheduler;
    std::vector<std::string> ran;
    scheduler.after(900ms, [&] { ran.push_back("bot"); });
    scheduler.after(400ms, [&] { ran.push_back("first"); });
    scheduler.after(400ms, [&] { ran.push_back("second"); });
    scheduler.post([&] { ran.push_back("posted"); });

    scheduler.advance(399ms);
    EXPECT_EQ(ran, std::vector<std::string>{"posted"});
    scheduler.advance(1ms);
    EXPECT_EQ(ran, (std::vector<std::string>{"posted", "first", "second"}));
    EXPECT_EQ(scheduler.now(), 400ms);
    scheduler.advance(10s);
    EXPECT_EQ(ran.back(), "bot");
    EXPECT_EQ(scheduler.now(), 10400ms);
}

TEST(ManualScheduler, RunsWorkScheduledDuringAnAdvanceWhenItFallsDue) {
    ManualScheduler scheduler;
    std::vector<int> times;
    scheduler.after(100ms, [&] {
        times.push_back(static_cast<int>(scheduler.now().count()));
        scheduler.after(100ms, [&] { times.push_back(static_cast<int>(scheduler.now().count())); });
        scheduler.after(1s, [&] { times.push_back(-1); });
    });
    scheduler.advance(250ms);
    EXPECT_EQ(times, (std::vector<int>{100, 200}));
    EXPECT_EQ(scheduler.pendingCount(), 1u);
    EXPECT_EQ(scheduler.nextDue(), 1100ms);
}

TEST(ManualScheduler, CancelledWorkNeverRunsAndIsNotPending) {
    ManualScheduler scheduler;
    int runs = 0;
    auto deal = scheduler.after(2500ms, [&] { ++runs; });
    EXPECT_TRUE(deal.isPending());
    deal.cancel();
    deal.cancel();
    EXPECT_FALSE(deal.isPending());
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    EXPECT_FALSE(scheduler.nextDue().has_value());
    scheduler.advance(1h);
    EXPECT_EQ(runs, 0);
}

TEST(ManualScheduler, WorkRunsOnceAndItsHandleStopsBeingPending) {
    ManualScheduler scheduler;
    int runs = 0;
    auto work = scheduler.after(10ms, [&] { ++runs; });
    EXPECT_EQ(scheduler.runUntilIdle(), 1);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(work.isPending());
    work.cancel();
    EXPECT_EQ(scheduler.runUntilIdle(), 0);
}

TEST(QTimerScheduler, RunsOnTheEventLoopAndNotAfterCancelOrDestruction) {
    int runs = 0;
    auto scheduler = std::make_unique<QTimerScheduler>();
    scheduler->post([&] { ++runs; });
    auto cancelled = scheduler->after(1ms, [&] { runs += 100; });
    cancelled.cancel();
    scheduler->after(5ms, [&] { runs += 1000; });
    EXPECT_EQ(runs, 0) << "posted work waits for the event loop";

    QElapsedTimer clock;
    clock.start();
    while (runs < 1 && clock.elapsed() < 2000) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 1);
    scheduler.reset();
    clock.restart();
    while (clock.elapsed() < 30) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 1);
}
