#include "Table/TurnGate.h"

#include "Table/TableSpeech.h"

#include <algorithm>

namespace TurnGate {

bool ready(const PokerEngine::PlayerView* current, const PokerEngine::PlayerView* shown, bool cardsComing) {
    return current && shown && current->legalActions && !cardsComing && *current == *shown;
}

bool open(bool ready, BottomRow row, bool guideOpen) {
    return ready && row == BottomRow::actionBar && !guideOpen;
}

QString notNow(const Standing& standing) {
    if (standing.guideOpen) {
        return QStringLiteral("Poker Basics covers the table. Press Escape to go back to it.");
    }
    if (standing.caption) {
        return standing.caption->keys();
    }
    if (standing.paused) {
        return QStringLiteral("Paused. Press P to resume.");
    }
    if (standing.playersTurn) {
        return standing.cardsComing ? QStringLiteral("Not yet: the cards are still being dealt.")
                                    : QStringLiteral("Not yet: your turn is about to open.");
    }
    if (standing.awaited) {
        return QStringLiteral("Not your turn. Waiting for ") + *standing.awaited + QStringLiteral(".");
    }
    return QStringLiteral("Not your turn.");
}

QString noRaise(const PokerEngine::PlayerView& view) {
    const auto& legal = *view.legalActions;
    const bool opponentCanAct = std::any_of(view.seats.begin(), view.seats.end(), [&view](const auto& seat) {
        return seat.index != view.seatIndex && seat.status == PokerEngine::SeatStatus::active;
    });
    QString why;
    if (legal.maxRaiseTo <= view.currentBet) {
        why = QStringLiteral("No raise: calling puts you all in.");
    } else if (!opponentCanAct) {
        why = QStringLiteral("No raise: every opponent is all in.");
    } else {
        why = QStringLiteral("No raise: a short all-in does not reopen the betting to you.");
    }
    return why + QLatin1Char(' ') + TableSpeech::actionKeys(legal);
}

} // namespace TurnGate
