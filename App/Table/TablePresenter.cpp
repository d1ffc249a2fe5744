#include "Table/TablePresenter.h"

#include "Sound/SoundSink.h"
#include "Table/LogDiff.h"
#include "Table/MotionPlan.h"
#include "Table/SoundPlan.h"

#include <QPointer>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using PokerEngine::HandEvent;
using PokerEngine::PlayerView;

constexpr Scheduler::Duration dealHold{30};
// Flights stay published this long after the last of their batch has landed.
constexpr double flightLinger = 0.25;

Scheduler::Duration wholeMilliseconds(double seconds) {
    return Scheduler::Duration(static_cast<Scheduler::Duration::rep>(seconds * 1000));
}

// Rounded up, so a wait never ends before what it waits for.
Scheduler::Duration millisecondsAfter(double seconds) {
    return Scheduler::Duration(static_cast<Scheduler::Duration::rep>(std::ceil(seconds * 1000 - 1e-6)));
}

// When the last card planned in this batch that the player must see (`seat`'s hole cards, the board)
// has come to rest face up: the latest such cue's start plus the longer of its own time and the
// stage's. None when the batch deals none of them.
std::optional<double> cardsLanding(const std::vector<TimedCue>& planned, std::optional<std::int64_t> seat,
                                   const TablePresenter::CardSettle& settle) {
    std::optional<double> landing;
    for (const auto& timed : planned) {
        const auto* hole = timed.cue.as<MotionCue::DealHole>();
        const bool own = seat && hole && hole->seat == *seat;
        if (own || timed.cue.is<MotionCue::DealBoard>()) {
            const double seen = std::max(timed.duration, own ? settle.hole : settle.board);
            landing = std::max(landing.value_or(0), timed.delay + seen);
        }
    }
    return landing;
}

bool hasStreetBets(const PlayerView& view) {
    return std::any_of(view.seats.begin(), view.seats.end(),
                       [](const auto& seat) { return seat.streetBet > 0; });
}

} // namespace

TablePresenter::TablePresenter(Scheduler& scheduler, SoundSink& sounds, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler)
    , sounds_(sounds) {}

TablePresenter::~TablePresenter() = default;

double TablePresenter::latestCueEnd() const {
    double end = 0;
    for (const auto& [cue, timed] : cues_) {
        end = std::max(end, timed.end());
    }
    return end;
}

bool TablePresenter::soundsAllowedNow() const {
    return soundsAllowed_ && soundsAllowed_();
}

void TablePresenter::forget() {
    latest_.reset();
    stopWaiting();
    if (shown_) {
        shown_.reset();
        emit shownChanged();
    }
    if (!cues_.empty()) {
        cues_.clear();
        emit cuesChanged();
    }
    if (!flights_.empty()) {
        flights_.clear();
        emit flightsChanged();
    }
    if (!betExits_.empty()) {
        betExits_.clear();
        emit betExitsChanged();
    }
}

void TablePresenter::show(const PlayerView& view) {
    ++showGeneration_;
    if (shown_ != view) {
        shown_ = view;
        emit shownChanged();
    }
}

void TablePresenter::setHoldsDeal(bool holds) {
    if (holdsDeal_ != holds) {
        holdsDeal_ = holds;
        emit holdsDealChanged();
    }
}

void TablePresenter::stopWaiting() {
    ++waitGeneration_;
    if (waits_ > 0) {
        waits_ = 0;
        emit cardsComingChanged();
    }
}

void TablePresenter::waitForCards(double landing) {
    if (++waits_ == 1) {
        emit cardsComingChanged();
    }
    QPointer<TablePresenter> self(this);
    scheduler_.after(millisecondsAfter(landing), [self, generation = waitGeneration_] {
        if (self && self->waitGeneration_ == generation && --self->waits_ == 0) {
            emit self->cardsComingChanged();
        }
    });
}

void TablePresenter::ingest(const std::optional<PlayerView>& view, std::int64_t tableGeneration) {
    if (tableGeneration_ && *tableGeneration_ != tableGeneration) {
        forget();
    }
    tableGeneration_ = tableGeneration;
    ingest(view);
}

