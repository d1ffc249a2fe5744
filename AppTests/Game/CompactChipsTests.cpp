#include "Game/CompactChips.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(CompactChips, ShortensAndTruncatesNeverRoundingUp) {
    const std::vector<std::pair<std::int64_t, QString>> cases{
        {-5, "-5"},        {0, "0"},         {950, "950"},     {999, "999"},      {1000, "1k"},
        {1050, "1k"},      {1500, "1.5k"},   {12345, "12.3k"}, {99999, "99.9k"},  {100000, "100k"},
        {123456, "123k"},  {999999, "999k"}, {1000000, "1M"},  {2500000, "2.5M"}, {150000000, "150M"},
        {1999999, "1.9M"}, {-1500, "-1500"},
    };
    for (const auto& [amount, text] : cases) {
        EXPECT_EQ(compactChips(amount), text) << amount;
    }
}

TEST(CompactChips, IgnoresTheLocaleSeparators) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(compactChips(1500), "1.5k");
    EXPECT_EQ(compactChips(999), "999");
    QLocale::setDefault(saved);
}
