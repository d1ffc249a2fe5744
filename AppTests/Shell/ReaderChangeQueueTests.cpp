// What waits to be told to a reader is merged, so it is told only what still differs from what it knows.
#include "System/ReaderChangeQueue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ReaderChangeQueue::Change;

struct Added {
    Change change;
    QString known;
};

std::vector<Change> told(const std::vector<Added>& added) {
    ReaderChangeQueue::Queue queue;
    for (const Added& each : added)
        queue.add(each.change, each.known);
    std::vector<Change> taken;
    while (const auto next = queue.take())
        taken.push_back(*next);
    return taken;
}

TEST(ReaderChangeQueue, TellsOnlyWhatStillDiffersFromWhatTheReaderKnows) {
    const Change shown{"/a", "showing", "1"}, hidden{"/a", "showing", "0"};
    const Change named{"/a", "accessible-name", "Fold"}, renamed{"/a", "accessible-name", "Check"},
        back{"/a", "accessible-name", "Call"};
    const Change otherShown{"/b", "showing", "1"}, gone{"/a", ReaderChangeQueue::gone, {}};
    struct Case {
        const char* name;
        std::vector<Added> added;
        std::vector<Change> told;
    };
    const std::vector<Case> cases{
        {"each change in order", {{shown, "0"}, {otherShown, "0"}}, {shown, otherShown}},
        {"shown and hidden again before it went", {{shown, "0"}, {hidden, "1"}}, {}},
        {"a later name takes the waiting one's place",
         {{named, "Call"}, {otherShown, "0"}, {renamed, "Fold"}},
         {renamed, otherShown}},
        {"a name changed back before it went", {{named, "Call"}, {back, "Fold"}}, {}},
        {"what the reader already holds", {{named, "Fold"}}, {}},
        {"nothing more of an element gone",
         {{shown, "0"}, {otherShown, "0"}, {named, "Call"}, {gone, {}}},
         {otherShown, gone}},
        {"kinds apart", {{shown, "0"}, {named, "Call"}, {hidden, "1"}}, {named}},
    };
    for (const Case& row : cases)
        EXPECT_EQ(told(row.added), row.told) << row.name;
}

// A mark between what waits and what comes after is passed once what waited before it has been told,
// whatever is added, merged or undone after it.
TEST(ReaderChangeQueue, AMarkIsPassedOnceWhatWaitedBeforeItHasBeenTold) {
    const Change shown{"/a", "showing", "1"}, hidden{"/a", "showing", "0"};
    const Change named{"/a", "accessible-name", "Fold"}, renamed{"/a", "accessible-name", "Check"};
    const Change otherShown{"/b", "showing", "1"}, gone{"/a", ReaderChangeQueue::gone, {}};
    struct Case {
        const char* name;
        std::vector<Added> before;
        std::vector<Added> after;
        // What is told until the mark is passed.
        std::vector<Change> told;
    };
    const std::vector<Case> cases{
        {"nothing waiting", {}, {{otherShown, "0"}}, {}},
        {"what waited, in order", {{shown, "0"}, {named, "Call"}}, {{otherShown, "0"}}, {shown, named}},
        {"a later name goes in the place of one waiting", {{named, "Call"}}, {{renamed, "Fold"}}, {renamed}},
        {"undone after the mark", {{shown, "0"}, {otherShown, "0"}}, {{hidden, "1"}}, {otherShown}},
        {"an element gone after the mark", {{shown, "0"}, {otherShown, "0"}}, {{gone, {}}}, {otherShown}},
    };
    for (const Case& row : cases) {
        ReaderChangeQueue::Queue queue;
        for (const Added& each : row.before)
            queue.add(each.change, each.known);
        const ReaderChangeQueue::Queue::Mark mark = queue.mark();
        for (const Added& each : row.after)
            queue.add(each.change, each.known);
        std::vector<Change> taken;
        while (queue.holdsBefore(mark))
            taken.push_back(*queue.take());
        EXPECT_EQ(taken, row.told) << row.name;
    }
}

} // namespace
