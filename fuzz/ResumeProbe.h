#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Resuming a saved game the way the player does, for the fuzzer and its seeded run in the tests:
// the bytes are decoded as "savedgame.json" is, the hand a stop left unbooked is settled, and a
// restored table is played on with the real bots for a number of moves. A fault anywhere stops
// the program, which is what the fuzzer looks for.
namespace ResumeProbe {

struct Outcome {
    // The bytes decoded into a saved game that passed every check.
    bool resumed = false;
    // Moves made after the restore: the player's actions, the bots' turns and the deals.
    int moves = 0;
};

Outcome resumeAndPlay(std::string_view bytes, int moveLimit);

// Saved games written by the game itself while it plays each kind of table, as stored text: the
// fuzzer's seed corpus.
std::vector<std::string> seedSaves();

} // namespace ResumeProbe
