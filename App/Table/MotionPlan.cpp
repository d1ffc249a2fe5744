#include "Table/MotionPlan.h"

#include <algorithm>

namespace MotionPlan {

namespace {

using PokerEngine::HandEvent;

// Cue lengths and staggers, in seconds.
constexpr double clearDuration = 0.35;
constexpr double chipsInDuration = 0.30;
constexpr double holeDuration = 0.22;
constexpr double holeStagger = 0.06;
constexpr double collectDuration = 0.35;
constexpr double boardDuration = 0.46;
constexpr double boardStagger = 0.08;
constexpr double checkDuration = 0.14;
constexpr double foldDuration = 0.25;
constexpr double returnDuration = 0.30;
constexpr double revealDuration = 0.26;
constexpr double revealStagger = 0.05;
constexpr double awardDuration = 0.45;
constexpr double awardStagger = 0.15;
constexpr double eliminateDuration = 0.40;

// Events of one kind in a row form a run that starts together (antes, blinds, eliminations) or
// staggers from one base (reveals, awards).
enum class Run { none, ante, blind, hole, board, act, returnBet, reveal, award, eliminate };

class Planner {
  public:
    explicit Planner(bool betsOnTable)
        : pendingBets_(betsOnTable) {}

    std::vector<TimedCue> take() { return std::move(cues_); }

    void plan(const std::vector<HandEvent>& events, bool cardsOnTable) {
        std::vector<std::int64_t> holeSeats;
        for (const auto& event : events) {
            if (const auto* dealt = event.as<HandEvent::HoleCardsDealt>()) {
                holeSeats.push_back(dealt->seat);
            }
        }
        for (const auto& event : events) {
            std::visit([&](const auto& payload) { on(payload, holeSeats, cardsOnTable); }, event.payload());
        }
    }

  private:
    void add(MotionCue cue, double delay, double duration) {
        cues_.push_back(TimedCue{cue, delay, duration});
        end_ = std::max(end_, delay + duration);
    }

    // Where the next event of `kind` starts: with its run when one is under way, else after everything.
    double grouped(Run kind) {
        const double start = run_ == kind ? runStart_ : end_;
        startRun(kind, start);
        return start;
    }

    void startRun(Run kind, double start) {
        run_ = kind;
        runStart_ = start;
    }

    // Street bets still standing are swept into the pot before what follows; gives its start.
    double collectIfPending() {
        if (!pendingBets_) {
            return end_;
        }
        const double start = end_;
        add(MotionCue::collect(), start, collectDuration);
        return start + collectDuration;
    }

    void on(const HandEvent::HandStarted&, const std::vector<std::int64_t>&, bool cardsOnTable) {
        if (cardsOnTable) {
            add(MotionCue::clearTable(), 0, clearDuration);
        }
        run_ = Run::none;
    }

    void on(const HandEvent::AntePosted& ante, const std::vector<std::int64_t>&, bool) {
        add(MotionCue::anteIn(ante.seat), grouped(Run::ante), chipsInDuration);
    }

    void on(const HandEvent::BlindPosted& blind, const std::vector<std::int64_t>&, bool) {
        add(MotionCue::betIn(blind.seat, true), grouped(Run::blind), chipsInDuration);
        pendingBets_ = true;
    }

    // Every hole card of the hand is dealt by the first such event: all first cards, then all second.
    void on(const HandEvent::HoleCardsDealt&, const std::vector<std::int64_t>& holeSeats, bool) {
        if (dealtHoles_) {
            return;
        }
        dealtHoles_ = true;
        const double start = end_;
        const auto n = holeSeats.size();
        for (std::size_t card = 0; card < 2; ++card) {
            for (std::size_t i = 0; i < n; ++i) {
                add(MotionCue::dealHole(holeSeats[i], static_cast<std::int64_t>(card)),
                    start + holeStagger * static_cast<double>(card * n + i), holeDuration);
            }
        }
        startRun(Run::hole, start);
    }

    void on(const HandEvent::BoardDealt& board, const std::vector<std::int64_t>&, bool) {
        const double start = collectIfPending();
        const std::int64_t first = board.street == PokerEngine::Street::flop   ? 0
                                   : board.street == PokerEngine::Street::turn ? 3
                                                                               : 4;
        for (std::size_t j = 0; j < board.cards.size(); ++j) {
            add(MotionCue::dealBoard(first + static_cast<std::int64_t>(j)),
                start + boardStagger * static_cast<double>(j), boardDuration);
        }
        pendingBets_ = false;
        startRun(Run::board, start);
    }

    void on(const HandEvent::Acted& acted, const std::vector<std::int64_t>&, bool) {
        const double start = end_;
        switch (acted.kind) {
        case PokerEngine::ActionKind::fold:
            add(MotionCue::fold(acted.seat), start, foldDuration);
            break;
        case PokerEngine::ActionKind::check:
            add(MotionCue::check(acted.seat), start, checkDuration);
            break;
        case PokerEngine::ActionKind::call:
        case PokerEngine::ActionKind::bet:
        case PokerEngine::ActionKind::raise:
            add(MotionCue::betIn(acted.seat, false), start, chipsInDuration);
            pendingBets_ = true;
            break;
        }
        startRun(Run::act, start);
    }

    void on(const HandEvent::UncalledBetReturned& returned, const std::vector<std::int64_t>&, bool) {
        const double start = end_;
        add(MotionCue::returnBet(returned.seat), start, returnDuration);
        startRun(Run::returnBet, start);
    }

    // Shared by reveals and awards: after a collect a new run begins at its end, else the run goes on.
    double runStartAfterCollect(Run kind) {
        if (!pendingBets_) {
            return grouped(kind);
        }
        const double start = collectIfPending();
        startRun(kind, start);
        return start;
    }

    void on(const HandEvent::HandRevealed& revealed, const std::vector<std::int64_t>&, bool) {
        const double start = runStartAfterCollect(Run::reveal);
        add(MotionCue::reveal(revealed.seat), start + revealStagger * revealCount_, revealDuration);
        ++revealCount_;
        pendingBets_ = false;
    }

    void on(const HandEvent::PotAwarded& awarded, const std::vector<std::int64_t>&, bool) {
        const double start = runStartAfterCollect(Run::award);
        for (const auto& share : awarded.shares) {
            add(MotionCue::award(awarded.potIndex, share.seat, share.amount),
                start + awardStagger * awardCount_, awardDuration);
            ++awardCount_;
        }
        pendingBets_ = false;
    }

    void on(const HandEvent::PlayerEliminated& eliminated, const std::vector<std::int64_t>&, bool) {
        add(MotionCue::eliminate(eliminated.seat), grouped(Run::eliminate), eliminateDuration);
    }

    std::vector<TimedCue> cues_;
    double end_ = 0;
    Run run_ = Run::none;
    double runStart_ = 0;
    bool pendingBets_;
    bool dealtHoles_ = false;
    // Counted over the whole call, never reset between runs.
    int revealCount_ = 0;
    int awardCount_ = 0;
};

} // namespace

std::vector<TimedCue> cues(const std::vector<HandEvent>& events, bool betsOnTable, bool cardsOnTable) {
    Planner planner(betsOnTable);
    planner.plan(events, cardsOnTable);
    return planner.take();
}

} // namespace MotionPlan
