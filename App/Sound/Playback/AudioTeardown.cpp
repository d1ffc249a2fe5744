#include "Sound/Playback/AudioTeardown.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

void endWithoutLibraryTeardown(int status, void*) {
    std::fflush(nullptr);
    _exit(status);
}

} // namespace

void AudioTeardown::skipAtExitAfter(Connection connection) {
    // Only touched on the GUI thread, where the output lives.
    static std::array<bool, 2> registered{};
    bool& done = registered.at(static_cast<std::size_t>(connection));
    if (!done) {
        done = on_exit(endWithoutLibraryTeardown, nullptr) == 0;
    }
}
