#pragma once

#include <cstdint>
#include <string>

// Damages a saved game the way a hand-edited, half-written or hostile file might: a value swapped
// for a boundary number, a wrong type or another value of the file, a key or list entry dropped or
// repeated, cards traded between places. Deterministic for a given seed; text that is not JSON
// gets a few bytes changed instead. Shared by the fuzzer's mutator and the seeded test run.
std::string mutateSave(const std::string& text, std::uint64_t seed);
