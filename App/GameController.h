#pragma once

#include "Game/BotSpeed.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "Game/GameControllerError.h"
#include "Game/GameSetup.h"
#include "Game/PauseReason.h"
#include "Game/TableOver.h"
#include "GameSession.h"
#include "Learn/PracticeNarration.h"
#include "Persistence/Instant.h"
#include "Persistence/SavedGame.h"

#include "BotKit/BotPolicy.h"
#include "BotKit/BotProfile.h"
#include "BotKit/PlayerKind.h"
#include "PokerEngine/Action.h"
#include "PokerEngine/GameState.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/SeededRNG.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The hole cards of the seats that won or lost without showing, remembered for the learning aids.
struct UnshownCards {
    std::int64_t hand = 0;
    std::map<std::int64_t, std::vector<PokerEngine::Card>> cards;
    bool operator==(const UnshownCards&) const = default;
};

// Runs the one table in progress: seats the player and the bots, applies the player's actions,
// lets each bot decide off the GUI thread and act after its pace, shows each result and deals the
// next hand, books every result through the session and keeps the saved game current.
// Lives on the GUI thread; every property below signals only when its value really changes.
// Each operation runs whole before anyone hears of it: the change signals go out once the operation
// has finished, so a listener may call straight back in (leave, deal, act); an operation called while
// another is still under way (from the session's own signals, say) runs right after it.
class GameController : public QObject {
    Q_OBJECT

  public:
    using SeatKinds = std::vector<std::optional<BotKit::PlayerKind>>;
    using BotRNGs = std::map<std::int64_t, PokerEngine::SeededRNG>;

    // `clock` must outlive the controller. The runner defaults to the thread pool.
    GameController(GameClock& clock, std::shared_ptr<const BotKit::BotPolicy> policy,
                   std::unique_ptr<DecisionRunner> runner = nullptr, QObject* parent = nullptr);
    ~GameController() override;

    // The app state, held weakly: a QObject session is tracked and dropped when destroyed;
    // any other session must outlive the controller.
    void setSession(GameSession* session);
    GameSession* session() const;

    // Observable fields.
    const PokerEngine::PlayerID& hero() const { return hero_; }
    const std::optional<PokerEngine::GameState>& state() const { return state_; }
    const SeatKinds& seatKinds() const { return seatKinds_; }
    const std::optional<GameSetup>& setup() const { return setup_; }
    const std::optional<TableOver>& tableOver() const { return tableOver_; }
    const std::vector<int>& newcomers() const { return newcomers_; }
    const PauseReasons& pauseReasons() const { return pauseReasons_; }
    const std::optional<PracticeNarration>& practice() const { return practice_; }
    std::optional<int> thinkingSeat() const { return thinkingSeat_; }
    bool isShowingResult() const { return isShowingResult_; }
    BotSpeed botSpeed() const { return botSpeed_; }
    void setBotSpeed(BotSpeed speed);
    bool autoDeal() const { return autoDeal_; }
    void setAutoDeal(bool on);
    const std::optional<Instant>& autoDealAt() const { return autoDealAt_; }
    bool isResultHeld() const { return isResultHeld_; }

    // The bookkeeping a saved game carries.
    const BotRNGs& botRNGs() const { return botRNGs_; }
    std::int64_t replacementsSeated() const { return replacementsSeated_; }
    std::uint64_t tableGeneration() const { return tableGeneration_; }

    // Read-only accessors.
    bool hasTable() const { return state_.has_value(); }
    std::optional<PokerEngine::PlayerView> view() const;
    QString nameOfSeat(std::int64_t seat) const;
    std::optional<BotKit::BotProfile> profileOfSeat(std::int64_t seat) const;
    std::optional<std::int64_t> heroChips() const;
    bool isHeroTurn() const;
    std::int64_t leaveForfeit() const;
    std::optional<UnshownCards> unshownCards() const;
    std::optional<SavedGame> snapshot() const;

    // Table lifecycle. Starting or restoring while another table runs settles that one exactly as
    // leaving it would.
    void start(const GameSetup& setup);
    void restore(const SavedGame& saved);
    void leaveTable();

    // The player's action. Throws GameControllerError without a table or while paused, and the
    // engine's EngineError when it refuses the action; the table is unchanged then. Called while
    // another operation is under way, it runs after that one and a refusal is dropped.
    void act(const PokerEngine::Action& action);

    void pause(PauseReason reason);
    void resume(PauseReason reason);
    void holdResult();
    void dealNextHand();
    void acknowledgePracticeStep();

