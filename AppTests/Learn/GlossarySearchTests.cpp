#include "Learn/GlossarySearch.h"
#include "Learn/ListKeys.h"

#include <QStringList>

#include <utility>

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
        EXPECT_EQ(GlossarySearch::reading(QString::fromUtf8(query)), "Search 30 words");
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

    // Asked where it stands, the search says what the field holds, as typed, and what it finds.
    const std::pair<const char*, const char*> readings[] = {
        {"bli", "Search: bli. 5 words"},
        {"  BLind \t", "Search: BLind. 5 words"},
        {"big blind", "Search: big blind. 3 words"},
        {"kicker", "Search: kicker. 1 word"},
        {"zebra", "Search: zebra. No matches"},
        {"what?", "Search: what? No matches"},
    };
    for (const auto& [query, said] : readings)
        EXPECT_EQ(GlossarySearch::reading(QString::fromUtf8(query)), QString::fromUtf8(said)) << query;
}

TEST(ListKeys, ArrowsPagesAndEndsStopAtTheEdges) {
    struct Row {
        std::optional<int> from;
        int count;
        int key;
        std::optional<int> to;
    };
    const Row rows[] = {
        {0, 30, Qt::Key_Down, 1},
        {0, 30, Qt::Key_Up, 0},
        {29, 30, Qt::Key_Down, 29},
        {3, 30, Qt::Key_PageDown, 8},
        {3, 30, Qt::Key_PageUp, 0},
        {27, 30, Qt::Key_PageDown, 29},
        {12, 30, Qt::Key_Home, 0},
        {12, 30, Qt::Key_End, 29},
        {0, 1, Qt::Key_End, 0},
        {4, 10, Qt::Key_Left, std::nullopt},
        {0, 0, Qt::Key_Down, std::nullopt},
        {std::nullopt, 30, Qt::Key_Down, 0},
        {std::nullopt, 30, Qt::Key_Up, 29},
        {std::nullopt, 30, Qt::Key_Home, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ListKeys::target(row.from, row.count, row.key), row.to)
            << row.from.value_or(-1) << " of " << row.count << " by key " << row.key;
}
