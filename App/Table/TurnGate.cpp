#include "Table/TurnGate.h"

namespace TurnGate {

bool ready(const PokerEngine::PlayerView* current, const PokerEngine::PlayerView* shown, bool cardsComing) {
    return current && shown && current->legalActions && !cardsComing && *current == *shown;
}

bool open(bool ready, BottomRow row, bool guideOpen) {
    return ready && row == BottomRow::actionBar && !guideOpen;
}

QString notNow(const Standing& standing) {
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

} // namespace TurnGate
