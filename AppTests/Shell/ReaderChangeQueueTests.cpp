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

} // namespace
