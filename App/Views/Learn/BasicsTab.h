#pragma once

#include <functional>

#include <QWidget>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

class Announcer;
class BasicsArt;
class MarkdownLabel;
class BasicsPageDots;
class LeavingPicture;
class QGraphicsOpacityEffect;
class QLabel;
class StyledButton;

// The Basics tab: six short pages read one after another, each an illustration above its count, title
// and text, with the page dots and "Back" and "Next". The last page leads to the rankings, or offers the
// practice hand where one can be started. Page changes by its buttons fade and are announced.
class BasicsTab : public QWidget {
    Q_OBJECT
  public:
    struct Options {
        // Return presses the forward button (the guide's panel presentation).
        bool keyboard = true;
        // The sidebar's smaller sizes.
        bool compact = false;
        // Starts the practice hand; absent where none can be started.
        std::function<void()> playPractice;
        // Leaves the pages for the rankings.
        std::function<void()> onFinish;
    };

    // `art` draws the illustration, `theme` the buttons. `announcer` may be null.
    BasicsTab(const TableTheme& art, const TableTheme& theme, int page, Options options, Announcer* announcer,
              QWidget* parent = nullptr);

    int page() const { return page_; }
    // Shows a page chosen from outside, at once and without an announcement.
    void setPage(int page);
    // Moves to a page as its buttons do: a fade, and the new page read out, with what the forward
    // button has become when it changed under the player's keys.
    void go(int page);
    // Reads out the page shown: where it stands, its title and its text.
    void readPage();

    StyledButton* backButton() const { return back_; }
    StyledButton* forwardButton() const { return forward_; }
    AnimationClock& clock() { return clock_; }

  signals:
    void pageChanged(int page);

  private:
    void display(int page);
    void settle();
    void pressForward();

    TableTheme theme_;
    Options options_;
    Announcer* announcer_;
    int page_ = 0;
    BasicsArt* art_ = nullptr;
    QWidget* text_ = nullptr;
    QGraphicsOpacityEffect* fade_ = nullptr;
    // The page's words on their way out, fading as the new ones fade in.
    LeavingPicture* leaving_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* title_ = nullptr;
    MarkdownLabel* body_ = nullptr;
    BasicsPageDots* dots_ = nullptr;
    StyledButton* back_ = nullptr;
    StyledButton* forward_ = nullptr;
    AnimationClock clock_;
    Transition fading_;
};
