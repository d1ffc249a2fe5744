#pragma once

#include "Scheduler.h"
#include "Style/TableStyleID.h"

#include <functional>
#include <optional>

class SoundPlayer;

// What the warm-up depends on: the sounds setting and the chosen table style.
struct SoundPrewarmKey {
    bool on = true;
    TableStyleID style = TableStyleID::satin;
    bool operator==(const SoundPrewarmKey&) const = default;
};

// Renders a style's sounds ahead of time, so the first chip of a table does not wait for the
// synthesizer. A root view owns one and reports the profile's sounds setting and style: each new key
// cancels the previous warm-up and, when sounds are on outside a test host, prepares the style 0.4 s
// later (the stored style when it is offered, else satin).
class SoundPrewarmer {
  public:
    SoundPrewarmer(Scheduler& scheduler, SoundPlayer& player,
                   std::function<bool()> testHostWithoutUI = nullptr);
    ~SoundPrewarmer();
    SoundPrewarmer(const SoundPrewarmer&) = delete;
    SoundPrewarmer& operator=(const SoundPrewarmer&) = delete;

    // The first call (the view appearing) and every change of the key start a warm-up.
    void setKey(SoundPrewarmKey key);

  private:
    Scheduler& scheduler_;
    SoundPlayer& player_;
    std::function<bool()> testHostWithoutUI_;
    std::optional<SoundPrewarmKey> key_;
    ScheduledWork pending_;
};
