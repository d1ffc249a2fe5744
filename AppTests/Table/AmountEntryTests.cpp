#include "Table/AmountEntry.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct Reading {
    const char* typed;
    std::optional<std::int64_t> amount;
    const char* problem;
};

} // namespace

TEST(AmountEntry, ReadsWholeChipsAndNamesWhatIsWrongWithAnythingElse) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const Reading cases[] = {
        {"1,000", 1000, ""},
        {" 250 ", 250, ""},
        {"0", 0, ""},
        {"9,223,372,036,854,775,807", INT64_MAX, ""},
        {"", std::nullopt, "Type an amount in chips."},
        {"   ", std::nullopt, "Type an amount in chips."},
        {"-50", std::nullopt, "An amount can't be below zero."},
        {"12.5", std::nullopt, "Chips are whole: type an amount without a fraction."},
        {"1,000.25", std::nullopt, "Chips are whole: type an amount without a fraction."},
        {"lots", std::nullopt, "Type the amount in digits, like 1,000."},
        {"12abc", std::nullopt, "Type the amount in digits, like 1,000."},
        {"1e5", std::nullopt, "Type the amount in digits, like 1,000."},
        {"9,223,372,036,854,775,808", std::nullopt, "That is more chips than any stack holds."},
        {"99999999999999999999", std::nullopt, "That is more chips than any stack holds."},
    };
    for (const Reading& reading : cases) {
        const AmountEntry entry = AmountEntry::read(QString::fromUtf8(reading.typed));
        EXPECT_EQ(entry.amount, reading.amount) << reading.typed;
        EXPECT_EQ(entry.problem, QString::fromUtf8(reading.problem)) << reading.typed;
    }
    // A long paste is never cut down to something that reads as an amount.
    const AmountEntry pasted =
        AmountEntry::read(QStringLiteral("1000") + QString(9996, QLatin1Char(' ')) + QStringLiteral("x"));
    EXPECT_FALSE(pasted.amount);
    EXPECT_FALSE(AmountEntry::read(QString(10000, QLatin1Char('9'))).amount);
}