  signals:
    void heroChanged();
    void stateChanged();
    void seatKindsChanged();
    void setupChanged();
    void tableOverChanged();
    void newcomersChanged();
    void pauseReasonsChanged();
    void practiceChanged();
    void thinkingSeatChanged();
    void isShowingResultChanged();
    void botSpeedChanged();
    void autoDealChanged();
    void autoDealAtChanged();
    void isResultHeldChanged();

  private:
    struct BotTurn;
    struct Pending {
        ScheduledWork work;
        bool isDeal = false;
        std::shared_ptr<BotTurn> turn; // the bot turn this is, when it is not a deal
    };
    struct Replacements;
    using Signal = void (GameController::*)();

    template <typename Body> void runStep(Body&& body);
    bool deferWhileBusy(std::function<void()> operation);
    void notify(Signal changed);
    void finishStep();
    void addPause(PauseReason reason);
    bool removePause(PauseReason reason);
    void startTable(const GameSetup& setup);
    void restoreTable(const SavedGame& saved);
    void acknowledgeStep();

    void commit(PokerEngine::GameState next);
    void advance();
    void startBotTurn(int seat, const BotKit::BotProfile& profile);
    void finishBotTurn(const std::shared_ptr<BotTurn>& turn);
    void scheduleDeal(std::chrono::milliseconds after);
    void deal();
    void cancelPending();
    void settleHand(const PokerEngine::GameState& completed);
    // Only a cash table refills its busted bots' seats; any other table comes back as it is.
    Replacements seatReplacements(const PokerEngine::GameState& between) const;
    void forfeitRunningTable();
    void endTable();
    bool isPracticeTable() const;
    void checkpointSnapshot();
    // Play on a restored table is under way: tells the session once.
    void settleResume();

    template <typename T> void assign(T& field, T value, Signal changed);
    void setState(std::optional<PokerEngine::GameState> state);
    void setSeatKinds(SeatKinds kinds) {
        assign(seatKinds_, std::move(kinds), &GameController::seatKindsChanged);
    }
    void setSetup(std::optional<GameSetup> setup) {
        assign(setup_, std::move(setup), &GameController::setupChanged);
    }
    void setTableOver(std::optional<TableOver> over) {
        assign(tableOver_, over, &GameController::tableOverChanged);
    }
    void setNewcomers(std::vector<int> seats) {
        assign(newcomers_, std::move(seats), &GameController::newcomersChanged);
    }
    void setPractice(std::optional<PracticeNarration> narration) {
        assign(practice_, std::move(narration), &GameController::practiceChanged);
    }
    void setThinkingSeat(std::optional<int> seat) {
        assign(thinkingSeat_, seat, &GameController::thinkingSeatChanged);
    }
    void setShowingResult(bool on) { assign(isShowingResult_, on, &GameController::isShowingResultChanged); }
    void setAutoDealAt(std::optional<Instant> at) {
        assign(autoDealAt_, std::move(at), &GameController::autoDealAtChanged);
    }
    void setResultHeld(bool on) { assign(isResultHeld_, on, &GameController::isResultHeldChanged); }
    void setHero(PokerEngine::PlayerID hero) { assign(hero_, std::move(hero), &GameController::heroChanged); }

    PokerEngine::PlayerID hero_;
    std::optional<PokerEngine::GameState> state_;
    SeatKinds seatKinds_;
    std::optional<GameSetup> setup_;
    std::optional<TableOver> tableOver_;
    std::vector<int> newcomers_;
    PauseReasons pauseReasons_;
    std::optional<PracticeNarration> practice_;
    std::optional<int> thinkingSeat_;
    bool isShowingResult_ = false;
    BotSpeed botSpeed_ = BotSpeed::normal;
    bool autoDeal_ = false;
    std::optional<Instant> autoDealAt_;
    bool isResultHeld_ = false;

    GameSession* session_ = nullptr;
    QPointer<QObject> sessionObject_; // set when the session is a QObject, to notice its end
    bool sessionIsTracked_ = false;
    GameClock& clock_;
    std::shared_ptr<const BotKit::BotPolicy> policy_;
    std::unique_ptr<DecisionRunner> runner_;
    BotRNGs botRNGs_;
    std::int64_t replacementsSeated_ = 0;
    std::optional<Pending> pending_;
    std::uint64_t tableGeneration_ = 0;
    // A restored table whose play is not yet under way, and the wait after which a table standing
    // still for the player counts as under way.
    bool resuming_ = false;
    ScheduledWork resumeSettling_;

    int stepDepth_ = 0;
    std::vector<Signal> unsentSignals_;          // changed during the running step, in the order they changed
    std::deque<std::function<void()>> deferred_; // operations called while a step was running
};
