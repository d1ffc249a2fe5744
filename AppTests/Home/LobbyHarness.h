#pragma once

#include "AppState.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Persistence/SavedGameFixtures.h"
#include "Scheduler.h"
#include "Views/Home/HomeModel.h"

#include "BotKit/TieredBot.h"
#include "PokerEngine/Engine.h"

#include <QTimeZone>

#include <chrono>
#include <memory>

// The lobby over a real app state (in memory) and a real controller in virtual time, the controller
// booking into the app state as the running program does. Seeds count up from 1000.
struct LobbyHarness {
    LobbyHarness()
        : clock(scheduler, [this] { return now + scheduler.now(); })
        , controller(clock, std::make_shared<BotKit::TieredBot>(),
                     std::make_unique<ImmediateDecisionRunner>())
        , home(state, controller, [this] { return nextSeed++; }) {
        controller.setSession(&state);
    }

    // Today's refill counts as done, so the chips stay as set when the lobby appears.
    void setBankroll(std::int64_t chips) {
        Profile profile = state.profile();
        profile.bankroll = chips;
        profile.lastRefillCheckDay = CalendarDay{2026, 3, 7};
        state.setProfile(profile);
    }
    void setChoices(const std::function<void(NewGameChoices&)>& change) {
        NewGameChoices choices = state.choices();
        change(choices);
        state.setChoices(choices);
    }

    Instant now = std::chrono::sys_days(std::chrono::year(2026) / 3 / 7) + std::chrono::hours(10);
    ManualScheduler scheduler;
    SchedulerGameClock clock;
    AppState state{std::nullopt, [this] { return now; }, QTimeZone::utc()};
    GameController controller;
    std::uint64_t nextSeed = 1000;
    HomeModel home;
};

// A saved table whose board holds `cards` cards: the first hand checked and called down until then.
inline SavedGame savedWithBoard(std::size_t cards) {
    using namespace PokerEngine;
    SavedGame saved = SavedGameFixtures::cashTable(2, -1);
    GameState state = startHand(saved.state);
    while (state.board().size() < cards && state.actingIndex()) {
        const auto legal = legalActions(state);
        const auto& player = *state.seats().at(static_cast<std::size_t>(*state.actingIndex())).player;
        state = apply(legal.canCheck ? Action::check() : Action::call(), player, state);
    }
    saved.state = state;
    return saved;
}
