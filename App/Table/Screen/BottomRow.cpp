#include "Table/Screen/BottomRow.h"

#include "Table/ChipText.h"
#include "Table/Screen/TopBarText.h"

#include <algorithm>

namespace TableScreenRules {

bool isPaused(const PauseReasons& reasons) {
    return TopBarText::showsPaused(reasons);
}

BottomRow bottomRow(const BottomRowInputs& in) {
    if (in.confirmingLeave && !in.tableOver) {
        return BottomRow::leaveConfirmation;
    }
    if (in.practiceCaption) {
        return BottomRow::practiceCaption;
    }
    if (in.tableOver && !in.showingResult) {
        return BottomRow::tableOver;
    }
    if (isPaused(in.pauseReasons)) {
        return BottomRow::paused;
    }
    if (in.shownStreet == PokerEngine::Street::handComplete) {
        return BottomRow::showdownBanner;
    }
    if (!in.shownHasLegalActions) {
        return BottomRow::waitingLine;
    }
    return BottomRow::actionBar;
}

LeaveConfirmation leaveConfirmation(std::optional<GameMode> mode, std::int64_t forfeit) {
    LeaveConfirmation confirmation;
    const bool sitAndGo = mode == GameMode::sitAndGo;
    confirmation.title =
        sitAndGo ? QStringLiteral("Forfeit the Sit & Go?") : QStringLiteral("Leave mid-hand?");
    if (sitAndGo) {
        confirmation.detail =
            QStringLiteral("You lose the ") + ChipText::full(forfeit) + QStringLiteral("-chip buy-in.");
    } else if (forfeit >= 1) {
        confirmation.detail = QStringLiteral("That folds this hand: the ") + ChipText::full(forfeit) +
                              QStringLiteral(" chips you put in are lost.");
    }
    confirmation.button = TopBarText::leaveTitle(mode);
    return confirmation;
}

QString waitingLine(const std::optional<QString>& thinkingName, const std::optional<QString>& actingName) {
    if (thinkingName) {
        return *thinkingName + QStringLiteral(" is thinking\u2026");
    }
    if (actingName) {
        return QStringLiteral("Waiting for ") + *actingName + QStringLiteral("\u2026");
    }
    return QStringLiteral(" ");
}

double bannerDelay(double timelineEnd) {
    return std::clamp(timelineEnd, 0.0, 1.5);
}

} // namespace TableScreenRules
