#pragma once

#include "Style/AnimationCurve.h"
#include "Style/MotionStyle.h"
#include "Style/TableTheme.h"
#include "Table/ChipFlight.h"
#include "Table/MotionCue.h"
#include "Table/SeatModel.h"
#include "Table/TableGeometry.h"

#include "PokerEngine/Card.h"
#include "PokerEngine/PlayerView.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// How an item of the stage comes in or goes out: a slide (with its offset from the item's place, a
// turn, a scale and perhaps a fade), or under Reduce Motion a plain fade; `gated` keeps a delayed item
// invisible until its movement starts.
struct StageTransition {
    AnimationCurve curve = AnimationCurve::linear(0);
    double delay = 0;
    SlideEffect slide;
    bool fadeOnly = false;
    bool gated = false;
};

// One thing drawn on the stage, keyed by an identity that names its hand, seat and index, so a new
// hand's cards and bets are new items that arrive while the old ones leave.
struct StageItem {
    enum class Kind {
        boardCard,
        holeCard,
        heroCard,
        bet,
        lastAction,
        pot,
        handTag,
        nameplate,
        dealer,
        flight
    };
    enum class Light { none, lit, dimmed };

    Kind kind = Kind::boardCard;
    QString id;
    QPointF center;
    double rotationDegrees = 0;
    double scale = 1;
    double opacity = 1;
    QSizeF size;

    // Cards: the face (absent: the back), the angle it starts turned by (180: face down, turning up
    // after `flipDelay`), the delay before a card that arrives later turns, and its showdown light.
    std::optional<PokerEngine::Card> card;
    double startAngle = 0;
    std::optional<double> flipDelay;
    double revealDelay = 0;
    Light light = Light::none;

    // The seat a bet, a hole card, a plate or the dealer button belongs to; the amount of a bet or a
    // flight; the text of the last action, its lines split by line feeds.
    std::int64_t seat = -1;
    std::int64_t amount = 0;
    QString text;
    // A plate's check knocks so far.
    int knocks = 0;
    // A plate's ring and "Your turn" tag, each 1 when shown and 0 when not, and the opacity of its avatar
    // and words; each change fades.
    double plateRing = 0;
    double turnTag = 0;
    double content = 1;
    // A bet's amount, the pot or a plate's stack (in `amount`) rolls its digits when it changes.
    bool rolls = false;
    // Only one of its kind is seen at a time: arriving while another leaves, it waits until that one
    // has gone, and one replaced before it began to show is never shown (the last action's sentence).
    bool takesTurns = false;

    StageTransition arrival;
    StageTransition removal;
    // How a change of place, scale or opacity moves; absent: at once.
    std::optional<StageTransition> change;

    // A flight's start, its delay and its planned time in the air.
    QPointF from;
    double flightDelay = 0;
    double flightDuration = 0;
};

// Everything the stage reads of the presenter's timeline for one redraw.
struct StageTimeline {
    std::unordered_map<MotionCue, TimedCue> cues;
    std::map<std::int64_t, BetExit> betExits;
    std::map<std::int64_t, int> knocks;
    std::vector<ChipFlight> flights;
    bool holdsDeal = false;
    // The player's turn is held back (cards still coming, the table held): its tag and ring wait.
    bool turnHeld = false;
};

struct StageInputs {
    const PokerEngine::PlayerView* view = nullptr;
    const std::vector<SeatModel>* seats = nullptr;
    TableGeometry geometry;
    TableTheme theme;
    StageTimeline timeline;
    std::optional<QString> lastAction;
    bool paused = false;
    bool handTag = false;
    std::optional<std::unordered_set<PokerEngine::Card>> litCards;
    // The drawn sizes of a bet marker (its chips and its amount) and of a plate's tag, so a bet can
    // stand clear of its plate; without them a bet stands at its anchor.
    std::function<QSizeF(std::int64_t amount)> betSize;
    std::function<QSizeF(const QString& text)> tagSize;
    // The drawn size of the last action's sentence set in `lines`, so it can keep clear of the bets;
    // without it the sentence stands on one line.
    std::function<QSizeF(const QStringList& lines)> sentenceSize;
};

// The movements of the table by style; Reduce Motion turns each into the short fade.
namespace StageMotion {
AnimationCurve deal(const TableTheme& theme);
AnimationCurve betArrival(const TableTheme& theme);
// Absent under Reduce Motion: the button jumps.
std::optional<AnimationCurve> dealerMove(const TableTheme& theme);
AnimationCurve flight(const TableTheme& theme);
AnimationCurve reveal(const TableTheme& theme);
AnimationCurve busted(const TableTheme& theme);
AnimationCurve flip(const TableTheme& theme);
// A board card starts turning face up this long after it sets off.
inline constexpr double boardTurnLag = 0.2;
// How long a board card takes from setting off to lying face up.
double boardSeen(const TableTheme& theme);
// A plate's ring fades in and out; the pixel ring is simply redrawn on or off.
AnimationCurve plateRing(const TableTheme& theme);
// The "Your turn" tag fades, in whole frames in the pixel style.
AnimationCurve turnTag(const TableTheme& theme);
// Amounts roll their digits in satin and paper; never in pixel or under Reduce Motion.
bool amountsRoll(const TableTheme& theme);
} // namespace StageMotion

// The stage's items for one redraw, back to front, from the shown view and the presenter's timeline.
// Pure: the stage widget keeps the items alive across redraws and animates what changed.
namespace StageLayout {

std::vector<StageItem> items(const StageInputs& inputs);

// Where in the hand's log the event the last action's sentence tells stands: the latest blind, board,
// action or award; absent before any and once the hand is complete.
std::optional<std::size_t> toldEvent(const PokerEngine::PlayerView& view);
// "Board: Ace of spades, Ten of hearts, Two of clubs"; absent for an empty board.
std::optional<QString> boardLabel(const std::vector<PokerEngine::Card>& board);
// A plate may show that its seat is to act: a bot's not on a paused table, the player's own once
// their turn is open.
bool showsTurn(const SeatModel& seat, bool paused, bool turnHeld);
// The slot of a seat, 0 when no model has that seat.
int slotOf(std::int64_t seat, const std::vector<SeatModel>& seats);
// When the timeline's last cue ends, never later than 1.5 s.
double potLanded(const std::unordered_map<MotionCue, TimedCue>& cues);
// The last action's sentence as it keeps clear of `bets` (where they stand, with their sizes): on one
// line centred at `centre` when that clears them, else the least shrinking (`scale`, where `shrinks`),
// then the fewest lines, that do; its bottom edge stays, so a taller sentence grows away from the board.
struct Sentence {
    QStringList lines;
    double scale = 1;
    QPointF centre;
    QSizeF size;
    bool operator==(const Sentence&) const = default;
};
Sentence fitSentence(const QString& text, QPointF centre, const std::vector<QRectF>& bets,
                     const std::function<QSizeF(const QStringList&)>& size, bool shrinks);
// The identity of a hand's tag beside the player's cards.
QString handTagId(std::int64_t handNumber);
// Left edge and width of the hand tag beside the player's cards.
QPointF handTagOrigin(const TableGeometry& geometry);
double handTagWidth(const TableGeometry& geometry);

} // namespace StageLayout
