// Listeners that call straight back into the controller from its change signals, as the table screen
// does: each signal arrives only once the step that caused it is complete, and calls made while a step
// is still running (from the session's bookkeeping) wait for it.
#include "ControllerHarness.h"

#include "Game/BotSeating.h"

#include "PokerEngine/Engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using PokerEngine::Street;

namespace {

using Signal = void (GameController::*)();

struct NamedSignal {
    const char* name;
    Signal signal;
};

const std::vector<NamedSignal>& everySignal() {
    static const std::vector<NamedSignal> all{
        {"hero", &GameController::heroChanged},
        {"state", &GameController::stateChanged},
        {"seatKinds", &GameController::seatKindsChanged},
        {"setup", &GameController::setupChanged},
        {"tableOver", &GameController::tableOverChanged},
        {"newcomers", &GameController::newcomersChanged},
        {"pauseReasons", &GameController::pauseReasonsChanged},
        {"practice", &GameController::practiceChanged},
        {"thinkingSeat", &GameController::thinkingSeatChanged},
        {"isShowingResult", &GameController::isShowingResultChanged},
        {"autoDealAt", &GameController::autoDealAtChanged},
        {"isResultHeld", &GameController::isResultHeldChanged},
    };
    return all;
}

GameSetup sitAndGo(std::uint64_t seed) {
    return GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, seed), seed});
}

GameSetup cashTable(std::uint64_t seed) {
    return GameSetup::cashTable(CashTableSetup{CashStakes::low, 100, TableDifficulty::easy,
                                               BotSeating::opponents(3, TableDifficulty::easy, seed), seed});
}

// What must hold between steps, whatever a listener did.
void expectConsistent(const GameController& controller) {
    if (!controller.hasTable()) {
        EXPECT_FALSE(controller.setup());
        EXPECT_FALSE(controller.tableOver());
        EXPECT_FALSE(controller.isShowingResult());
        EXPECT_FALSE(controller.thinkingSeat());
        EXPECT_FALSE(controller.autoDealAt());
        return;
    }
    const bool complete = controller.state()->street() == Street::handComplete;
    if (!complete) {
        EXPECT_FALSE(controller.isShowingResult());
    }
    if (controller.isResultHeld()) {
        EXPECT_TRUE(controller.isShowingResult());
    }
}

template <typename Case> int countOf(const std::vector<SessionEvent>& events) {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [](const SessionEvent& event) {
        return std::holds_alternative<Case>(event.value());
    }));
}

// Plays with automatic dealing until nothing more happens or the step budget is spent.
void playOn(ControllerHarness& harness, int budget = 4000) {
    int hands = 0;
    for (int i = 0; i < budget && harness.controller.hasTable() && !harness.controller.tableOver(); ++i) {
        if (!harness.stepOnce(checkOrCall, hands)) {
            break;
        }
    }
}

} // namespace

TEST(ControllerReentry, ListenersSeeEachStepWhole) {
    // When any signal arrives, every property already describes the finished step: a completed hand
    // is already showing its result and booked, a new hand has already left the old result behind.
    ControllerHarness harness;
    harness.controller.setAutoDeal(true);
    int checked = 0;
    for (const auto& [name, signal] : everySignal()) {
        QObject::connect(&harness.controller, signal, [&, name = name] {
            SCOPED_TRACE(name);
            ++checked;
            expectConsistent(harness.controller);
            if (harness.controller.hasTable() &&
                harness.controller.state()->street() == Street::handComplete &&
                harness.controller.state()->handNumber() > 0 && !harness.controller.isResultHeld()) {
                EXPECT_TRUE(harness.controller.isShowingResult());
            }
        });
    }
    harness.controller.start(sitAndGo(12));
    playOn(harness, 600);
    EXPECT_GT(checked, 50);
}

TEST(ControllerReentry, LeavingFromInsideAnySignal) {
    // A screen that leaves the table the moment something changes (the leave button pressed as the
    // table moves on) must find the controller ready: no step is half done underneath it.
    for (const auto& [name, signal] : everySignal()) {
        for (const std::uint64_t seed : {3u, 8u}) {
            SCOPED_TRACE(std::string(name) + " seed " + std::to_string(seed));
            ControllerHarness harness;
            harness.controller.setAutoDeal(true);
            harness.controller.start(cashTable(seed));
            int left = 0;
            int changes = 0;
            QObject::connect(&harness.controller, signal, [&] {
                // Let the table run a little before walking away.
                if (++changes == 5 && harness.controller.hasTable()) {
                    ++left;
                    harness.controller.leaveTable();
                    expectConsistent(harness.controller);
                }
            });
            playOn(harness, 800);
            expectConsistent(harness.controller);
            if (left == 0) {
                continue; // this signal did not fire five times on this table
            }
            EXPECT_FALSE(harness.controller.hasTable());
            EXPECT_FALSE(harness.session.savedGame);
            // The table's end was booked once: neither lost nor doubled by a half-done step.
            EXPECT_EQ(countOf<SessionEvent::TableFinished>(harness.session.events), 1);
        }
    }
}

