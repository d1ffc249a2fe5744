#pragma once

#include <array>

// The seven moments at which the practice hand stops to explain itself, in the order a hand
// reaches them. The raw values number the captions ("Step 1 of 7" is yourCards).
enum class PracticeStep {
    yourCards = 0,
    blinds = 1,
    firstDecision = 2,
    flop = 3,
    turn = 4,
    river = 5,
    showdown = 6
};

inline constexpr std::array<PracticeStep, 7> allPracticeSteps{
    PracticeStep::yourCards, PracticeStep::blinds, PracticeStep::firstDecision, PracticeStep::flop,
    PracticeStep::turn,      PracticeStep::river,  PracticeStep::showdown};

constexpr int rawValue(PracticeStep step) {
    return static_cast<int>(step);
}
