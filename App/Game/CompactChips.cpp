#include "Game/CompactChips.h"

QString compactChips(std::int64_t amount) {
    if (amount <= 999) {
        return QString::number(amount);
    }
    const bool millions = amount >= 1'000'000;
    const std::int64_t divisor = millions ? 1'000'000 : 1'000;
    const QString suffix = millions ? QStringLiteral("M") : QStringLiteral("k");
    const std::int64_t tenths = amount / (divisor / 10);
    const std::int64_t whole = tenths / 10;
    const std::int64_t tenth = tenths % 10;
    if (tenths < 1000 && tenth != 0) {
        return QString::number(whole) + QLatin1Char('.') + QString::number(tenth) + suffix;
    }
    return QString::number(whole) + suffix;
}
