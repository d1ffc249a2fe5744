#include "GameController.h"

#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"
#include "HandSettlement.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/Engine.h"
#include "PokerEngine/EngineError.h"

#include <algorithm>
#include <set>

using BotKit::BotProfile;
using BotKit::PlayerKind;
using PokerEngine::GameState;
using PokerEngine::PlayerID;
using PokerEngine::SeededRNG;
using PokerEngine::Street;

namespace {

// The random streams of replacement bots, numbered by the replacements already seated.
constexpr std::uint64_t replacementChoiceStream = 0x5EA70000;
constexpr std::uint64_t replacementDecisionStream = 0x0B070000;

// Long enough for the resumed table to be laid out and painted, short against a player's first look.
constexpr std::chrono::milliseconds resumeSettleTime{1500};

} // namespace

// One bot's turn: its decision and its pace run side by side, and the bot acts once both are done.
struct GameController::BotTurn {
    std::uint64_t generation = 0;
    int seat = 0;
    PlayerID player;
    bool paceElapsed = false;
    std::optional<DecisionRunner::Decision> decision;
};

// The busted bots' seats refilled before a deal, applied only once the engine has dealt the hand.
struct GameController::Replacements {
    GameState state;
    SeatKinds seatKinds;
    BotRNGs botRNGs;
    std::vector<int> newcomers;
    std::int64_t replacementsSeated = 0;
};

GameController::GameController(GameClock& clock, std::shared_ptr<const BotKit::BotPolicy> policy,
                               std::unique_ptr<DecisionRunner> runner, QObject* parent)
    : QObject(parent)
    , hero_(PlayerID::random())
    , clock_(clock)
    , policy_(std::move(policy))
    , runner_(runner ? std::move(runner) : std::make_unique<ThreadPoolDecisionRunner>()) {}

GameController::~GameController() {
    // Anything still scheduled must not reach a controller that is gone.
    if (pending_) {
        pending_->work.cancel();
    }
}

template <typename T> void GameController::assign(T& field, T value, Signal changed) {
    if (field == value) {
        return;
    }
    field = std::move(value);
    notify(changed);
}

// MARK: steps

template <typename Body> void GameController::runStep(Body&& body) {
    ++stepDepth_;
    try {
        body();
    } catch (...) {
        if (--stepDepth_ == 0) {
            finishStep();
        }
        throw;
    }
    if (--stepDepth_ == 0) {
        finishStep();
    }
}

bool GameController::deferWhileBusy(std::function<void()> operation) {
    if (stepDepth_ == 0) {
        return false;
    }
    deferred_.push_back(std::move(operation));
    return true;
}

void GameController::notify(Signal changed) {
    if (stepDepth_ == 0) {
        emit(this->*changed)();
        return;
    }
    if (std::find(unsentSignals_.begin(), unsentSignals_.end(), changed) == unsentSignals_.end()) {
        unsentSignals_.push_back(changed);
    }
}

void GameController::finishStep() {
    // A listener may start a step of its own, which sends what is still unsent; it may even end
    // the controller's life.
    QPointer<GameController> self(this);
    while (self && stepDepth_ == 0 && (!unsentSignals_.empty() || !deferred_.empty())) {
        if (!unsentSignals_.empty()) {
            const Signal changed = unsentSignals_.front();
            unsentSignals_.erase(unsentSignals_.begin());
            emit(this->*changed)();
        } else {
            const std::function<void()> operation = std::move(deferred_.front());
            deferred_.pop_front();
            operation();
        }
    }
}

void GameController::setState(std::optional<GameState> state) {
    assign(state_, std::move(state), &GameController::stateChanged);
}

void GameController::setSession(GameSession* session) {
    session_ = session;
    sessionObject_ = dynamic_cast<QObject*>(session);
    sessionIsTracked_ = !sessionObject_.isNull();
}

