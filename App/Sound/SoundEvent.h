#pragma once

#include <array>
#include <optional>
#include <string_view>

// The table's sounds. The raw values name them in the sound cache and in tools.
enum class SoundEvent { cardDeal, cardFlip, chipBet, chipCollect, chipWin, turnChime, winChime, checkKnock };

inline constexpr std::array<SoundEvent, 8> allSoundEvents{
    SoundEvent::cardDeal, SoundEvent::cardFlip,  SoundEvent::chipBet,  SoundEvent::chipCollect,
    SoundEvent::chipWin,  SoundEvent::turnChime, SoundEvent::winChime, SoundEvent::checkKnock};

// "card.deal", "chip.bet", ...
std::string_view toString(SoundEvent event);
// The event whose raw value is exactly `text`.
std::optional<SoundEvent> soundEventFromString(std::string_view text);
