#include "Table/Screen/StageLayout.h"

#include "Table/Screen/NameplateModel.h"
#include "Table/Screen/PotText.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/SeatLayout.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

using PokerEngine::Card;
using PokerEngine::HandEvent;
using PokerEngine::SeatStatus;
using PokerEngine::Street;
using Kind = StageItem::Kind;

namespace StageMotion {

namespace {

AnimationCurve styled(const TableTheme& theme, double response, double satinDamping) {
    if (theme.reduceMotion) {
        return MotionStyle::reducedFade();
    }
    switch (theme.style) {
    case TableStyleID::satin:
        return AnimationCurve::spring(response, satinDamping);
    case TableStyleID::paper:
        return AnimationCurve::spring(response, 0.9);
    case TableStyleID::pixel:
        break;
    }
    return AnimationCurve::stepped({response, MotionStyle::pixelFps});
}

AnimationCurve eased(const TableTheme& theme, double duration) {
    if (theme.style == TableStyleID::pixel) {
        return AnimationCurve::stepped({duration, MotionStyle::pixelFps});
    }
    return AnimationCurve::easeInOut(duration);
}

} // namespace

AnimationCurve deal(const TableTheme& theme) {
    return styled(theme, 0.32, 0.82);
}

AnimationCurve betArrival(const TableTheme& theme) {
    return styled(theme, 0.34, 0.85);
}

std::optional<AnimationCurve> dealerMove(const TableTheme& theme) {
    if (theme.reduceMotion) {
        return std::nullopt;
    }
    return styled(theme, 0.34, 0.85);
}

AnimationCurve flight(const TableTheme& theme) {
    return styled(theme, 0.45, 0.85);
}

AnimationCurve reveal(const TableTheme& theme) {
    return theme.reduceMotion ? MotionStyle::reducedFade() : eased(theme, 0.26);
}

AnimationCurve busted(const TableTheme& theme) {
    return eased(theme, 0.4);
}

AnimationCurve flip(const TableTheme& theme) {
    return reveal(theme);
}

double boardSeen(const TableTheme& theme) {
    const MotionStyle motion{theme.style, theme.reduceMotion};
    return std::max(motion.boardSlide().duration(), boardTurnLag + flip(theme).duration());
}

AnimationCurve plateRing(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel ? AnimationCurve::linear(0) : AnimationCurve::easeOut(0.2);
}

AnimationCurve turnTag(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel ? AnimationCurve::stepped({0.2, MotionStyle::pixelFps})
                                              : AnimationCurve::easeOut(0.2);
}

bool amountsRoll(const TableTheme& theme) {
    return theme.style != TableStyleID::pixel && !theme.reduceMotion;
}

} // namespace StageMotion

namespace StageLayout {

namespace {

struct Context {
    const StageInputs& in;
    const PokerEngine::PlayerView& view;
    const std::vector<SeatModel>& seats;
    const TableGeometry& geometry;
    const TableTheme& theme;
    MotionStyle motion;
    double grid;
    QPointF dealer;
    QString hand;
    // Where each seat's bet stands, by seat.
    std::map<std::int64_t, QPointF> bets;

