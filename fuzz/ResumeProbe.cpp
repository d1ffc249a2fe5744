#include "ResumeProbe.h"

#include "AppState.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "HandSettlement.h"
#include "Scheduler.h"
#include "Json/StoredJson.h"

#include "BotKit/TieredBot.h"
#include "PokerEngine/SeededRNG.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>

namespace ResumeProbe {

namespace {

using PokerEngine::Action;

// A controller in virtual time whose bots decide at once, booking into an app state without files.
struct Table {
    Table()
        : clock(scheduler, [this] { return Instant(std::chrono::seconds(1'773'489'600)) + scheduler.now(); })
        , controller(clock, std::make_shared<BotKit::TieredBot>(),
                     std::make_unique<ImmediateDecisionRunner>()) {
        controller.setSession(&session);
    }

    // One move of whoever is due; false when the table waits for nothing a move can give.
    bool step(const std::function<Action(const PokerEngine::PlayerView&)>& hero) {
        if (controller.tableOver()) {
            return false;
        }
        if (controller.isHeroTurn()) {
            try {
                controller.act(hero(*controller.view()));
            } catch (const std::exception&) {
                // A refused action leaves the table as it was; the player just tries another.
                controller.act(controller.view()->legalActions->canCheck ? Action::check() : Action::fold());
            }
            return true;
        }
        if (const auto due = scheduler.nextDue()) {
            scheduler.advance(*due - scheduler.now());
            return true;
        }
        if (controller.isShowingResult()) {
            const auto hand = controller.state()->handNumber();
            controller.dealNextHand();
            return controller.state() && controller.state()->handNumber() != hand;
        }
        return false;
    }

    ManualScheduler scheduler;
    SchedulerGameClock clock;
    AppState session{std::nullopt};
    GameController controller;
};

// The player's choices, drawn from a generator so every kind of action comes up: folds, checks and
// calls, raises of any size the rules allow, all-ins, and amounts they refuse.
Action heroAction(const PokerEngine::PlayerView& view, PokerEngine::SeededRNG& rng) {
    const auto& legal = *view.legalActions;
    switch (rng.next(8)) {
    case 0:
        return Action::fold();
    case 1:
    case 2:
    case 3:
        return legal.canCheck ? Action::check() : Action::call();
    case 4:
        return Action::allIn();
    case 5:
        if (legal.minRaiseTo) {
            const auto span = legal.maxRaiseTo - *legal.minRaiseTo;
            return legal.aggressiveAction(*legal.minRaiseTo + (span > 0 ? rng.next(span + 1) : 0));
        }
        return Action::call();
    case 6:
        return legal.aggressiveAction(legal.maxRaiseTo + 1);
    default:
        return legal.minRaiseTo ? legal.aggressiveAction(*legal.minRaiseTo) : Action::check();
    }
}

} // namespace

Outcome resumeAndPlay(std::string_view bytes, int moveLimit) {
    Outcome outcome;
    std::optional<SavedGame> saved;
    try {
        const auto document = nlohmann::json::parse(bytes.begin(), bytes.end());
        if (document.at("schemaVersion").get<std::int64_t>() > SavedGame::currentSchemaVersion) {
            return outcome;
        }
        saved = document.get<SavedGame>();
    } catch (const std::exception&) {
        return outcome; // set aside, as the store does with a file it can't use
    }
    outcome.resumed = true;

    Table table;
    // What the start-up does with a save whose last hand a stop left unbooked.
    if (const auto settlement = settleHand(saved->setup, saved->hero, saved->state)) {
        table.session.recordHand(settlement->entries, settlement->mark);
        if (settlement->over) {
            return outcome;
        }
    }
    table.controller.restore(*saved);
    PokerEngine::SeededRNG rng(std::hash<std::string_view>{}(bytes));
    const auto hero = [&rng](const PokerEngine::PlayerView& view) { return heroAction(view, rng); };
    while (outcome.moves < moveLimit && table.step(hero)) {
        ++outcome.moves;
        // Whatever the table has become must still be a file the next start can read back.
        if (const auto snapshot = table.controller.snapshot()) {
            const auto text = storedJsonText(nlohmann::json(*snapshot));
            if (storedJsonText(nlohmann::json(nlohmann::json::parse(text).get<SavedGame>())) != text) {
                std::abort();
            }
        }
    }
    return outcome;
}

std::vector<std::string> seedSaves() {
    using BotKit::BotProfile;
    using BotKit::BotTier;
    const std::vector<GameSetup> setups{
        GameSetup::quickHand({BotProfile::standard(BotTier::medium), 11, 3}),
        GameSetup::cashTable({CashStakes::medium,
                              60,
                              TableDifficulty::mixed,
                              {BotProfile::standard(BotTier::easy), BotProfile::standard(BotTier::medium),
                               BotProfile::standard(BotTier::hard)},
                              12}),
        GameSetup::sitAndGo({{BotProfile::standard(BotTier::easy), BotProfile::standard(BotTier::easy),
                              BotProfile::standard(BotTier::medium), BotProfile::standard(BotTier::medium),
                              BotProfile::standard(BotTier::hard)},
                             13}),
    };
    std::vector<std::string> seeds;
    for (const auto& setup : setups) {
        Table table;
        table.controller.start(setup);
        PokerEngine::SeededRNG rng(setup.seed());
        const auto hero = [&rng](const PokerEngine::PlayerView& view) { return heroAction(view, rng); };
        for (int move = 0; move < 48 && table.step(hero); ++move) {
            const auto snapshot = table.controller.snapshot();
            if (snapshot &&
                (move % 6 == 0 || snapshot->state.street() == PokerEngine::Street::handComplete)) {
                seeds.push_back(storedJsonText(nlohmann::json(*snapshot)));
            }
        }
    }
    return seeds;
}

} // namespace ResumeProbe
