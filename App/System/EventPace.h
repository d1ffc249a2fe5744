#pragma once

#include <chrono>
#include <deque>

// Spreads a stream of events so that no stretch of `span` holds more than `most` of them. A screen
// reader handles events one at a time and drops the ones waiting when too many come at once (Orca
// past 50): what came last, often the words worth hearing, is lost with them. Events that cannot wait
// still take their room. Times are any steady clock's, in milliseconds.
class EventPace {
  public:
    using Time = std::chrono::milliseconds;

    EventPace(int most, Time span);

    // Notes an event that went at `at`; times come in order.
    void went(Time at);
    // When an event ready at `now` may go: `now` when the span before it has room, else the moment
    // the earliest event that fills it leaves the span.
    Time nextAt(Time now) const;

  private:
    int most_;
    Time span_;
    // The latest events, at most `most_` of them: older ones no longer decide anything.
    std::deque<Time> sent_;
};