GameSession* GameController::session() const {
    // A tracked session that has been destroyed is gone; never touch the dangling pointer.
    if (sessionIsTracked_ && sessionObject_.isNull()) {
        return nullptr;
    }
    return session_;
}

void GameController::setBotSpeed(BotSpeed speed) {
    // Outside a step these signal at once; inside one, with the step's other changes.
    assign(botSpeed_, speed, &GameController::botSpeedChanged);
}

void GameController::setAutoDeal(bool on) {
    assign(autoDeal_, on, &GameController::autoDealChanged);
}

// MARK: accessors

std::optional<PokerEngine::PlayerView> GameController::view() const {
    if (!state_) {
        return std::nullopt;
    }
    return PokerEngine::view(*state_, hero_);
}

QString GameController::nameOfSeat(std::int64_t seat) const {
    if (seat < 0 || seat >= static_cast<std::int64_t>(seatKinds_.size())) {
        return QStringLiteral("Empty");
    }
    const auto& kind = seatKinds_[static_cast<std::size_t>(seat)];
    if (!kind) {
        return QStringLiteral("Empty");
    }
    if (const BotProfile* profile = kind->botProfile()) {
        return QString::fromStdString(profile->name);
    }
    return QStringLiteral("You");
}

std::optional<BotProfile> GameController::profileOfSeat(std::int64_t seat) const {
    if (seat < 0 || seat >= static_cast<std::int64_t>(seatKinds_.size())) {
        return std::nullopt;
    }
    const auto& kind = seatKinds_[static_cast<std::size_t>(seat)];
    if (!kind || !kind->botProfile()) {
        return std::nullopt;
    }
    return *kind->botProfile();
}

std::optional<std::int64_t> GameController::heroChips() const {
    if (!state_) {
        return std::nullopt;
    }
    const auto seat = state_->seatIndex(hero_);
    if (!seat) {
        return std::nullopt;
    }
    const auto& heroSeat = state_->seats()[static_cast<std::size_t>(*seat)];
    return PokerEngine::checkedAdd(heroSeat.stack, heroSeat.totalCommitted);
}

bool GameController::isHeroTurn() const {
    if (!state_ || !state_->actingIndex()) {
        return false;
    }
    const auto& player = state_->seats()[static_cast<std::size_t>(*state_->actingIndex())].player;
    return player && *player == hero_;
}

std::int64_t GameController::leaveForfeit() const {
    if (!state_ || !setup_ || tableOver_) {
        return 0;
    }
    return SavedGame::forfeit(*setup_, *state_, hero_);
}

std::optional<UnshownCards> GameController::unshownCards() const {
    if (!state_ || state_->street() != Street::handComplete) {
        return std::nullopt;
    }
    std::set<std::int64_t> shown;
    for (const auto& event : state_->log()) {
        if (const auto* revealed = event.as<PokerEngine::HandEvent::HandRevealed>()) {
            shown.insert(revealed->seat);
        }
    }
    UnshownCards unshown{state_->handNumber(), {}};
    for (const auto& seat : state_->seats()) {
        if (!seat.player || *seat.player == hero_ || seat.holeCards.size() != 2 ||
            shown.contains(seat.index)) {
            continue;
        }
        unshown.cards[seat.index] = seat.holeCards;
    }
    return unshown;
}

std::optional<SavedGame> GameController::snapshot() const {
    if (!state_ || !setup_ || isPracticeTable() || tableOver_) {
        return std::nullopt;
    }
    return SavedGame{1,        clock_.now(),        *setup_, hero_,        seatKinds_,
                     botRNGs_, replacementsSeated_, *state_, isResultHeld_};
}

bool GameController::isPracticeTable() const {
    return setup_ && setup_->mode() == GameMode::practice;
}

// MARK: lifecycle

void GameController::start(const GameSetup& setup) {
    if (deferWhileBusy([this, setup] { start(setup); })) {
        return;
    }
    runStep([&] { startTable(setup); });
}

