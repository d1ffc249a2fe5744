#include "Table/Screen/PlayerPause.h"

#include "GameController.h"

namespace PlayerPause {

void toggle(GameController& controller) {
    if (controller.pauseReasons().contains(PauseReason::user)) {
        controller.resume(PauseReason::user);
    } else {
        controller.pause(PauseReason::user);
    }
}

} // namespace PlayerPause
