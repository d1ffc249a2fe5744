#include "Sound/SoundEvent.h"

std::string_view toString(SoundEvent event) {
    switch (event) {
    case SoundEvent::cardDeal:
        return "card.deal";
    case SoundEvent::cardFlip:
        return "card.flip";
    case SoundEvent::chipBet:
        return "chip.bet";
    case SoundEvent::chipCollect:
        return "chip.collect";
    case SoundEvent::chipWin:
        return "chip.win";
    case SoundEvent::turnChime:
        return "turn.chime";
    case SoundEvent::winChime:
        return "win.chime";
    case SoundEvent::checkKnock:
        return "check.knock";
    }
    return "";
}

std::optional<SoundEvent> soundEventFromString(std::string_view text) {
    for (auto event : allSoundEvents) {
        if (toString(event) == text) {
            return event;
        }
    }
    return std::nullopt;
}