void GameController::startTable(const GameSetup& setup) {
    const auto acknowledged = practice_ ? practice_->acknowledged : std::set<PracticeStep>{};
    // Starting over a running table settles it exactly as leaving would, so no chips vanish.
    forfeitRunningTable();
    endTable();

    const auto bots = GameModeRules::botsOf(setup);
    const auto config = GameModeRules::tableConfig(setup);
    if (bots.empty() || bots.size() > 5 || config.startingStack <= 0 ||
        config.seatCount != static_cast<std::int64_t>(bots.size()) + 1) {
        return; // outside what any screen builds: no table rather than a broken one
    }
    if (setup.mode() == GameMode::practice) {
        setPractice(PracticeNarration{QString::fromStdString(bots.front().name), acknowledged});
    }
    std::vector<PlayerID> players{hero_};
    SeatKinds kinds{PlayerKind::human()};
    BotRNGs rngs;
    const std::uint64_t seed = setup.seed();
    for (std::size_t i = 0; i < bots.size(); ++i) {
        players.push_back(PlayerID::random());
        kinds.push_back(PlayerKind::bot(bots[i]));
        rngs.emplace(static_cast<std::int64_t>(i + 1), SeededRNG(seed, i + 1));
    }
    runner_->prepare();
    GameState first = PokerEngine::startHand(PokerEngine::newTable(config, players, seed));
    setSeatKinds(std::move(kinds));
    botRNGs_ = std::move(rngs);
    setSetup(setup);
    commit(std::move(first));
}

void GameController::restore(const SavedGame& saved) {
    if (deferWhileBusy([this, saved] { restore(saved); })) {
        return;
    }
    runStep([&] { restoreTable(saved); });
}

void GameController::restoreTable(const SavedGame& saved) {
    // The lobby resumes a saved game only with no table running; the game resumed is usually the
    // very table whose save a forfeit would delete, so nothing is booked here.
    endTable();
    if (GameSession* current = session()) {
        current->resumeStarted();
    }
    resuming_ = true;
    runner_->prepare();
    setHero(saved.hero);
    setSetup(saved.setup);
    setSeatKinds(saved.seatKinds);
    botRNGs_ = saved.botRNGs;
    replacementsSeated_ = std::max<std::int64_t>(saved.replacementsSeated, 0);
    setResultHeld(saved.resultHeld);
    setState(saved.state);
    setShowingResult(saved.state.street() == Street::handComplete);
    advance();
    // A bot's turn or a deal settles the resume when it commits. A table left waiting on the player
    // has read, checked and shown its state once this moment has passed without a stop.
    if (resuming_ && (!pending_ || !pending_->turn)) {
        const std::uint64_t generation = tableGeneration_;
        QPointer<GameController> self(this);
        resumeSettling_ = clock_.after(resumeSettleTime, [self, generation] {
            if (self && self->tableGeneration_ == generation) {
                self->settleResume();
            }
        });
    }
}

void GameController::leaveTable() {
    if (deferWhileBusy([this] { leaveTable(); })) {
        return;
    }
    runStep([this] {
        forfeitRunningTable();
        endTable();
    });
}

void GameController::forfeitRunningTable() {
    if (!state_ || !setup_ || isPracticeTable() || tableOver_) {
        return;
    }
    GameSession* current = session();
    if (!current) {
        return;
    }
    current->record(SessionEvent::tableFinished(setup_->mode(), -leaveForfeit(), std::nullopt));
    current->checkpoint(std::nullopt);
}

void GameController::endTable() {
    settleResume();
    ++tableGeneration_;
    cancelPending();
    setState(std::nullopt);
    setSetup(std::nullopt);
    setTableOver(std::nullopt);
    setSeatKinds({});
    setNewcomers({});
    botRNGs_.clear();
    replacementsSeated_ = 0;
    setShowingResult(false);
    setResultHeld(false);
    setPractice(std::nullopt);
    removePause(PauseReason::practice);
}

