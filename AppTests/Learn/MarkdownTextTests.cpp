#include "Learn/MarkdownText.h"

#include <gtest/gtest.h>

using TextRun = MarkdownText::Run;

TEST(MarkdownText, BoldTerms) {
    const MarkdownText text("Your **buy-in** comes from your **bankroll**.");
    EXPECT_TRUE(text.parsed());
    EXPECT_EQ(text.runs(), (std::vector<TextRun>{{"Your ", false},
                                                 {"buy-in", true},
                                                 {" comes from your ", false},
                                                 {"bankroll", true},
                                                 {".", false}}));
    EXPECT_EQ(text.plain(), "Your buy-in comes from your bankroll.");
    EXPECT_EQ(text.html(), "Your <b>buy-in</b> comes from your <b>bankroll</b>.");
}

TEST(MarkdownText, PlainTextAndEscaping) {
    const MarkdownText text("Sit & Go <fast> 5/10");
    EXPECT_TRUE(text.parsed());
    EXPECT_EQ(text.plain(), "Sit & Go <fast> 5/10");
    EXPECT_EQ(text.html(), "Sit &amp; Go &lt;fast&gt; 5/10");
    EXPECT_EQ(MarkdownText("").plain(), "");
    EXPECT_EQ(MarkdownText("**All-in** bets everything").html(), "<b>All-in</b> bets everything");
}

TEST(MarkdownText, UnpairedMarkersShowVerbatim) {
    for (const char* source : {"an **open bold", "empty **** markers", "a ** ** blank", "**"}) {
        const MarkdownText text(source);
        EXPECT_FALSE(text.parsed()) << source;
        EXPECT_EQ(text.plain(), source);
        EXPECT_EQ(text.runs(), (std::vector<TextRun>{{source, false}}));
    }
}
