#pragma once

#include "Game/GameMode.h"
#include "Game/PauseReason.h"

#include "PokerEngine/PlayerView.h"

#include <QString>

#include <cstdint>
#include <optional>

// Which one thing the area under the table shows; the first that applies wins.
enum class BottomRow {
    leaveConfirmation,
    practiceCaption,
    tableOver,
    paused,
    showdownBanner,
    waitingLine,
    actionBar
};

struct BottomRowInputs {
    bool confirmingLeave = false;
    bool tableOver = false;
    bool showingResult = false;
    // The practice narration gives a caption for the shown view.
    bool practiceCaption = false;
    PauseReasons pauseReasons;
    // The view the stage shows, which may lag behind the controller's while the timeline plays.
    PokerEngine::Street shownStreet = PokerEngine::Street::waitingToStart;
    bool shownHasLegalActions = false;
};

// The screen's rules that need no widget. Pure.
namespace TableScreenRules {

BottomRow bottomRow(const BottomRowInputs& inputs);

// The table is stopped for a reason the player sees (the practice hold alone does not dim the table).
bool isPaused(const PauseReasons& reasons);

struct LeaveConfirmation {
    QString title;
    std::optional<QString> detail;
    QString button;
    bool operator==(const LeaveConfirmation&) const = default;
};
// `forfeit`: what leaving now would cost.
LeaveConfirmation leaveConfirmation(std::optional<GameMode> mode, std::int64_t forfeit);

// "Rascal is thinking…", "Waiting for Goldie…", or a single space.
QString waitingLine(const std::optional<QString>& thinkingName, const std::optional<QString>& actingName);

// When the showdown banner starts appearing after its view shows: once the timeline is over, never
// later than 1.5 s.
double bannerDelay(double timelineEnd);

} // namespace TableScreenRules
