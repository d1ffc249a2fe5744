#include "Style/SheetControls.h"

#include "Style/Ornaments.h"

#include <QLocale>
#include <QStringList>
#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cmath>

namespace {
QString grouped(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}
} // namespace

StakeCard StakeCard::make(CashStakes stakes, CashStakes selection, std::int64_t spendable) {
    StakeCard card;
    const std::int64_t minimum = Stakes::minimumBuyIn(stakes);
    card.stakes = stakes;
    card.title = Stakes::blinds(stakes);
    card.locked = spendable < minimum;
    card.selected = !card.locked && selection == stakes;
    card.chip = Stakes::chip(stakes);
    card.subtitle = card.locked ? QStringLiteral("Needs %1").arg(grouped(minimum))
                                : QStringLiteral("Buy-in %1+").arg(grouped(minimum));
    card.accessibleName = card.locked
                              ? QStringLiteral("%1, locked, needs %2 chips").arg(card.title, grouped(minimum))
                              : QStringLiteral("%1, buy-in from %2 chips").arg(card.title, grouped(minimum));
    return card;
}

namespace Stakes {

std::int64_t minimumBuyIn(CashStakes stakes) {
    return minimumBigBlinds * bigBlind(stakes);
}

ChipDenomination chip(CashStakes stakes) {
    switch (stakes) {
    case CashStakes::low:
        return ChipDenomination::d5;
    case CashStakes::medium:
        return ChipDenomination::d25;
    case CashStakes::high:
        return ChipDenomination::d100;
    }
    return ChipDenomination::d5;
}

QString blinds(CashStakes stakes) {
    const std::int64_t big = bigBlind(stakes);
    return QStringLiteral("%1/%2").arg(big >> 1).arg(big);
}

QString shortfall(CashStakes stakes, std::int64_t spendable) {
    return QStringLiteral("%1 needs %2 chips (40 BB). You have %3.")
        .arg(blinds(stakes), grouped(minimumBuyIn(stakes)), grouped(spendable));
}

} // namespace Stakes

namespace BuyInScale {

std::int64_t limit(std::int64_t cap) {
    return std::min(std::max<std::int64_t>(cap, Stakes::minimumBigBlinds), Stakes::maximumBigBlinds);
}

std::int64_t shown(std::int64_t bigBlinds, std::int64_t cap) {
    return std::min(std::max<std::int64_t>(bigBlinds, Stakes::minimumBigBlinds), limit(cap));
}

double x(double value, double width) {
    const double travel = width - 2 * edge;
    return edge + travel * (value - 40) / 60;
}

std::int64_t valueAt(double fraction, std::int64_t cap) {
    const double f = std::isnan(fraction) ? 0 : std::clamp(fraction, 0.0, 1.0);
    const auto raw = static_cast<std::int64_t>(40 + std::round(f * 60));
    std::int64_t snapped = raw;
    for (int detent : detents) {
        if (std::abs(raw - detent) <= 2) {
            snapped = detent;
            break;
        }
    }
    return shown(snapped, cap);
}

std::int64_t stepped(std::int64_t bigBlinds, std::int64_t cap, std::int64_t step) {
    return std::clamp<std::int64_t>(shown(bigBlinds, cap) + step, Stakes::minimumBigBlinds, limit(cap));
}

std::optional<std::int64_t> keyed(int key, bool shift, std::int64_t bigBlinds, std::int64_t cap) {
    const std::int64_t arrow = shift ? 10 : 1;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        return stepped(bigBlinds, cap, arrow);
    case Qt::Key_Left:
    case Qt::Key_Down:
        return stepped(bigBlinds, cap, -arrow);
    case Qt::Key_PageUp:
        return stepped(bigBlinds, cap, 10);
    case Qt::Key_PageDown:
        return stepped(bigBlinds, cap, -10);
    case Qt::Key_Home:
        return Stakes::minimumBigBlinds;
    case Qt::Key_End:
        return limit(cap);
    default:
        return std::nullopt;
    }
}

QString spokenValue(std::int64_t bigBlinds, std::int64_t cap, std::int64_t bigBlind) {
    const std::int64_t value = shown(bigBlinds, cap);
    QString text = QStringLiteral("%1 chips, %2 big blinds").arg(grouped(value * bigBlind)).arg(value);
    if (cap < Stakes::maximumBigBlinds)
        text += QStringLiteral(". You can afford up to %1 big blinds").arg(limit(cap));
    return text;
}

} // namespace BuyInScale

namespace SlidingPickerRules {

int stepped(std::optional<int> from, int count, int by) {
    if (count < 1)
        return 0;
    if (!from)
        return by > 0 ? 0 : count - 1;
    return std::clamp(*from + by, 0, count - 1);
}

int tabStop(std::optional<int> selected, int count) {
    return selected && *selected >= 0 && *selected < count ? *selected : 0;
}

double titleScale(double widestTitle, double segmentWidth) {
    const double room = segmentWidth - 2 * titleInset;
    if (widestTitle <= 0 || room >= widestTitle)
        return 1;
    return std::max(minimumTitleScale, room / widestTitle);
}

} // namespace SlidingPickerRules

QString StepperUnit::accessibleName() const {
    QStringList words = many.split(u' ');
    for (QString& word : words)
        if (!word.isEmpty())
            word = word.left(1).toUpper() + word.mid(1).toLower();
    return words.join(u' ');
}

double BuyInScale::chipBottom(double scale) {
    const ChipFaceGeometry chip{chipDiameter};
    return chipCentreY + scale * (chipDiameter / 2 + chip.edgeDrop());
}

RGB SlidingPickerRules::trackColour(bool dark, bool increaseContrast) {
    return (dark ? RGB::white : RGB::black).withAlpha(increaseContrast ? 0.16 : 0.07);
}

RGB SlidingPickerRules::pillColour(bool dark) {
    return dark ? RGB{0.39, 0.39, 0.39, 1} : RGB::white;
}