// MARK: turn loop

void GameController::act(const PokerEngine::Action& action) {
    const bool deferred = deferWhileBusy([this, action] {
        try {
            act(action);
        } catch (const GameControllerError&) {
        } catch (const PokerEngine::EngineError&) {
            // Nobody is left to hear of the refusal; the table stays as it was.
        }
    });
    if (deferred) {
        return;
    }
    if (!state_) {
        throw GameControllerError(GameControllerError::Kind::noTable);
    }
    if (!pauseReasons_.empty()) {
        throw GameControllerError(GameControllerError::Kind::paused);
    }
    GameState next = PokerEngine::apply(action, hero_, *state_);
    runStep([&] { commit(std::move(next)); });
}

void GameController::commit(GameState next) {
    const bool justCompleted =
        next.street() == Street::handComplete &&
        (!state_ || state_->street() != Street::handComplete || state_->handNumber() != next.handNumber());
    setState(std::move(next));
    // The resumed state has been played on: whatever stop comes now is not the save's doing.
    settleResume();
    const bool saved = setup_ && !isPracticeTable();
    if (justCompleted) {
        setShowingResult(true);
        // The finished hand is saved before its result is booked: after a stop between the two the
        // next start settles it again, and the session skips a hand it has booked already.
        if (saved) {
            checkpointSnapshot();
        }
        settleHand(*state_);
    }
    if (practice_) {
        if (const auto heroView = view(); heroView && practice_->holds(*heroView)) {
            addPause(PauseReason::practice);
        }
    }
    if (saved && (!justCompleted || tableOver_)) {
        checkpointSnapshot();
    }
    advance();
}

void GameController::settleResume() {
    if (!resuming_) {
        return;
    }
    resuming_ = false;
    resumeSettling_.cancel();
    if (GameSession* current = session()) {
        current->resumeSettled();
    }
}

void GameController::checkpointSnapshot() {
    if (GameSession* current = session()) {
        current->checkpoint(snapshot());
    }
}

void GameController::advance() {
    if (pending_ || !pauseReasons_.empty() || !state_) {
        return;
    }
    if (PokerEngine::isBetting(state_->street())) {
        if (!state_->actingIndex()) {
            return;
        }
        const auto seat = *state_->actingIndex();
        if (const auto profile = profileOfSeat(seat)) {
            startBotTurn(static_cast<int>(seat), *profile);
        }
        return;
    }
    if (state_->street() == Street::handComplete && isShowingResult_ && autoDeal_ && !isResultHeld_) {
        scheduleDeal(GameModeRules::resultDuration(state_->log()));
    }
}

void GameController::startBotTurn(int seat, const BotProfile& profile) {
    if (!state_ || seat < 0 || seat >= static_cast<int>(state_->seats().size())) {
        return;
    }
    const auto& player = state_->seats()[static_cast<std::size_t>(seat)].player;
    const auto rng = botRNGs_.find(seat);
    if (!player || rng == botRNGs_.end()) {
        return;
    }
    auto turn = std::make_shared<BotTurn>();
    turn->generation = tableGeneration_;
    turn->seat = seat;
    turn->player = *player;
    setThinkingSeat(seat);

    QPointer<GameController> self(this);
    auto finishWhenReady = [self, turn] {
        if (self && turn->paceElapsed && turn->decision) {
            self->runStep([&] { self->finishBotTurn(turn); });
        }
    };
    pending_ = Pending{ScheduledWork{}, false, turn};
    pending_->work = clock_.after(botPace(botSpeed_), [turn, finishWhenReady] {
        turn->paceElapsed = true;
        finishWhenReady();
    });
    runner_->run(
        [policy = policy_, view = PokerEngine::view(*state_, *player), profile,
         stream = rng->second]() mutable {
            PokerEngine::Action action = policy->decide(view, profile, stream);
            return DecisionRunner::Decision{std::move(action), stream};
        },
        [turn, finishWhenReady](DecisionRunner::Decision decision) {
            turn->decision = std::move(decision);
            finishWhenReady();
        });
}

