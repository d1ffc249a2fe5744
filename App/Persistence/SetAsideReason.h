#pragma once

// Why a saved game found at start-up was not offered for resume.
enum class SetAsideReason {
    // It could not be read; its file is kept aside.
    damaged,
    // The game stopped at each of its last resumes; its file is kept aside.
    stoppedResuming,
    // It stood at a hand the profile had booked already: the game stopped after the booking and
    // before the table's next save. It is removed; its table could not go on.
    bookedAhead,
};
