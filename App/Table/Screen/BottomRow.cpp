#include "Table/Screen/BottomRow.h"

#include "Learn/HandTag.h"
#include "Learn/ShowdownWhy.h"
#include "Style/MotionStyle.h"
#include "Table/ChipText.h"
#include "Table/Screen/TopBarText.h"

#include <algorithm>

namespace TableScreenRules {

bool takesKeys(BottomRow row) {
    return row == BottomRow::tableOver || row == BottomRow::practiceCaption ||
           row == BottomRow::leaveConfirmation;
}

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
    // The guide's own pause is the guide's to lift: the message under it would only flash as the guide
    // rises and falls, offering a key the guide does not take.
    PauseReasons shownPause = in.pauseReasons;
    shownPause.erase(PauseReason::guide);
    if (isPaused(shownPause)) {
        return BottomRow::paused;
    }
    if (in.shownStreet == PokerEngine::Street::handComplete) {
        return BottomRow::showdownBanner;
    }
    if (!in.shownHasLegalActions || in.turnWaits) {
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
    if (sitAndGo) {
        confirmation.buttonName = QStringLiteral("Forfeit the Sit & Go");
    } else {
        confirmation.buttonName = confirmation.button + (forfeit >= 1 ? QStringLiteral(" and fold this hand")
                                                                      : QStringLiteral(" now"));
    }
    return confirmation;
}

bool explainsShowdown(bool learning, std::size_t winnerRows) {
    return learning && winnerRows == 1;
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

std::optional<std::int64_t> awaitedSeat(const PokerEngine::PlayerView& view) {
    if (view.actingIndex == view.seatIndex) {
        return std::nullopt;
    }
    return view.actingIndex;
}

double bannerDelay(double timelineEnd) {
    return std::clamp(timelineEnd, 0.0, 1.5);
}

double timelineLeft(double end, double since) {
    return std::max(end - since, 0.0);
}

std::optional<RowMotion> rowInsertion(BottomRow row, const TableTheme& theme, double timelineEnd) {
    switch (row) {
    case BottomRow::practiceCaption:
        return RowMotion{AnimationCurve::easeOut(0.18), 0, 1};
    case BottomRow::actionBar:
        return RowMotion{AnimationCurve::easeOut(0.15), 0, 1};
    case BottomRow::showdownBanner: {
        const AnimationCurve curve = theme.style == TableStyleID::pixel
                                         ? AnimationCurve::stepped({0.22, MotionStyle::pixelFps})
                                         : AnimationCurve::easeOut(0.22);
        return RowMotion{curve, bannerDelay(timelineEnd), theme.reduceMotion ? 1.0 : 0.96};
    }
    default:
        return std::nullopt;
    }
}

std::optional<RowMotion> rowRemoval(BottomRow row) {
    switch (row) {
    case BottomRow::practiceCaption:
    case BottomRow::showdownBanner:
        return RowMotion{AnimationCurve::easeOut(0.18), 0, 1};
    case BottomRow::actionBar:
        return RowMotion{AnimationCurve::easeOut(0.15), 0, 1};
    default:
        return std::nullopt;
    }
}

std::optional<RowMotion> rowHandOff(std::optional<BottomRow> from, BottomRow to, const TableTheme& theme,
                                    double timelineEnd) {
    const auto coming = rowInsertion(to, theme, timelineEnd);
    const auto going = from && *from != to ? rowRemoval(*from) : std::nullopt;
    if (!going) {
        return coming;
    }
    RowMotion motion = coming.value_or(RowMotion{AnimationCurve::easeOut(0.15), 0, 1});
    motion.delay = std::max(motion.delay, going->delay + going->curve.duration());
    return motion;
}

bool isLearning(bool learningMode, std::optional<GameMode> mode) {
    return learningMode || mode == GameMode::practice;
}

std::optional<BotKit::StartingHand> heroHand(const std::optional<PokerEngine::PlayerView>& view) {
    if (!view || view->holeCards.size() != 2) {
        return std::nullopt;
    }
    return BotKit::StartingHand(view->holeCards[0], view->holeCards[1]);
}

std::optional<QString> guideHeldRank(bool learning, const std::optional<PokerEngine::PlayerView>& view) {
    if (!learning || !view) {
        return std::nullopt;
    }
    return heldRankName(*view);
}

std::map<std::int64_t, std::vector<PokerEngine::Card>>
explainedUnshownCards(bool learning, const PokerEngine::PlayerView& view,
                      std::optional<std::int64_t> recordHand,
                      const std::map<std::int64_t, std::vector<PokerEngine::Card>>& recordCards) {
    if (!learning || view.street != PokerEngine::Street::handComplete || recordHand != view.handNumber) {
        return {};
    }
    const auto winner = ShowdownWhy::betYouOff(view.log, view.seatIndex);
    if (!winner) {
        return {};
    }
    const auto found = recordCards.find(*winner);
    if (found == recordCards.end()) {
        return {};
    }
    return {{found->first, found->second}};
}

QString captionIdentity(const PracticeCaption& caption) {
    return std::holds_alternative<PracticeCaption::Folded>(caption.kind) ? QStringLiteral("folded")
                                                                         : caption.title;
}

} // namespace TableScreenRules
