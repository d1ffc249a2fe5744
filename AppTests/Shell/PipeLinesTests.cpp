// The single-instance pipe's reader: whole lines out, and never more than one message's length held.
#include "System/PipeLines.h"

#include <gtest/gtest.h>

namespace {

TEST(PipeLines, LinesSplitAcrossReadsComeOutWholeAndInOrder) {
    PipeLines lines(16);
    EXPECT_TRUE(lines.take("reo").isEmpty());
    EXPECT_EQ(lines.pending(), 3);
    EXPECT_EQ(lines.take("pen\nreopen\nre"), (QList<QByteArray>{"reopen\n", "reopen\n"}));
    EXPECT_EQ(lines.take("open\n"), QList<QByteArray>{"reopen\n"});
    EXPECT_EQ(lines.pending(), 0);
    EXPECT_EQ(lines.takeDropped(), 0);
}

TEST(PipeLines, ALineThatNeverEndsIsDroppedAndHoldsNoMoreThanTheLongestMessage) {
    PipeLines lines(16);
    const QByteArray chunk(256, 'x');
    for (int read = 0; read < 4096; ++read) {
        ASSERT_TRUE(lines.take(chunk).isEmpty());
        ASSERT_LE(lines.pending(), 16);
    }
    EXPECT_EQ(lines.takeDropped(), 1) << "one line, however long it runs";
    EXPECT_EQ(lines.takeDropped(), 0);
    // Its tail, "reopen" included, is part of the dropped line; the next line is read as ever.
    EXPECT_EQ(lines.take("reopen\nreopen\n"), QList<QByteArray>{"reopen\n"});
    EXPECT_EQ(lines.takeDropped(), 0);
}

TEST(PipeLines, TheLimitCountsTheNewlineAndALineAtItPasses) {
    PipeLines lines(7);
    EXPECT_EQ(lines.take("reopen\n"), QList<QByteArray>{"reopen\n"});
    EXPECT_TRUE(lines.take("reopens\nreopen\n").size() == 1);
    EXPECT_EQ(lines.takeDropped(), 1);
    // Too long within one read as across reads: both are dropped, each counted once.
    EXPECT_TRUE(lines.take("0123456789\n").isEmpty());
    EXPECT_TRUE(lines.take("0123").isEmpty());
    EXPECT_TRUE(lines.take("4567").isEmpty());
    EXPECT_TRUE(lines.take("89\n").isEmpty());
    EXPECT_EQ(lines.takeDropped(), 2);
    EXPECT_EQ(lines.pending(), 0);
}

} // namespace