void TablePresenter::ingest(const std::optional<PlayerView>& incoming) {
    if (!incoming) {
        forget();
        return;
    }
    const PlayerView& view = *incoming;
    const std::optional<PlayerView> old = std::move(latest_);
    latest_ = view;
    const std::vector<HandEvent> events = LogDiff::newEvents(old, view);
    const bool heroTurnBegan = old && !old->legalActions && view.legalActions;

    if (events.empty() && !heroTurnBegan) {
        show(view);
        return;
    }

    const bool sameHand = old && old->handNumber == view.handNumber;
    const bool betsOnTable = sameHand && hasStreetBets(*old);
    const bool cardsOnTable = old && !sameHand && (!old->board.empty() || !old->holeCards.empty());
    const std::vector<TimedCue> planned = MotionPlan::cues(events, betsOnTable, cardsOnTable);

    CueTimeline timeline;
    for (const auto& timed : planned) {
        timeline.try_emplace(timed.cue, timed);
    }
    if (timeline != cues_) {
        cues_ = std::move(timeline);
        emit cuesChanged();
    }
    ++batch_;
    emit batchChanged();

    std::vector<ChipFlight> newFlights;
    std::map<std::int64_t, BetExit> exits;
    bool knocked = false;
    for (const auto& timed : planned) {
        const auto& cue = timed.cue;
        if (const auto* ante = cue.as<MotionCue::AnteIn>()) {
            const auto posted = std::find_if(events.begin(), events.end(), [&](const HandEvent& event) {
                const auto* paid = event.as<HandEvent::AntePosted>();
                return paid && paid->seat == ante->seat;
            });
            if (posted != events.end()) {
                newFlights.push_back(ChipFlight{++nextFlight_, posted->as<HandEvent::AntePosted>()->amount,
                                                ChipFlight::Point::plate(ante->seat),
                                                ChipFlight::Point::pot(), timed.delay, timed.duration});
            }
        } else if (const auto* award = cue.as<MotionCue::Award>()) {
            newFlights.push_back(ChipFlight{++nextFlight_, award->amount, ChipFlight::Point::pot(),
                                            ChipFlight::Point::plate(award->seat), timed.delay,
                                            timed.duration});
        } else if (const auto* check = cue.as<MotionCue::Check>()) {
            ++knocks_[check->seat];
            knocked = true;
        } else if (const auto* returned = cue.as<MotionCue::ReturnBet>()) {
            exits.insert_or_assign(returned->seat, BetExit::toPlate(timed.delay));
        } else if (cue.is<MotionCue::Collect>() && old) {
            for (const auto& seat : old->seats) {
                if (seat.streetBet > 0) {
                    exits.try_emplace(seat.index, BetExit::toPot(timed.delay));
                }
            }
        }
    }
    if (knocked) {
        emit knocksChanged();
    }
    // Bets of an earlier hand are no longer drawn, so they have nowhere to go.
    if (!sameHand) {
        exits.clear();
    }
    startFlights(std::move(newFlights));

    const auto sounds = SoundPlan::sounds(planned, view.seatIndex, heroTurnBegan);
    const TableStyleID style = style_ ? style_() : TableStyleID::satin;
    if (!sounds.empty() && soundsAllowedNow()) {
        QPointer<TablePresenter> self(this);
        const auto stillAllowed = [self] { return self && self->soundsAllowedNow(); };
        for (const auto& timed : sounds) {
            sounds_.play(timed.sound, style, timed.delay, stillAllowed);
        }
    }

    // A batch that deals the player nothing (a bot acting while the deal plays) leaves the wait as it is.
    const CardSettle settle = cardSettle_ ? cardSettle_() : CardSettle{};
    if (auto landing = cardsLanding(planned, view.seatIndex, settle)) {
        // The first deal's cards set off once the hold is over.
        waitForCards(*landing + (old ? 0 : std::chrono::duration<double>(dealHold).count()));
    }

    QPointer<TablePresenter> self(this);
    if (!old) {
        setHoldsDeal(true);
        show(view);
        // The hold always lifts, whatever happens meanwhile.
        scheduler_.after(dealHold, [self] {
            if (self) {
                self->setHoldsDeal(false);
            }
        });
    } else if (!exits.empty()) {
        if (exits != betExits_) {
            betExits_ = std::move(exits);
            emit betExitsChanged();
        }
        const int generation = ++showGeneration_;
        // The stage first animates the bets away from the view it still shows.
        scheduler_.post([self, generation] {
            if (self && self->showGeneration_ == generation && self->latest_) {
                const PlayerView latest = *self->latest_;
                self->show(latest);
            }
        });
    } else {
        show(view);
    }
}

void TablePresenter::startFlights(std::vector<ChipFlight> flights) {
    if (flights.empty()) {
        return;
    }
    std::set<int> ids;
    double lastLanding = 0;
    for (const auto& flight : flights) {
        ids.insert(flight.id);
        lastLanding = std::max(lastLanding, flight.landing());
    }
    flights_.insert(flights_.end(), flights.begin(), flights.end());
    emit flightsChanged();
    QPointer<TablePresenter> self(this);
    scheduler_.after(wholeMilliseconds(lastLanding + flightLinger), [self, ids = std::move(ids)] {
        if (!self) {
            return;
        }
        const auto before = self->flights_.size();
        std::erase_if(self->flights_, [&](const ChipFlight& flight) { return ids.count(flight.id) > 0; });
        if (self->flights_.size() != before) {
            emit self->flightsChanged();
        }
    });
}
