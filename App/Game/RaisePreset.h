#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <optional>

namespace PokerEngine {
struct PlayerView;
}

// The quick raise sizes of the action bar. The raw values (0 to 4) are stable: they are stored.
enum class RaisePreset { min = 0, halfPot = 1, threeQuarterPot = 2, pot = 3, allIn = 4 };

inline constexpr std::array<RaisePreset, 5> allRaisePresets{RaisePreset::min, RaisePreset::halfPot,
                                                            RaisePreset::threeQuarterPot, RaisePreset::pot,
                                                            RaisePreset::allIn};

std::optional<RaisePreset> raisePresetFromRaw(int raw);
constexpr int rawValue(RaisePreset preset) {
    return static_cast<int>(preset);
}

QString label(RaisePreset preset);
QString description(RaisePreset preset);
// The key that picks the preset; the minimum has none.
std::optional<QChar> keyDigit(RaisePreset preset);
// The button's tooltip, e.g. "½ Pot (1): raise by half the pot".
QString help(RaisePreset preset);

// The street total the preset raises to in this view, or absent when the viewer cannot bet or raise.
// Pot sizes round to the nearest multiple of the small blind and stay within the legal range.
std::optional<std::int64_t> amount(RaisePreset preset, const PokerEngine::PlayerView& view);

// "1" to "4" pick the pot sizes and all-in; no key picks the minimum.
std::optional<RaisePreset> raisePresetForDigit(QChar typed);

using RaisePresetAmounts = std::map<RaisePreset, std::int64_t>;

// Which preset to highlight for the amount entered: the player's own pick when it still matches,
// else the earliest preset of that amount.
std::optional<RaisePreset> selectedRaisePreset(std::int64_t amount, std::optional<RaisePreset> chosen,
                                               const RaisePresetAmounts& amounts);
