#pragma once

#include "ControllerHarness.h"

// Plays the narrated practice hand until its end-of-game panel shows: every step acknowledged, the
// player checking or calling, the bots' turns run at once.
inline void playPracticeToItsPanel(ControllerHarness& harness) {
    GameController& game = harness.controller;
    game.start(GameSetup::practice(PracticeSetup{}));
    for (int steps = 0; steps < 500 && (!game.tableOver() || game.isShowingResult()); ++steps) {
        if (game.pauseReasons().contains(PauseReason::practice)) {
            game.acknowledgePracticeStep();
        } else if (game.isHeroTurn()) {
            game.act(checkOrCall(*game.view()));
        } else if (harness.scheduler.nextDue()) {
            harness.scheduler.advance(*harness.scheduler.nextDue() - harness.scheduler.now());
        }
    }
}