void GameController::finishBotTurn(const std::shared_ptr<BotTurn>& turn) {
    if (turn->generation != tableGeneration_ || !state_ || !pending_ || pending_->turn != turn) {
        return; // the table this turn was for has ended
    }
    pending_.reset();
    setThinkingSeat(std::nullopt);
    botRNGs_.insert_or_assign(turn->seat, turn->decision->rng);
    std::optional<GameState> next;
    try {
        next = PokerEngine::apply(turn->decision->action, turn->player, *state_);
    } catch (const PokerEngine::EngineError&) {
        const bool canCheck = PokerEngine::legalActions(*state_).canCheck;
        try {
            next = PokerEngine::apply(canCheck ? PokerEngine::Action::check() : PokerEngine::Action::fold(),
                                      turn->player, *state_);
        } catch (const PokerEngine::EngineError&) {
            return; // nothing the bot can do here; the table stays as it was
        }
    }
    commit(std::move(*next));
}

void GameController::scheduleDeal(std::chrono::milliseconds after) {
    const std::uint64_t generation = tableGeneration_;
    setAutoDealAt(clock_.now() + after);
    QPointer<GameController> self(this);
    pending_ = Pending{ScheduledWork{}, true, nullptr};
    pending_->work = clock_.after(after, [self, generation] {
        if (!self || self->tableGeneration_ != generation || !self->pending_ || !self->pending_->isDeal) {
            return;
        }
        self->runStep([&] {
            self->pending_.reset();
            self->setAutoDealAt(std::nullopt);
            self->deal();
        });
    });
}

void GameController::cancelPending() {
    if (pending_) {
        pending_->work.cancel();
        pending_.reset();
    }
    setThinkingSeat(std::nullopt);
    setAutoDealAt(std::nullopt);
}

void GameController::deal() {
    if (!state_) {
        return;
    }
    if (tableOver_) {
        // No hand follows the end of a table; this only lets the screens show the end.
        setShowingResult(false);
        setResultHeld(false);
        return;
    }
    Replacements seated = seatReplacements(*state_);
    std::optional<GameState> next;
    try {
        next = PokerEngine::startHand(seated.state);
    } catch (const PokerEngine::EngineError&) {
        return; // the completed hand stays on the table, still showing its result
    }
    // Only now that the engine has dealt does the old result leave the screen.
    setShowingResult(false);
    setResultHeld(false);
    setSeatKinds(std::move(seated.seatKinds));
    botRNGs_ = std::move(seated.botRNGs);
    replacementsSeated_ = seated.replacementsSeated;
    setNewcomers(std::move(seated.newcomers));
    commit(std::move(*next));
}

void GameController::addPause(PauseReason reason) {
    if (pauseReasons_.insert(reason).second) {
        notify(&GameController::pauseReasonsChanged);
    }
}

bool GameController::removePause(PauseReason reason) {
    if (pauseReasons_.erase(reason) == 0) {
        return false;
    }
    notify(&GameController::pauseReasonsChanged);
    return true;
}

void GameController::pause(PauseReason reason) {
    if (deferWhileBusy([this, reason] { pause(reason); })) {
        return;
    }
    runStep([&] {
        if (pauseReasons_.contains(reason)) {
            return;
        }
        addPause(reason);
        if (pending_ && pending_->isDeal) {
            cancelPending();
        }
    });
}

void GameController::resume(PauseReason reason) {
    if (deferWhileBusy([this, reason] { resume(reason); })) {
        return;
    }
    runStep([&] {
        if (removePause(reason)) {
            advance();
        }
    });
}