TEST(ControllerReentry, DealingFromTheResultSignal) {
    // The showdown banner's "Next Hand" pressed as soon as the result shows: every hand is booked
    // once and numbered one after the other.
    ControllerHarness harness;
    std::vector<std::int64_t> handsSeen;
    QObject::connect(&harness.controller, &GameController::isShowingResultChanged, [&] {
        if (harness.controller.isShowingResult() && !harness.controller.tableOver()) {
            handsSeen.push_back(harness.controller.state()->handNumber());
            harness.controller.dealNextHand();
            expectConsistent(harness.controller);
        }
    });
    harness.controller.start(sitAndGo(21));
    playOn(harness);
    ASSERT_TRUE(harness.controller.tableOver());
    ASSERT_GE(handsSeen.size(), 2u);
    for (std::size_t i = 1; i < handsSeen.size(); ++i) {
        EXPECT_EQ(handsSeen[i], handsSeen[i - 1] + 1);
    }
    EXPECT_EQ(countOf<SessionEvent::HandFinished>(harness.session.events),
              harness.controller.state()->handNumber());
}

TEST(ControllerReentry, ActingFromInsideEverySignal) {
    // The player's action sent from whichever signal announces the turn: the hand plays on exactly
    // as if the action had come from a key press afterwards.
    for (const auto& [name, signal] : everySignal()) {
        SCOPED_TRACE(name);
        ControllerHarness harness;
        int acted = 0;
        QObject::connect(&harness.controller, signal, [&] {
            if (harness.controller.isHeroTurn() && harness.controller.pauseReasons().empty()) {
                ++acted;
                harness.controller.act(checkOrCall(*harness.controller.view()));
                expectConsistent(harness.controller);
            }
        });
        harness.controller.start(
            GameSetup::quickHand(QuickHandSetup{BotKit::BotProfile::standard(BotKit::BotTier::easy), 77, 3}));
        playOn(harness);
        expectConsistent(harness.controller);
        if (std::string(name) == "state") {
            EXPECT_GT(acted, 0);
            EXPECT_TRUE(harness.controller.tableOver());
        }
    }
}

namespace {

// A session whose bookkeeping calls back into the controller while the controller's step is still
// under way, as an app state's own change signals can.
class MeddlingSession : public RecordingSession {
  public:
    std::function<void()> onRecord;
    void record(const SessionEvent& event) override {
        RecordingSession::record(event);
        if (onRecord) {
            onRecord();
        }
    }
};

} // namespace

TEST(ControllerReentry, CallsFromTheSessionWaitForTheStep) {
    ControllerHarness harness;
    MeddlingSession session;
    harness.controller.setSession(&session);
    harness.controller.start(sitAndGo(5));
    int leaves = 0;
    session.onRecord = [&] {
        if (std::holds_alternative<SessionEvent::HandFinished>(session.events.back().value()) &&
            leaves == 0) {
            ++leaves;
            harness.controller.leaveTable();
            // Still the finished step's table: the leave runs once the step is done.
            EXPECT_TRUE(harness.controller.hasTable());
        }
    };
    playOn(harness);
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(harness.controller.hasTable());
    // The leave came after the hand was settled, so it booked the Sit & Go's forfeit after it.
    ASSERT_GE(session.events.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<SessionEvent::TableFinished>(session.events.back().value()));
}

TEST(ControllerReentry, ARefusedActionCalledMidStepIsDropped) {
    ControllerHarness harness;
    MeddlingSession session;
    harness.controller.setSession(&session);
    harness.controller.start(sitAndGo(6));
    bool tried = false;
    session.onRecord = [&] {
        if (!tried) {
            tried = true;
            // The hand is over: folding is refused, but nobody is there to hear it.
            EXPECT_NO_THROW(harness.controller.act(PokerEngine::Action::fold()));
        }
    };
    playOn(harness, 300);
    EXPECT_TRUE(tried);
    expectConsistent(harness.controller);
}
