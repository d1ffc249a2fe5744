// How events are spread so that a reader never gets more at once than it keeps up with.
#include "System/EventPace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using std::chrono::milliseconds;

TEST(EventPace, LetsAnEventGoOnlyWhenTheSpanBeforeItHasRoom) {
    struct Case {
        const char* name;
        int most;
        std::vector<int> went;
        int now;
        int next;
    };
    const std::vector<Case> cases{
        {"nothing sent yet", 3, {}, 5, 5},
        {"room left in the span", 3, {0, 10}, 20, 20},
        {"span full: waits for the first to leave", 3, {0, 10, 20}, 20, 100},
        {"the first has left", 3, {0, 10, 20}, 100, 100},
        {"only the latest count", 3, {0, 1, 2, 50, 60, 70}, 75, 150},
        {"a burst at one moment", 2, {40, 40}, 40, 140},
        {"long after a burst", 2, {40, 40}, 500, 500},
        {"at least one an instant", 0, {7}, 7, 107},
    };
    for (const Case& row : cases) {
        EventPace pace(row.most, milliseconds(100));
        for (int at : row.went)
            pace.went(milliseconds(at));
        EXPECT_EQ(pace.nextAt(milliseconds(row.now)), milliseconds(row.next)) << row.name;
    }
}

TEST(EventPace, AStreamSentWhenAllowedNeverFillsASpanPastItsMost) {
    // A thousand events all ready at once, each sent as soon as it may: any 100 ms holds at most 40,
    // and the stream still moves at that rate.
    EventPace pace(40, milliseconds(100));
    std::vector<milliseconds> sent;
    for (int event = 0; event < 1000; ++event) {
        const milliseconds at = pace.nextAt(milliseconds(0));
        pace.went(at);
        sent.push_back(at);
    }
    for (std::size_t first = 0; first < sent.size(); ++first) {
        const auto inSpan =
            std::count_if(sent.begin() + static_cast<std::ptrdiff_t>(first), sent.end(),
                          [&](milliseconds at) { return at < sent[first] + milliseconds(100); });
        ASSERT_LE(inSpan, 40) << "from event " << first;
    }
    EXPECT_EQ(sent.back(), milliseconds(2400));
}

} // namespace
