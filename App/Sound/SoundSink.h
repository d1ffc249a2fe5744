#pragma once

#include "Sound/SoundEvent.h"
#include "Style/TableStyleID.h"

#include <functional>

// Where the table presenter sends its timed sounds: the app's sound player, or a recorder in tests.
class SoundSink {
  public:
    virtual ~SoundSink() = default;

    // Plays `event` in `style` after `after` seconds, if `shouldPlay` still says yes at that moment.
    virtual void play(SoundEvent event, TableStyleID style, double after,
                      std::function<bool()> shouldPlay) = 0;
};