    QPointF tablePoint(QPointF unit) const {
        const QRectF& table = geometry.table;
        return QPointF(table.left() + unit.x() * table.width(), table.top() + unit.y() * table.height());
    }
    std::optional<TimedCue> cue(const MotionCue& key) const {
        const auto found = in.timeline.cues.find(key);
        if (found == in.timeline.cues.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    double delayOf(const MotionCue& key) const {
        const auto found = cue(key);
        return found ? found->delay : 0;
    }
    StageItem::Light light(const std::optional<Card>& card) const {
        if (!in.litCards || !card) {
            return StageItem::Light::none;
        }
        return in.litCards->contains(*card) ? StageItem::Light::lit : StageItem::Light::dimmed;
    }

    // A slide in from `offset` (or the fade under Reduce Motion), gated while it waits.
    StageTransition slideIn(AnimationCurve curve, double delay, QPointF offset, double rotation = 0) const {
        StageTransition transition{curve, delay, {}, theme.reduceMotion, delay > 0};
        transition.slide = SlideEffect{0, offset.x(), offset.y(), rotation, 1, grid, false};
        return transition;
    }
    StageTransition fade(AnimationCurve curve, double delay = 0) const {
        return StageTransition{curve, delay, SlideEffect{0, 0, 0, 0, 1, 0, true}, true, false};
    }
};

QString identity(const char* kind, const QString& hand, std::initializer_list<std::int64_t> parts) {
    QString id = QLatin1String(kind) + QLatin1Char('-') + hand;
    for (const auto part : parts) {
        id += QLatin1Char('-') + QString::number(part);
    }
    return id;
}

void addBoard(const Context& c, std::vector<StageItem>& items) {
    for (std::size_t i = 0; i < c.view.board.size() && i < 5; ++i) {
        const int index = static_cast<int>(i);
        StageItem card;
        card.kind = Kind::boardCard;
        card.id = identity("board", c.hand, {index});
        card.center = c.geometry.boardCardCenter(index);
        card.size = c.geometry.metrics.boardCard;
        card.card = c.view.board[i];
        card.light = c.light(card.card);
        double delay = 0;
        if (const auto dealt = c.cue(MotionCue::dealBoard(index))) {
            delay = dealt->delay;
            card.startAngle = 180;
            card.flipDelay = delay + StageMotion::boardTurnLag;
        }
        card.arrival = c.theme.reduceMotion ? c.fade(c.motion.boardSlide(), delay)
                                            : c.slideIn(c.motion.boardSlide(), delay, c.dealer - card.center);
        // The old board fades where it lies: sent back along its deal it would land, faces up, on the
        // new dealer's plate, as if that seat were showing them.
        card.removal = c.fade(c.motion.fold());
        items.push_back(card);
    }
}

// The last action's sentence laid out in order of preference: on one line, then on two, at each
// scale down to its smallest; its bottom edge stays where `centre` puts a line's.
std::vector<Sentence> sentenceLayouts(const QString& text, QPointF centre,
                                      const std::function<QSizeF(const QStringList&)>& size, bool shrinks) {
    std::vector<QStringList> layouts{{text}};
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Two lines split where the longer of them is shortest.
    QStringList halves;
    double narrowest = 0;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QStringList lines{words.mid(0, i).join(QLatin1Char(' ')), words.mid(i).join(QLatin1Char(' '))};
        const double width = size(lines).width();
        if (halves.isEmpty() || width < narrowest) {
            halves = lines;
            narrowest = width;
        }
    }
    if (!halves.isEmpty()) {
        layouts.push_back(halves);
    }
    const double bottom = centre.y() + size({text}).height() / 2;
    std::vector<Sentence> sentences;
    for (const double scale : shrinks ? std::vector<double>{1, 0.9, 0.8} : std::vector<double>{1}) {
        for (const QStringList& lines : layouts) {
            const QSizeF natural = size(lines);
            const QSizeF drawn = natural * scale;
            sentences.push_back(
                Sentence{lines, scale, QPointF(centre.x(), bottom - drawn.height() / 2), natural});
        }
    }
    return sentences;
}

// Room between the last action's words and a bet's chips or amount that reads as a gap, not as one label.
constexpr double sentenceGap = 6;

double boardLine(const TableGeometry& geometry) {
    return geometry.table.top() + 0.39 * geometry.table.height();
}

// The last action's words on one line, over the board's middle.
QPointF lastActionCentre(const Context& c) {
    const bool popover = c.geometry.metrics.surface == TableSurface::popover;
    return QPointF(c.tablePoint({0.5, 0}).x(),
                   boardLine(c.geometry) - 0.5 * c.geometry.metrics.boardCard.height() - (popover ? 11 : 15));
}

QRectF betArea(const Context& c, const SeatModel& seat, QPointF centre) {
    const QSizeF size = c.in.betSize(seat.streetBet);
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

// Where the bets stand on the felt, with their sizes.
std::vector<QRectF> betAreas(const Context& c) {
    std::vector<QRectF> areas;
    if (c.in.timeline.holdsDeal || !c.in.betSize) {
        return areas;
    }
    for (const auto& seat : c.seats) {
        if (const auto found = c.bets.find(seat.seat); found != c.bets.end()) {
            areas.push_back(betArea(c, seat, found->second));
        }
    }
    return areas;
}

void addLastActionAndPot(const Context& c, std::vector<StageItem>& items) {
    const double cardHalf = 0.5 * c.geometry.metrics.boardCard.height();
    if (c.in.lastAction) {
        StageItem label;
        label.kind = Kind::lastAction;
        // Each event's words are their own item: the same words told again later (a seat checking on
        // the next street) arrive anew rather than bring back the ones still fading.
        const auto told = toldEvent(c.view);
        label.id = told ? identity("said", c.hand, {static_cast<std::int64_t>(*told)}) : *c.in.lastAction;
        label.text = *c.in.lastAction;
        label.center = lastActionCentre(c);
        if (c.in.sentenceSize) {
            // Bitmap words shrink by no whole pixel; the pixel style's sentence only wraps.
            const Sentence fitted = fitSentence(*c.in.lastAction, label.center, betAreas(c),
                                                c.in.sentenceSize, c.theme.style != TableStyleID::pixel);
            label.text = fitted.lines.join(QLatin1Char('\n'));
            label.center = fitted.centre;
            label.size = fitted.size;
            label.scale = fitted.scale;
        }
        // Words that name the board wait until the cards they name lie face up.
        double shown = 0;
        if (told && c.view.log[*told].is<HandEvent::BoardDealt>()) {
            for (std::size_t i = 0; i < c.view.board.size(); ++i) {
                if (const auto dealt = c.cue(MotionCue::dealBoard(static_cast<std::int64_t>(i)))) {
                    shown = std::max(shown, dealt->delay + StageMotion::boardSeen(c.theme));
                }
            }
        }
        label.arrival = c.fade(AnimationCurve::easeOut(0.15), shown);
        label.removal = c.fade(AnimationCurve::easeOut(0.15));
        label.takesTurns = true;
        items.push_back(label);
    }
    const std::int64_t total = c.view.totalPot();
    if (c.view.street != Street::handComplete && total >= 1) {
        StageItem pot;
        pot.kind = Kind::pot;
        pot.id = QStringLiteral("pot");
        pot.amount = total;
        pot.rolls = StageMotion::amountsRoll(c.theme);
        pot.center =
            QPointF(c.tablePoint({0.5, 0}).x(), boardLine(c.geometry) + cardHalf + 8 +
                                                    PotText::potHeightHalf(c.theme, c.view.pots.size()));
        pot.arrival = c.fade(AnimationCurve::easeOut(0.18));
        pot.removal = pot.arrival;
        items.push_back(pot);
    }
}

// Where a bot's face-down card peeks over its plate's trailing end: past the all-in tag, which hangs
// over the plate's top edge in front of the cards and would hide them.
QPointF faceDownCenter(const Context& c, const SeatModel& seat, int card) {
    QPointF centre = c.geometry.holeCardCenter(seat.slot, card, false);
    if (seat.status != SeatStatus::allIn || !c.in.tagSize) {
        return centre;
    }
    const QSizeF plate = c.geometry.metrics.plate;
    const QPointF corner = c.geometry.plateCenter(seat.slot) - QPointF(plate.width() / 2, plate.height() / 2);
    const double pairLeft =
        c.geometry.holeCardCenter(seat.slot, 0, false).x() - c.geometry.metrics.botCard.width() / 2;
    for (const auto& tag : NameplateModel::make(seat, true, true, c.theme).tags) {
        if (tag.kind == NameplateModel::TagKind::allIn) {
            const QRectF area = NameplateModel::tagArea(tag, corner, c.in.tagSize(tag.text));
            centre.rx() += std::max(area.right() + SeatClearance::cardStockEdge(c.theme) + 2 - pairLeft, 0.0);
        }
    }
    return centre;
}

// What hangs off a seat's plate whose box is `plate`: its tags, and a bot's face-down cards peeking over it.
std::vector<QRectF> hungOff(const Context& c, const SeatModel& seat, const QRectF& plate) {
    std::vector<QRectF> hung;
    const auto look =
        NameplateModel::make(seat, showsTurn(seat, c.in.paused, c.in.timeline.turnHeld), true, c.theme);
    // Paper tags are card stock, their edge showing under them.
    const double edge = SeatClearance::cardStockEdge(c.theme);
    for (const auto& tag : look.tags) {
        hung.push_back(
            NameplateModel::tagArea(tag, plate.topLeft(), c.in.tagSize(tag.text)).adjusted(0, 0, 0, edge));
    }
    if (!seat.isHero && seat.hasCards && !seat.shownCards) {
        const QSizeF card = c.geometry.metrics.botCard;
        for (int i = 0; i < 2; ++i) {
            hung.emplace_back(faceDownCenter(c, seat, i) - QPointF(card.width() / 2, card.height() / 2),
                              card);
        }
    }
    return hung;
}

// Each seat's bet, in seat order, clear of its plate and what hangs off it, of the other plates and
// theirs, of the dealer button and of the other bets: where those placed before it stand, and where the
// rest will stand unless they must move.
std::map<std::int64_t, QPointF> betCenters(const Context& c) {
    std::map<std::int64_t, QPointF> centres;
    for (const auto& seat : c.seats) {
        if (seat.streetBet >= 1) {
            centres[seat.seat] = c.tablePoint(SeatLayout::anchor(seat.slot).bet);
        }
    }
    if (!c.in.betSize || !c.in.tagSize) {
        return centres;
    }
    // What every bet keeps clear of.
    SeatClearance::BetRoom shared;
    const auto dealer =
        std::find_if(c.seats.begin(), c.seats.end(), [](const SeatModel& one) { return one.isDealer; });
    if (dealer != c.seats.end()) {
        const double button = c.geometry.metrics.dealerButton;
        shared.others.emplace_back(SeatClearance::dealerCenter(c.geometry, c.theme, dealer->slot) -
                                       QPointF(button / 2, button / 2),
                                   QSizeF(button, button));
    }
    shared.board = c.geometry.boardArea();
    const double rail = c.geometry.metrics.railWidth;
    shared.felt = c.geometry.table.adjusted(rail, rail, -rail, -rail);
    shared.edge = SeatClearance::cardStockEdge(c.theme);
    shared.under = SeatClearance::plateUnder(c.theme);
    if (c.in.lastAction && c.in.sentenceSize) {
        // A bet that must find a new place leaves the last action's words the least room they take.
        const std::vector<Sentence> layouts = sentenceLayouts(
            *c.in.lastAction, lastActionCentre(c), c.in.sentenceSize, c.theme.style != TableStyleID::pixel);
        const auto box = [](const Sentence& sentence) {
            const QSizeF drawn = sentence.size * sentence.scale;
            return QRectF(sentence.centre - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
        };
        shared.spared.push_back(box(layouts.back()));
        // No bet stands within a gap of the words on one line: on a crowded table they could find no
        // place at all that a player reads apart from the chips beside them.
        shared.others.push_back(
            box(layouts.front()).adjusted(-sentenceGap, -sentenceGap, sentenceGap, sentenceGap));
    }
    if (c.view.street != Street::handComplete && c.view.totalPot() >= 1) {
        // Nor the pot's row under the board.
        const QRectF& board = shared.board;
        shared.spared.emplace_back(board.left(), board.bottom(), board.width(),
                                   8 + 2 * PotText::potHeightHalf(c.theme, c.view.pots.size()));
    }
    for (const auto& seat : c.seats) {
        if (seat.streetBet < 1) {
            continue;
        }
        SeatClearance::BetRoom room = shared;
        const QRectF plate = SeatClearance::plateBox(c.geometry, c.theme, seat.slot);
        room.plate = plate.adjusted(0, 0, 0, -room.under);
        room.hung = hungOff(c, seat, plate);
        for (const auto& other : c.seats) {
            if (other.seat == seat.seat) {
                continue;
            }
            const QRectF theirs = SeatClearance::plateBox(c.geometry, c.theme, other.slot);
            const auto hung = hungOff(c, other, theirs);
            room.others.push_back(theirs);
            room.others.insert(room.others.end(), hung.begin(), hung.end());
            if (const auto bet = centres.find(other.seat); bet != centres.end()) {
                room.others.push_back(betArea(c, other, bet->second).adjusted(0, 0, 0, room.edge));
            }
        }
        centres[seat.seat] = SeatClearance::betCenter(centres[seat.seat], c.in.betSize(seat.streetBet), room);
    }
    return centres;
}

void addBets(const Context& c, std::vector<StageItem>& items) {
    if (c.in.timeline.holdsDeal) {
        return;
    }
    for (const auto& seat : c.seats) {
        if (seat.streetBet < 1) {
            continue;
        }
        StageItem bet;
        bet.kind = Kind::bet;
        bet.id = identity("bet", c.hand, {seat.seat});
        bet.seat = seat.seat;
        bet.amount = seat.streetBet;
        bet.rolls = StageMotion::amountsRoll(c.theme);
        bet.center = c.bets.at(seat.seat);
        const QPointF plate = c.geometry.plateCenter(seat.slot);
        double arrivalDelay = 0;
        if (const auto in = c.cue(MotionCue::betIn(seat.seat, false))) {
            arrivalDelay = in->delay;
        } else if (const auto blind = c.cue(MotionCue::betIn(seat.seat, true))) {
            arrivalDelay = blind->delay;
        }
        QPointF target = c.geometry.potCenter();
        AnimationCurve exit = c.motion.collect();
        double exitDelay = 0;
        if (const auto found = c.in.timeline.betExits.find(seat.seat);
            found != c.in.timeline.betExits.end()) {
            exitDelay = found->second.delay;
            if (found->second.kind == BetExit::Kind::toPlate) {
                target = plate;
                exit = c.motion.returnBet();
            }
        }
        const AnimationCurve arrival = StageMotion::betArrival(c.theme);
        if (c.theme.reduceMotion) {
            bet.arrival = c.fade(arrival, arrivalDelay);
            bet.removal = c.fade(exit, exitDelay);
        } else {
            bet.arrival = c.slideIn(arrival, 0, plate - bet.center);
            bet.arrival.delay = arrivalDelay;
            bet.arrival.gated = false;
            bet.removal = c.slideIn(exit, 0, target - bet.center);
            bet.removal.delay = exitDelay;
            bet.removal.gated = false;
            bet.removal.slide.fades = true;
        }
        items.push_back(bet);
    }
}

void addHoleCards(const Context& c, std::vector<StageItem>& items, double potLanded) {
    if (c.in.timeline.holdsDeal) {
        return;
    }
    const QPointF middle = c.tablePoint({0.5, 0.39});
    for (const auto& seat : c.seats) {
        // Cards shown stay on the felt until the next deal, also those of a seat that the showdown
        // knocked out of the game (and so out of the hand) in the same update that turned them up.
        if (seat.isHero || (!seat.hasCards && !seat.shownCards)) {
            continue;
        }
        const bool revealed = seat.shownCards.has_value();
        const auto revealCue = c.cue(MotionCue::reveal(seat.seat));
        for (int i = 0; i < 2; ++i) {
            StageItem card;
            card.kind = Kind::holeCard;
            card.id = identity("hole", c.hand, {seat.seat, i});
            card.seat = seat.seat;
            if (revealed && static_cast<std::size_t>(i) < seat.shownCards->size()) {
                card.card = (*seat.shownCards)[static_cast<std::size_t>(i)];
            }
            card.light = c.light(card.card);
            card.size = c.geometry.metrics.botCard;
            card.center =
                revealed ? c.geometry.holeCardCenter(seat.slot, i, true,
                                                     SeatClearance::shownCardsClearance(c.theme, seat.slot))
                         : faceDownCenter(c, seat, i);
            card.scale = revealed ? 1.15 : 1;
            card.revealDelay = revealCue ? revealCue->delay : potLanded;
            card.change = StageTransition{StageMotion::reveal(c.theme),
                                          c.theme.reduceMotion || !revealCue ? 0 : revealCue->delay,
                                          {},
                                          false,
                                          false};
            const double delay = c.delayOf(MotionCue::dealHole(seat.seat, i));
            card.arrival = c.theme.reduceMotion
                               ? c.fade(MotionStyle::reducedFade(), delay)
                               : c.slideIn(StageMotion::deal(c.theme), delay, c.dealer - card.center);
            if (c.theme.reduceMotion) {
                card.removal = c.fade(c.motion.fold());
            } else {
                const QPointF away = card.center - middle;
                const double distance = std::max(std::hypot(away.x(), away.y()), 1.0);
                card.removal = c.slideIn(c.motion.fold(), 0, away * (12 / distance));
                card.removal.slide.fades = true;
            }
            items.push_back(card);
        }
    }
}

void addHeroCards(const Context& c, std::vector<StageItem>& items) {
    if (c.in.timeline.holdsDeal) {
        return;
    }
    const auto hero =
        std::find_if(c.seats.begin(), c.seats.end(), [](const SeatModel& seat) { return seat.isHero; });
    const bool folded = hero != c.seats.end() && hero->status == SeatStatus::folded;
    const QSizeF size = c.geometry.metrics.heroCard;
    for (std::size_t i = 0; i < c.view.holeCards.size(); ++i) {
        const double side = i == 0 ? -0.5 : 0.5;
        StageItem card;
        card.kind = Kind::heroCard;
        card.id = identity("hero", c.hand, {static_cast<std::int64_t>(i)});
        card.card = c.view.holeCards[i];
        card.light = c.light(card.card);
        card.size = size;
        card.center = QPointF(c.geometry.heroCards.x() + side * 0.9 * size.width(), c.geometry.heroCards.y());
        const double tilt = TableGeometry::heroCardTilt(c.theme.style);
        card.rotationDegrees = i == 0 ? -tilt : tilt;
        card.opacity = folded ? 0.4 : 1;
        card.change = StageTransition{c.motion.fold(), 0, {}, false, false};
        const double delay =
            c.delayOf(MotionCue::dealHole(c.view.seatIndex.value_or(0), static_cast<std::int64_t>(i)));
        card.arrival = c.theme.reduceMotion ? c.fade(MotionStyle::reducedFade(), delay)
                                            : c.slideIn(StageMotion::deal(c.theme), delay,
                                                        c.dealer - card.center, -card.rotationDegrees);
        // Face up, the player's old cards fade where they lie: sent back along the deal they would
        // fly, faces showing, to the new dealer's seat, as if a bot's cards were being shown.
        card.removal = c.fade(c.motion.fold());
        items.push_back(card);
    }
    if (c.in.handTag && !c.view.holeCards.empty()) {
        StageItem tag;
        tag.kind = Kind::handTag;
        tag.id = handTagId(c.view.handNumber);
        const QPointF origin = handTagOrigin(c.geometry);
        tag.size = QSizeF(handTagWidth(c.geometry), size.height());
        tag.center = origin + QPointF(tag.size.width() / 2, tag.size.height() / 2);
        // The tag names the new cards, so it comes once they have landed, not while the old ones leave.
        double landed = 0;
        for (std::size_t i = 0; i < c.view.holeCards.size(); ++i) {
            const auto dealt =
                c.cue(MotionCue::dealHole(c.view.seatIndex.value_or(0), static_cast<std::int64_t>(i)));
            landed = std::max(landed, dealt ? dealt->end() : 0.0);
        }
        tag.arrival = c.fade(c.motion.fold(), landed);
        tag.removal = c.fade(c.motion.fold());
        items.push_back(tag);
    }
}

void addPlatesAndButton(const Context& c, std::vector<StageItem>& items) {
    for (const auto& seat : c.seats) {
        StageItem plate;
        plate.kind = Kind::nameplate;
        plate.id = QStringLiteral("plate-") + QString::number(seat.seat);
        plate.seat = seat.seat;
        plate.center = c.geometry.plateCenter(seat.slot);
        plate.size = c.geometry.metrics.plate;
        const auto knocks = c.in.timeline.knocks.find(seat.seat);
        plate.knocks = knocks == c.in.timeline.knocks.end() ? 0 : knocks->second;
        // A bot's turn ring stops on a paused table; the player's own waits for their cards.
        const auto look =
            NameplateModel::make(seat, showsTurn(seat, c.in.paused, c.in.timeline.turnHeld), true, c.theme);
        plate.plateRing = look.ringOn ? 1 : 0;
        plate.turnTag = look.hasTurnTag() ? 1 : 0;
        plate.content = look.contentOpacity;
        if (look.stackRolls) {
            plate.amount = seat.stack;
            plate.rolls = StageMotion::amountsRoll(c.theme);
        }
        plate.change = StageTransition{seat.status == SeatStatus::busted ? StageMotion::busted(c.theme)
                                                                         : c.motion.fold(),
                                       0,
                                       {},
                                       false,
                                       false};
        items.push_back(plate);
    }
    const auto dealer =
        std::find_if(c.seats.begin(), c.seats.end(), [](const SeatModel& seat) { return seat.isDealer; });
    if (dealer != c.seats.end()) {
        StageItem button;
        button.kind = Kind::dealer;
        button.id = QStringLiteral("dealer");
        button.seat = dealer->seat;
        button.center = SeatClearance::dealerCenter(c.geometry, c.theme, dealer->slot);
        button.size = QSizeF(c.geometry.metrics.dealerButton, c.geometry.metrics.dealerButton);
        if (const auto move = StageMotion::dealerMove(c.theme)) {
            button.change = StageTransition{*move, 0, {}, false, false};
        }
        items.push_back(button);
    }
}

void addFlights(const Context& c, std::vector<StageItem>& items) {
    if (c.theme.reduceMotion) {
        return;
    }
    const auto resolve = [&](const ChipFlight::Point& point) {
        return point.isPot ? c.geometry.potCenter() : c.geometry.plateCenter(slotOf(point.seat, c.seats));
    };
    for (const auto& flight : c.in.timeline.flights) {
        StageItem chips;
        chips.kind = Kind::flight;
        chips.id = QStringLiteral("flight-") + QString::number(flight.id);
        chips.amount = flight.amount;
        chips.from = resolve(flight.from);
        chips.center = resolve(flight.to);
        chips.flightDelay = flight.delay;
        chips.flightDuration = flight.duration;
        chips.change = StageTransition{StageMotion::flight(c.theme), flight.delay, {}, false, false};
        items.push_back(chips);
    }
}

} // namespace

std::optional<std::size_t> toldEvent(const PokerEngine::PlayerView& view) {
    if (view.street == Street::handComplete) {
        return std::nullopt;
    }
    for (std::size_t i = view.log.size(); i-- > 0;) {
        const HandEvent& event = view.log[i];
        if (event.is<HandEvent::BlindPosted>() || event.is<HandEvent::BoardDealt>() ||
            event.is<HandEvent::Acted>() || event.is<HandEvent::PotAwarded>()) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<QString> boardLabel(const std::vector<Card>& board) {
    if (board.empty()) {
        return std::nullopt;
    }
    QStringList names;
    for (const auto& card : board) {
        names << QString::fromStdString(card.name());
    }
    return QStringLiteral("Board: ") + names.join(QStringLiteral(", "));
}

bool showsTurn(const SeatModel& seat, bool paused, bool turnHeld) {
    return seat.isHero ? !turnHeld : !paused;
}

int slotOf(std::int64_t seat, const std::vector<SeatModel>& seats) {
    const auto found =
        std::find_if(seats.begin(), seats.end(), [&](const SeatModel& model) { return model.seat == seat; });
    return found == seats.end() ? 0 : found->slot;
}

double potLanded(const std::unordered_map<MotionCue, TimedCue>& cues) {
    double end = 0;
    for (const auto& [cue, timed] : cues) {
        end = std::max(end, timed.end());
    }
    return std::min(end, 1.5);
}

Sentence fitSentence(const QString& text, QPointF centre, const std::vector<QRectF>& bets,
                     const std::function<QSizeF(const QStringList&)>& size, bool shrinks) {
    constexpr double gap = sentenceGap;
    const std::vector<Sentence> sentences = sentenceLayouts(text, centre, size, shrinks);
    for (Sentence fitted : sentences) {
        const QSizeF drawn = fitted.size * fitted.scale;
        const QRectF box(fitted.centre - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
        // The room left between the bets beside it in its rows; it moves off the middle if it must.
        double left = -std::numeric_limits<double>::infinity();
        double right = std::numeric_limits<double>::infinity();
        for (const QRectF& bet : bets) {
            const QRectF kept = bet.adjusted(-gap, -gap, gap, gap);
            if (kept.bottom() <= box.top() || kept.top() >= box.bottom()) {
                continue;
            }
            if (kept.left() < centre.x() && kept.right() > centre.x()) {
                left = right;
            } else if (kept.right() <= centre.x()) {
                left = std::max(left, kept.right());
            } else {
                right = std::min(right, kept.left());
            }
        }
        if (drawn.width() <= right - left) {
            fitted.centre.setX(std::clamp(centre.x(), left + drawn.width() / 2, right - drawn.width() / 2));
            return fitted;
        }
    }
    // Nowhere clear: the smallest, on two lines.
    return sentences.back();
}

QString handTagId(std::int64_t handNumber) {
    return QStringLiteral("tag-") + QString::number(handNumber);
}

QPointF handTagOrigin(const TableGeometry& geometry) {
    const QSizeF card = geometry.metrics.heroCard;
    const bool popover = geometry.metrics.surface == TableSurface::popover;
    const double left =
        geometry.heroCards.x() + 0.5 * card.width() + 0.45 * card.width() + (popover ? 12 : 18);
    return QPointF(left, geometry.heroCards.y() - 0.5 * card.height() + 4);
}

double handTagWidth(const TableGeometry& geometry) {
    if (geometry.metrics.surface == TableSurface::window) {
        return 190;
    }
    return std::min(geometry.stage.width() - 16 - handTagOrigin(geometry).x(), 144.0);
}

std::vector<StageItem> items(const StageInputs& in) {
    std::vector<StageItem> items;
    if (!in.view || !in.seats) {
        return items;
    }
    Context c{in,
              *in.view,
              *in.seats,
              in.geometry,
              in.theme,
              MotionStyle{in.theme.style, in.theme.reduceMotion},
              in.theme.style == TableStyleID::pixel ? in.theme.pixelUnit : 0,
              SeatClearance::dealerCenter(in.geometry, in.theme, slotOf(in.view->buttonIndex, *in.seats)),
              QString::number(in.view->handNumber),
              {}};
    c.bets = betCenters(c);
    addBoard(c, items);
    addLastActionAndPot(c, items);
    addBets(c, items);
    addHoleCards(c, items, potLanded(in.timeline.cues));
    addHeroCards(c, items);
    addPlatesAndButton(c, items);
    addFlights(c, items);
    return items;
}

} // namespace StageLayout
