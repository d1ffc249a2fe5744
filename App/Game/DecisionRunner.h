#pragma once

#include "PokerEngine/Action.h"
#include "PokerEngine/SeededRNG.h"

#include <functional>

// Where a bot's decision is computed. The controller hands over work that touches only its own
// copies (view, profile, random stream) and gets the answer back on the GUI thread.
class DecisionRunner {
  public:
    struct Decision {
        PokerEngine::Action action;
        PokerEngine::SeededRNG rng; // the stream as the decision left it
    };
    using Work = std::function<Decision()>;
    using Done = std::function<void(Decision)>;

    virtual ~DecisionRunner() = default;
    // Runs `work`, then `done` with its result on the GUI thread.
    virtual void run(Work work, Done done) = 0;
    // Readies, ahead of a table's first decision or showdown, what evaluating a hand reads: the
    // evaluator's tables take tens of milliseconds to build, which the GUI thread must not wait for
    // when the first flop is named or the first showdown settled.
    virtual void prepare() {}
};

// The application's runner: decisions run on the global thread pool, so a hard bot's equity
// simulation never blocks the screens, and the answer is queued back to the GUI thread.
class ThreadPoolDecisionRunner final : public DecisionRunner {
  public:
    void run(Work work, Done done) override;
    // Builds the evaluator's tables on the pool.
    void prepare() override;
};

// Decides at once on the calling thread: deterministic tests and benchmarks.
class ImmediateDecisionRunner final : public DecisionRunner {
  public:
    void run(Work work, Done done) override { done(work()); }
};
