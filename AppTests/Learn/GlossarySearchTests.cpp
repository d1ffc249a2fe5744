#include "Learn/GlossarySearch.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
QStringList titles(const std::vector<Term>& terms) {
    QStringList list;
    for (const Term term : terms) {
        list.append(title(term));
    }
    return list;
}
} // namespace

TEST(GlossarySearch, BlankQueriesListEverything) {
    for (const char* query : {"", "   ", "\t "}) {
        const auto terms = GlossarySearch::matching(QString::fromUtf8(query));
        ASSERT_EQ(terms.size(), 30u);
        EXPECT_EQ(title(terms.front()), "All-in");
        EXPECT_EQ(title(terms[1]), "Ante");
        EXPECT_EQ(title(terms.back()), "Turn");
    }
    EXPECT_EQ(GlossarySearch::prompt(), "Search 30 words");
}

TEST(GlossarySearch, MatchesTitlesThenDefinitions) {
    const QStringList blind{"Big blind (BB)", "Blinds", "Sit & Go", "Small blind (SB)", "Stakes"};
    EXPECT_EQ(titles(GlossarySearch::matching("blind")), blind);
    EXPECT_EQ(titles(GlossarySearch::matching("  BLind \t")), blind);
    EXPECT_EQ(GlossarySearch::announcement(blind.size()), "5 words");

    EXPECT_EQ(titles(GlossarySearch::matching("big blind")),
              (QStringList{"Big blind (BB)", "Blinds", "Small blind (SB)"}));
    EXPECT_TRUE(GlossarySearch::matching("bigblind").empty());

    EXPECT_EQ(titles(GlossarySearch::matching("kicker")), QStringList{"Kicker"});
    EXPECT_EQ(GlossarySearch::announcement(1), "1 word");

    // "sensible" is only in the Difficulty explanation, which is not searched.
    EXPECT_TRUE(GlossarySearch::matching("sensible").empty());
    EXPECT_TRUE(GlossarySearch::matching("zebra").empty());
    EXPECT_EQ(GlossarySearch::announcement(0), "No matches");
}
