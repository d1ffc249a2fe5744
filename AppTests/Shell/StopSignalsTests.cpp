// A stop from the desktop reaches the event loop as a request, instead of ending the process where
// it stands.
#include "System/StopSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace {

TEST(StopSignals, EachStopSignalArrivesOnTheEventLoopAndTheProcessLivesOn) {
    StopSignals stops;
    std::vector<int> heard;
    QObject::connect(&stops, &StopSignals::stopRequested, [&](int number) { heard.push_back(number); });
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        std::raise(number);
    }
    QElapsedTimer clock;
    clock.start();
    while (heard.size() < 3 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(heard, (std::vector<int>{SIGTERM, SIGINT, SIGHUP}));
}

TEST(StopSignals, OnceGoneTheSignalsStopTheProcessAgain) {
    { StopSignals stops; }
    EXPECT_EXIT(std::raise(SIGTERM), ::testing::KilledBySignal(SIGTERM), "");
}

} // namespace
