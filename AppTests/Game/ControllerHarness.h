#pragma once

#include "Game/GameClock.h"
#include "GameController.h"
#include "GameSession.h"
#include "Persistence/Ledger.h"
#include "Persistence/Profile.h"
#include "Persistence/SavedGame.h"
#include "Scheduler.h"

#include "BotKit/TieredBot.h"
#include "PokerEngine/PlayerView.h"

#include <QObject>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A stand-in for the app state: books every entry into its own profile through the ledger and keeps
// the latest checkpoint, recording each call so a test can follow the table stage by stage.
class RecordingSession : public QObject, public GameSession {
  public:
    void record(const SessionEvent& event) override {
        events.push_back(event);
        Ledger::apply(event, profile);
    }
    void checkpoint(const std::optional<SavedGame>& game) override {
        ++checkpoints;
        savedGame = game;
    }

    Profile profile;
    std::optional<SavedGame> savedGame;
    std::vector<SessionEvent> events;
    int checkpoints = 0;
};

// Holds each decision until the test releases it, like a bot still thinking on its worker thread.
class HeldDecisionRunner final : public DecisionRunner {
  public:
    void run(Work work, Done done) override { held.push_back({std::move(work), std::move(done)}); }
    void releaseAll() {
        while (!held.empty()) {
            auto [work, done] = std::move(held.front());
            held.pop_front();
            done(work());
        }
    }
    std::deque<std::pair<Work, Done>> held;
};

// A controller in virtual time with the real tiered bots, deciding synchronously.
struct ControllerHarness {
    explicit ControllerHarness(
        std::unique_ptr<DecisionRunner> runner = std::make_unique<ImmediateDecisionRunner>(),
        std::shared_ptr<const BotKit::BotPolicy> policy = std::make_shared<BotKit::TieredBot>())
        : clock(scheduler, [this] { return base + scheduler.now(); })
        , controller(clock, std::move(policy), std::move(runner)) {
        controller.setSession(&session);
    }

    using Strategy = std::function<PokerEngine::Action(const PokerEngine::PlayerView&)>;

    // Plays on until the table is over, the hero choosing with `hero` and results dealt at once.
    // Returns the number of hands dealt by the loop.
    int playToEnd(const Strategy& hero, int handLimit = 2000) {
        int hands = 0;
        for (int steps = 0; steps < 200000 && !controller.tableOver(); ++steps) {
            if (!stepOnce(hero, hands)) {
                break;
            }
            if (hands >= handLimit) {
                break;
            }
        }
        return hands;
    }

    // One move of whoever is due: the hero's action, the next scheduled work, or the next deal.
    bool stepOnce(const Strategy& hero, int& hands) {
        if (!controller.pauseReasons().empty()) {
            return false;
        }
        if (controller.isHeroTurn()) {
            controller.act(hero(*controller.view()));
            return true;
        }
        if (scheduler.nextDue()) {
            scheduler.advance(*scheduler.nextDue() - scheduler.now());
            return true;
        }
        if (controller.isShowingResult() && !controller.tableOver()) {
            controller.dealNextHand();
            ++hands;
            return true;
        }
        return false;
    }

    ManualScheduler scheduler;
    Instant base = Instant(std::chrono::seconds(1'773'489'600));
    SchedulerGameClock clock;
    RecordingSession session;
    GameController controller;
};

// Simple heroes.
inline PokerEngine::Action checkOrCall(const PokerEngine::PlayerView& view) {
    return view.legalActions->canCheck ? PokerEngine::Action::check() : PokerEngine::Action::call();
}
inline PokerEngine::Action checkOrFold(const PokerEngine::PlayerView& view) {
    return view.legalActions->canCheck ? PokerEngine::Action::check() : PokerEngine::Action::fold();
}
inline PokerEngine::Action shove(const PokerEngine::PlayerView& view) {
    return view.legalActions->canAllIn ? PokerEngine::Action::allIn() : checkOrCall(view);
}