void GameController::holdResult() {
    if (deferWhileBusy([this] { holdResult(); })) {
        return;
    }
    runStep([this] {
        if (!isShowingResult_ || isResultHeld_) {
            return;
        }
        setResultHeld(true);
        if (pending_ && pending_->isDeal) {
            cancelPending();
        }
        if (!tableOver_ && setup_ && !isPracticeTable()) {
            checkpointSnapshot();
        }
    });
}

void GameController::dealNextHand() {
    if (deferWhileBusy([this] { dealNextHand(); })) {
        return;
    }
    if (!state_ || state_->street() != Street::handComplete || !isShowingResult_ || !pauseReasons_.empty()) {
        return;
    }
    if (pending_ && !pending_->isDeal) {
        return; // a bot is still acting
    }
    runStep([this] {
        cancelPending();
        deal();
    });
}

void GameController::acknowledgePracticeStep() {
    if (deferWhileBusy([this] { acknowledgePracticeStep(); })) {
        return;
    }
    runStep([this] { acknowledgeStep(); });
}

void GameController::acknowledgeStep() {
    if (!practice_) {
        return;
    }
    const auto heroView = view();
    if (!heroView) {
        return;
    }
    const auto step = practice_->pendingStep(*heroView);
    if (!step) {
        return;
    }
    PracticeNarration narration = *practice_;
    narration.acknowledged.insert(*step);
    setPractice(narration);
    if (!narration.holds(*heroView) && removePause(PauseReason::practice)) {
        advance();
    }
    if (*step == PracticeStep::showdown) {
        // Resuming may have scheduled the automatic deal; dealing now must leave no second deal behind.
        if (pending_ && pending_->isDeal) {
            cancelPending();
        }
        deal();
    }
}

// MARK: settlement

void GameController::settleHand(const GameState& completed) {
    if (isPracticeTable()) {
        setTableOver(TableOver::practiced());
        return;
    }
    if (!setup_) {
        return;
    }
    const auto settlement = ::settleHand(*setup_, hero_, completed);
    if (!settlement) {
        return;
    }
    // Booked before the table shows as over, so whatever shows the end reads the booked profile.
    if (GameSession* current = session()) {
        current->recordHand(settlement->entries, settlement->mark);
    }
    if (settlement->over) {
        setTableOver(settlement->over);
    }
}

GameController::Replacements GameController::seatReplacements(const GameState& between) const {
    Replacements result{between, seatKinds_, botRNGs_, {}, replacementsSeated_};
    const auto* cash = setup_ ? std::get_if<CashTableSetup>(&setup_->value()) : nullptr;
    if (!cash) {
        return result;
    }
    const std::uint64_t seed = cash->seed;
    const std::int64_t stack = GameModeRules::startingStack(*setup_);
    for (const auto& seat : between.seats()) {
        const auto index = static_cast<std::size_t>(seat.index);
        if (seat.stack != 0 || index >= result.seatKinds.size() || !result.seatKinds[index] ||
            !result.seatKinds[index]->isBot()) {
            continue;
        }
        const auto count = static_cast<std::uint64_t>(result.replacementsSeated);
        SeededRNG choice(seed, replacementChoiceStream + count);
        std::vector<BotProfile> seated;
        for (const auto& kind : result.seatKinds) {
            if (kind && kind->botProfile()) {
                seated.push_back(*kind->botProfile());
            }
        }
        const BotProfile newcomer =
            BotSeating::replacement(BotSeating::tier(cash->difficulty), seated, choice);
        try {
            result.state = PokerEngine::seat(PlayerID::random(), seat.index, stack, result.state);
        } catch (const PokerEngine::EngineError&) {
            continue; // this seat stays empty of chips for a hand; the next deal tries again
        }
        result.seatKinds[index] = PlayerKind::bot(newcomer);
        result.newcomers.push_back(static_cast<int>(seat.index));
        result.botRNGs.insert_or_assign(seat.index, SeededRNG(seed, replacementDecisionStream + count));
        result.replacementsSeated += 1;
    }
    return result;
}
