#include "Table/ChipText.h"

#include <QLocale>

namespace ChipText {

QString full(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

QString compact(std::int64_t amount) {
    // The magnitude as unsigned, so the most negative amount has one too.
    const std::uint64_t magnitude = amount < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(amount)
                                               : static_cast<std::uint64_t>(amount);
    if (magnitude < 10'000) {
        return full(amount);
    }
    const bool thousands = magnitude < 999'950;
    const std::uint64_t divisor = thousands ? 1'000 : 1'000'000;
    // Tenths rounded half up, without forming magnitude × 10, which could overflow.
    const std::uint64_t tenths =
        magnitude / divisor * 10 + (magnitude % divisor * 10 + divisor / 2) / divisor;
    QString text = amount < 0 ? QStringLiteral("-") : QString();
    text += QString::number(tenths / 10);
    if (tenths % 10 != 0) {
        text += QLatin1Char('.') + QString::number(tenths % 10);
    }
    text += thousands ? QLatin1Char('k') : QLatin1Char('M');
    return text;
}

} // namespace ChipText
