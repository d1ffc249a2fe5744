#pragma once

class GameController;

// The player's own pause, shared by everything that offers it: the table's Resume button and P key,
// the popover's bar and the window's toolbar.
namespace PlayerPause {

// A table the player paused resumes. Any other table, running or stopped for another reason (hidden,
// the guide open), takes the player's pause too, so it stays stopped until the player resumes it; a
// game that is over takes none, its last result included.
void toggle(GameController& controller);

} // namespace PlayerPause
