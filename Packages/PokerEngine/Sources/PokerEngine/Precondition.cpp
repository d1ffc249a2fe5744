#include "PokerEngine/Precondition.h"

#include <cstdio>
#include <cstdlib>

namespace PokerEngine {

void preconditionFailure(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "Precondition failed: %s (%s:%d)\n", condition, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace PokerEngine
