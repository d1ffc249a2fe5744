#include "System/EventPace.h"

#include <algorithm>

EventPace::EventPace(int most, Time span)
    : most_(std::max(most, 1))
    , span_(span) {}

void EventPace::went(Time at) {
    sent_.push_back(at);
    while (std::ssize(sent_) > most_)
        sent_.pop_front();
}

EventPace::Time EventPace::nextAt(Time now) const {
    if (std::ssize(sent_) < most_)
        return now;
    // The span ending at an event's time holds it and those less than `span_` before it.
    return std::max(now, sent_.front() + span_);
}
