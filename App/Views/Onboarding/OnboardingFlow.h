#pragma once

#include "Game/GameMode.h"
#include "Persistence/LaunchSurface.h"

#include <QString>

#include <array>
#include <optional>

class AppState;

// The first-run flow's rules, apart from any window: which page shows, what its bottom bar offers,
// what a move announces, and what each answer writes into the profile.
namespace OnboardingFlow {

inline constexpr int pageCount = 3;

// The page's title, spoken when the flow moves to it.
QString title(int page);
// Where the backdrop's glow sits, as a share of the view's height.
double glowY(int page);

// What a move to a page says: its place among the pages, then what the page reads as ("Page 2 of 3. Play
// money only. No cash value. …"), each part a sentence with one closing mark.
QString announcement(int page, const QString& reading);
// "Page 2 of 3", what the page dots read as.
QString dotsLabel(int current, int count);

// "Start playing with 10,000 chips": a fixed amount in the locale's grouping, never the bankroll.
QString startTitle();

// The bottom bar of a page: Back from page 1 on, Next up to page 1, the start button on the last.
struct BottomBar {
    bool back = false;
    bool next = false;
    bool start = false;
    bool operator==(const BottomBar&) const = default;
};
BottomBar bottomBar(int page);
// The page a move leads to, kept within the pages.
int clampedPage(int page);

// What holds the keys, as far as Return is concerned: nothing, one of the bar's buttons, an answer
// card, or another button of the window.
enum class Control { none, back, next, start, answer, other };
// What Return presses: the focused button, as everywhere on this desktop. With no button focused, a
// button the page does not show, or an answer card (a choice, which Space and the arrows make), it is
// the page's default: Next, or the start button on the last page.
Control returnPresses(int page, Control focused);

// The three facts of the play-money page, fixed at first use in the process.
struct Fact {
    QString title;
    QString detail;
};
const std::array<Fact, 3>& playMoneyFacts();

// Each answer is written the moment it is chosen; choosing what is already stored changes nothing.
void chooseNewToPoker(AppState& appState, bool newToPoker);
void chooseDefaultTable(AppState& appState, GameMode mode);
void chooseLaunchSurface(AppState& appState, LaunchSurface surface);

} // namespace OnboardingFlow

// Runs the flow's finish once: marks the player onboarded, then hands over to the host. A second
// finish (a double click, a key and a click together) does nothing, so the bankroll is set once and
// the surface opens once.
class OnboardingFinish {
  public:
    // Returns whether this call finished the flow.
    template <class Complete, class HandOver> bool run(Complete complete, HandOver handOver) {
        if (finished_)
            return false;
        finished_ = true;
        complete();
        handOver();
        return true;
    }
    bool finished() const { return finished_; }

  private:
    bool finished_ = false;
};
