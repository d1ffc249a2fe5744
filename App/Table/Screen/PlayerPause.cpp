#include "Table/Screen/PlayerPause.h"

#include "GameController.h"
#include "Table/Screen/TopBarText.h"

namespace PlayerPause {

void toggle(GameController& controller) {
    if (controller.pauseReasons().contains(PauseReason::user)) {
        controller.resume(PauseReason::user);
    } else if (TopBarText::pauseAvailable(controller.tableOver().has_value())) {
        controller.pause(PauseReason::user);
    }
}

} // namespace PlayerPause
