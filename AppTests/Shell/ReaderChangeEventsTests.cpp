// Which Qt the reader workaround takes over from: only a bridge that sends no words for a new name.
#include "System/ReaderChangeEvents.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderChangeEvents, TakesOverOnlyFromABridgeThatSendsNoWords) {
    const std::vector<std::pair<QVersionNumber, bool>> cases{
        {{6, 4, 2}, false}, {{6, 7, 3}, false}, {{6, 8, 0}, true}, {{6, 9, 1}, true}, {{7, 0}, true}};
    for (const auto& [version, sends] : cases)
        EXPECT_EQ(ReaderChangeEvents::bridgeSendsWords(version), sends) << version.toString().toStdString();
}

} // namespace
