#pragma once

#include "PokerEngine/PlayerView.h"
#include "Scheduler.h"
#include "Style/TableStyleID.h"
#include "Table/ChipFlight.h"
#include "Table/MotionCue.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

class SoundSink;

// Stands between the game's current player view and the table's drawing. Each new view is ingested:
// the events new since the last one are planned into motion cues and sounds, the sounds are started,
// chip flights, check knocks and bet exits are derived, and the view to draw is published — after the
// street's bets have slid away when there are any. Lives on the GUI thread; every wait goes through
// the scheduler.
class TablePresenter final : public QObject {
    Q_OBJECT

  public:
    using CueTimeline = std::unordered_map<MotionCue, TimedCue>;

    TablePresenter(Scheduler& scheduler, SoundSink& sounds, QObject* parent = nullptr);
    ~TablePresenter() override;

    // The view the stage draws.
    const std::optional<PokerEngine::PlayerView>& shown() const { return shown_; }
    // The latest batch's timeline, by cue.
    const CueTimeline& cues() const { return cues_; }
    // When the latest batch's last cue ends (0 without cues).
    double latestCueEnd() const;
    // Counts planned batches.
    int batch() const { return batch_; }
    // Where each seat's street bet goes, for the latest batch that had any.
    const std::map<std::int64_t, BetExit>& betExits() const { return betExits_; }
    // Check knocks per seat; only grows.
    const std::map<std::int64_t, int>& knocks() const { return knocks_; }
    // Flights in the air or about to take off.
    const std::vector<ChipFlight>& flights() const { return flights_; }
    // True for a moment after a table's first animated view, so the first deal starts from nothing.
    bool holdsDeal() const { return holdsDeal_; }
    // True from a batch that deals cards the player must see (their own, or the board's) until the last
    // of them has come to rest face up: until then the player's turn does not open, so nothing is
    // decided on cards not yet seen.
    bool cardsComing() const { return waits_ > 0; }

    // Asked before a batch's sounds start and again when each plays; no sound until it is installed.
    void setSoundsAllowed(std::function<bool()> allowed) { soundsAllowed_ = std::move(allowed); }
    // The table style the sounds are rendered in; satin until installed.
    void setStyle(std::function<TableStyleID()> style) { style_ = std::move(style); }
    // How long dealt cards take to be seen once they set off, as the stage moves them (seconds).
    struct CardSettle {
        // A hole card, to rest.
        double hole = 0;
        // A board card, to rest and turned face up.
        double board = 0;
    };
    // Until installed, the plan's own times for a deal.
    void setCardSettle(std::function<CardSettle()> settle) { cardSettle_ = std::move(settle); }

    // Hands over the controller's current view (none when the table went away).
    void ingest(const std::optional<PokerEngine::PlayerView>& view);
    // The same, telling which table the view belongs to: a new table (such as a practice hand
    // played again) starts afresh, so its deal is animated even when its hand number repeats.
    void ingest(const std::optional<PokerEngine::PlayerView>& view, std::int64_t tableGeneration);

  signals:
    void shownChanged();
    void cuesChanged();
    void batchChanged();
    void betExitsChanged();
    void knocksChanged();
    void flightsChanged();
    void holdsDealChanged();
    void cardsComingChanged();

  private:
    void forget();
    void show(const PokerEngine::PlayerView& view);
    void setHoldsDeal(bool holds);
    // The cards of this batch the player must see are seen `landing` seconds from now. A wait only
    // ever adds to those already running, so a later batch never shortens an earlier one's.
    void waitForCards(double landing);
    void stopWaiting();
    void startFlights(std::vector<ChipFlight> flights);
    bool soundsAllowedNow() const;

    Scheduler& scheduler_;
    SoundSink& sounds_;
    std::function<bool()> soundsAllowed_;
    std::function<TableStyleID()> style_;
    std::function<CardSettle()> cardSettle_;

    std::optional<PokerEngine::PlayerView> shown_;
    CueTimeline cues_;
    int batch_ = 0;
    std::map<std::int64_t, BetExit> betExits_;
    std::map<std::int64_t, int> knocks_;
    std::vector<ChipFlight> flights_;
    bool holdsDeal_ = false;
    // The cards' waits still running.
    int waits_ = 0;

    std::optional<PokerEngine::PlayerView> latest_;
    std::optional<std::int64_t> tableGeneration_;
    int nextFlight_ = 0;
    // Moves every time the shown view is decided, so a deferred show that has been overtaken does nothing.
    int showGeneration_ = 0;
    // Moves when the table is cleared, so the end of a wait from before does nothing.
    int waitGeneration_ = 0;
};
