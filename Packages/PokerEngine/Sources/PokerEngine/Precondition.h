#pragma once

// A broken invariant that only a programming error can reach stops the program at once,
// naming the condition, instead of carrying a corrupt table further.
#define CW_PRECONDITION(condition)                                                                           \
    ((condition) ? static_cast<void>(0) : ::PokerEngine::preconditionFailure(#condition, __FILE__, __LINE__))

namespace PokerEngine {

[[noreturn]] void preconditionFailure(const char* condition, const char* file, int line);

} // namespace PokerEngine
