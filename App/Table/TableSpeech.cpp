#include "Table/TableSpeech.h"

#include "Table/LogDiff.h"

namespace TableSpeech {

using PokerEngine::PlayerView;

std::optional<PokerEngine::LegalActions> newTurn(const std::optional<PlayerView>& from,
                                                 const PlayerView& to) {
    if (!to.legalActions) {
        return std::nullopt;
    }
    const bool movedOn =
        !from || !from->legalActions || from->handNumber != to.handNumber || from->log.size() < to.log.size();
    return movedOn ? to.legalActions : std::nullopt;
}

QStringList change(const std::optional<PlayerView>& from, const PlayerView& to, const TableText& text) {
    return TableAnnouncer::lines(LogDiff::newEvents(from, to), to.seatIndex, newTurn(from, to), text);
}

QStringList appearing(const std::optional<PlayerView>& told, const PlayerView& now, bool controlsShow,
                      const TableText& text) {
    return TableAnnouncer::lines(LogDiff::newEvents(told, now), now.seatIndex,
                                 controlsShow ? now.legalActions : std::nullopt, text);
}

} // namespace TableSpeech
