#include "Game/RaisePreset.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>

using PokerEngine::checkedAdd;
using PokerEngine::checkedMul;
using PokerEngine::checkedSub;

std::optional<RaisePreset> raisePresetFromRaw(int raw) {
    if (raw < 0 || raw > 4) {
        return std::nullopt;
    }
    return static_cast<RaisePreset>(raw);
}

QString label(RaisePreset preset) {
    switch (preset) {
    case RaisePreset::min:
        return QStringLiteral("Min");
    case RaisePreset::halfPot:
        return QStringLiteral("½ Pot");
    case RaisePreset::threeQuarterPot:
        return QStringLiteral("¾ Pot");
    case RaisePreset::pot:
        return QStringLiteral("Pot");
    case RaisePreset::allIn:
        return QStringLiteral("All-in");
    }
    return {};
}

QString description(RaisePreset preset) {
    switch (preset) {
    case RaisePreset::min:
        return QStringLiteral("The smallest raise allowed");
    case RaisePreset::halfPot:
        return QStringLiteral("Raise by half the pot");
    case RaisePreset::threeQuarterPot:
        return QStringLiteral("Raise by three quarters of the pot");
    case RaisePreset::pot:
        return QStringLiteral("Raise by the size of the pot");
    case RaisePreset::allIn:
        return QStringLiteral("Bet every chip you have");
    }
    return {};
}

std::optional<QChar> keyDigit(RaisePreset preset) {
    if (preset == RaisePreset::min) {
        return std::nullopt;
    }
    return QChar(u'0' + rawValue(preset));
}

QString help(RaisePreset preset) {
    QString text = label(preset);
    if (const auto digit = keyDigit(preset)) {
        text += QStringLiteral(" (") + *digit + QLatin1Char(')');
    }
    QString said = description(preset);
    if (!said.isEmpty()) {
        said[0] = said[0].toLower();
    }
    return text + QStringLiteral(": ") + said;
}

namespace {

struct PotFraction {
    std::int64_t numerator;
    std::int64_t denominator;
};

std::optional<PotFraction> potFraction(RaisePreset preset) {
    switch (preset) {
    case RaisePreset::halfPot:
        return PotFraction{1, 2};
    case RaisePreset::threeQuarterPot:
        return PotFraction{3, 4};
    case RaisePreset::pot:
        return PotFraction{1, 1};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::int64_t> amount(RaisePreset preset, const PokerEngine::PlayerView& view) {
    if (!view.legalActions || !view.legalActions->minRaiseTo) {
        return std::nullopt;
    }
    const std::int64_t minimum = *view.legalActions->minRaiseTo;
    const std::int64_t maximum = view.legalActions->maxRaiseTo;
    const auto fraction = potFraction(preset);
    if (!fraction) {
        return preset == RaisePreset::allIn ? maximum : minimum;
    }
    std::int64_t streetBet = 0;
    if (view.seatIndex) {
        const auto seat = *view.seatIndex;
        CW_PRECONDITION(seat >= 0 && seat < static_cast<std::int64_t>(view.seats.size()));
        streetBet = view.seats[static_cast<std::size_t>(seat)].streetBet;
    }
    const std::int64_t toCall = checkedSub(view.currentBet, streetBet);
    const std::int64_t base = checkedAdd(view.totalPot(), toCall);
    const std::int64_t raw =
        checkedAdd(view.currentBet, checkedMul(base, fraction->numerator) / fraction->denominator);
    const std::int64_t unit = std::max<std::int64_t>(view.blinds.smallBlind, 1);
    const std::int64_t rounded = checkedMul(checkedAdd(raw, unit / 2) / unit, unit);
    return std::clamp(rounded, minimum, std::max(minimum, maximum));
}

std::optional<RaisePreset> raisePresetForDigit(QChar typed) {
    if (typed < u'1' || typed > u'4') {
        return std::nullopt;
    }
    return static_cast<RaisePreset>(typed.unicode() - u'0');
}

std::optional<RaisePreset> selectedRaisePreset(std::int64_t amount, std::optional<RaisePreset> chosen,
                                               const RaisePresetAmounts& amounts) {
    if (chosen) {
        const auto entry = amounts.find(*chosen);
        if (entry != amounts.end() && entry->second == amount) {
            return chosen;
        }
    }
    for (const RaisePreset preset : allRaisePresets) {
        const auto entry = amounts.find(preset);
        if (entry != amounts.end() && entry->second == amount) {
            return preset;
        }
    }
    return std::nullopt;
}
