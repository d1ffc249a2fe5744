#include "Table/AmountEntry.h"

#include <QLocale>

#include "Style/AmountText.h"

namespace {

// Longer than any amount with its grouping can be: a paste this long is not an amount.
constexpr qsizetype longestAmount = 32;

AmountEntry refused(const QString& problem) {
    return {std::nullopt, problem};
}

bool onlyDigitsAndGrouping(const QString& text) {
    const QChar group = QLocale().groupSeparator().front();
    for (const QChar c : text)
        if (!c.isDigit() && c != group)
            return false;
    return !text.isEmpty();
}

} // namespace

AmountEntry AmountEntry::read(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return refused(QStringLiteral("Type an amount in chips."));
    if (trimmed.size() > longestAmount)
        return refused(QStringLiteral("That is too long to be an amount. Type it in digits, like 1,000."));
    if (const auto amount = AmountText::parse(trimmed))
        return {*amount, QString()};
    const QLocale locale;
    const QString sign = locale.negativeSign();
    if (trimmed.startsWith(sign) || trimmed.startsWith(QLatin1Char('-')))
        return refused(QStringLiteral("An amount can't be below zero."));
    const QString point = locale.decimalPoint();
    if (const qsizetype at = trimmed.indexOf(point); at > 0) {
        if (onlyDigitsAndGrouping(trimmed.left(at)) && onlyDigitsAndGrouping(trimmed.mid(at + point.size())))
            return refused(QStringLiteral("Chips are whole: type an amount without a fraction."));
    }
    // Whole digits that still do not read are past the largest count of chips there can be.
    if (onlyDigitsAndGrouping(trimmed) && QString(trimmed).remove(locale.groupSeparator()).size() >= 19)
        return refused(QStringLiteral("That is more chips than any stack holds."));
    return refused(QStringLiteral("Type the amount in digits, like 1,000."));
}

QPointF AmountEntry::problemCorner(const QRectF& field, const QSizeF& size) {
    constexpr double gap = 6;
    return {field.left() - gap - size.width(), field.center().y() - size.height() / 2};
}
