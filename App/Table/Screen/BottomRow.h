#pragma once

#include "Game/GameMode.h"
#include "Game/PauseReason.h"
#include "Learn/PracticeCaption.h"
#include "Style/AnimationCurve.h"
#include "Style/TableTheme.h"

#include "BotKit/StartingHand.h"
#include "PokerEngine/PlayerView.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

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
    // The decision shown is not yet the player's to take (cards still on their way, the stage still
    // catching up with the game): their turn waits for it.
    bool turnWaits = false;
};

// The screen's rules that need no widget. Pure.
namespace TableScreenRules {

BottomRow bottomRow(const BottomRowInputs& inputs);

// The row takes the keys as it comes, from wherever they are in the window: the practice caption, the
// end of the game on its primary button, where the table's own keys have nothing left to do, and the
// question before leaving on "Keep Playing", so a Return that follows gives nothing up unseen.
bool takesKeys(BottomRow row);

// The table is stopped for a reason the player sees (the practice hold alone does not dim the table).
bool isPaused(const PauseReasons& reasons);

struct LeaveConfirmation {
    QString title;
    std::optional<QString> detail;
    QString button;
    // The button's name for a screen reader, saying what it does to the game: the toolbar's leave
    // button has the same title and must not sound the same.
    QString buttonName;
    // The answer that stays.
    QString keepPlaying = QStringLiteral("Keep Playing");
    bool operator==(const LeaveConfirmation&) const = default;
};
// `forfeit`: what leaving now would cost.
LeaveConfirmation leaveConfirmation(std::optional<GameMode> mode, std::int64_t forfeit);

// The message of a table paused for a reason the player sees.
struct PauseMessage {
    QString title = QStringLiteral("Paused");
    QString detail = QStringLiteral("Press P or click Resume");
    QString button = QStringLiteral("Resume");
    bool operator==(const PauseMessage&) const = default;
};

// The showdown banner explains how the hand was won only in learning mode, and only when one player
// took everything (`winnerRows`: the banner's rows, one a winning seat).
bool explainsShowdown(bool learning, std::size_t winnerRows);

// "Rascal is thinking…", "Waiting for Goldie…", or a single space.
QString waitingLine(const std::optional<QString>& thinkingName, const std::optional<QString>& actingName);
// The seat the waiting line waits for: the one to act, unless it is the player, whose turn waits for
// their cards to be dealt.
std::optional<std::int64_t> awaitedSeat(const PokerEngine::PlayerView& view);

// When the showdown banner starts appearing after its view shows: once the timeline is over, never
// later than 1.5 s.
double bannerDelay(double timelineEnd);
// What is still to come of the latest timeline, which ends `end` seconds after it started `since`
// seconds ago: a row that comes in long after the hand's moves (the result shown again when the guide
// closes) waits for nothing.
double timelineLeft(double end, double since);

// How a row of the area under the table comes in or goes: after `delay`, along `curve`, fading and, when
// `scaleFrom` is below 1, growing to its size about its centre. A row with none appears or goes at once.
struct RowMotion {
    AnimationCurve curve = AnimationCurve::linear(0);
    double delay = 0;
    double scaleFrom = 1;
    bool operator==(const RowMotion&) const = default;
};
// The practice caption and the betting controls fade in; the showdown banner grows in once the
// timeline that ends the hand is over (`timelineEnd`: when its last cue ends), only fading under
// Reduce Motion, in whole frames in the pixel style.
std::optional<RowMotion> rowInsertion(BottomRow row, const TableTheme& theme, double timelineEnd);
// The caption, the banner and the betting controls fade out; the other rows go at once.
std::optional<RowMotion> rowRemoval(BottomRow row);
// How `to` comes in when it takes the place of `from` (none: nothing was showing): as it would alone,
// but only once `from` has faded out, fading in if it had no motion of its own, so the two rows are
// never drawn over each other.
std::optional<RowMotion> rowHandOff(std::optional<BottomRow> from, BottomRow to, const TableTheme& theme,
                                    double timelineEnd);

// A practice caption stays the same caption while its title does (the fold caption is one caption);
// a new one cross-fades with the old.
QString captionIdentity(const PracticeCaption& caption);

// Learning mode's aids show (the hand tag, the explanations, the held rank): the profile asks for them,
// or the table is a practice hand.
bool isLearning(bool learningMode, std::optional<GameMode> mode);
// The player's two cards as a starting hand, for the guide's chart; none without exactly two.
std::optional<BotKit::StartingHand> heroHand(const std::optional<PokerEngine::PlayerView>& view);
// The name of what the player holds, for the guide's rankings: only in learning mode, from the flop on.
std::optional<QString> guideHeldRank(bool learning, const std::optional<PokerEngine::PlayerView>& view);

// Cards a winner never showed that the showdown's explanation may name: in learning mode, once the hand
// is complete, only those of the winner who bet the player off the hand, and only from the record of
// this hand (`recordHand`, the hand the controller's record of unshown cards belongs to). Else none.
std::map<std::int64_t, std::vector<PokerEngine::Card>>
explainedUnshownCards(bool learning, const PokerEngine::PlayerView& view,
                      std::optional<std::int64_t> recordHand,
                      const std::map<std::int64_t, std::vector<PokerEngine::Card>>& recordCards);

} // namespace TableScreenRules
