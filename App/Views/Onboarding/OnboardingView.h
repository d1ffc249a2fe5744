#pragma once

#include "Style/ControlKind.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Views/Onboarding/OnboardingFlow.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class Announcer;
class QAbstractButton;
class AppState;
class OnboardingPage;
class PageDots;
class StyledButton;

// The first-run flow: the backdrop, the page shown and the bottom bar. Next and Back (Escape) move
// between the pages, the opening page and each move announced with all the page says; the start button marks
// the player onboarded and hands over, once. Return presses the focused button, else Next or the start
// button.
class OnboardingView final : public QWidget {
    Q_OBJECT
  public:
    OnboardingView(AppState* appState, const TableTheme& theme, Announcer* announcer,
                   std::function<void()> onFinish, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    int page() const { return page_; }
    std::optional<bool> newToPoker() const { return newToPoker_; }
    OnboardingPage* currentPage() const { return current_; }
    PageDots* dots() const { return dots_; }
    // The bar's buttons; null where the page does not offer one.
    StyledButton* backButton() const { return back_; }
    StyledButton* nextButton() const { return next_; }
    StyledButton* startButton() const { return start_; }
    AnimationClock& clock() { return clock_; }
    bool isFinished() const { return finish_.finished(); }

    // Whether the player can see the window; the pages' art stands still while not.
    void setArtInSight(bool inSight);

    // Moves to `target` (kept within the pages), announcing it.
    void go(int target);
    void finish();

    // The curve a page change takes: the reduced fade, or ease-in-out over 0.25 s.
    static AnimationCurve pageCurve(bool reduceMotion);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPage();
    void layOutBar();
    // Makes `button` when the page offers it, or lets it go when the page does not.
    void offer(StyledButton*& button, bool shown, const QString& title, ControlKind kind, ControlSize size,
               int faceWidth, std::function<void()> action);
    void tick();
    void forward();
    void backward();
    void pressReturn();
    // The button that stands for `control`; `focused` for another button of the window.
    QAbstractButton* buttonFor(OnboardingFlow::Control control, QAbstractButton* focused = nullptr) const;
    // The ring on the button Return presses when no button has it.
    void giveKeysToDefault();
    // Says where the flow stands and what the page shown says.
    void announcePage();
    void announceOpening();

    AppState* appState_;
    TableTheme theme_;
    Announcer* announcer_;
    std::function<void()> onFinish_;
    OnboardingFinish finish_;
    int page_ = 0;
    std::optional<bool> newToPoker_;
    bool artInSight_ = true;

    OnboardingPage* current_ = nullptr;
    PageDots* dots_;
    StyledButton* back_ = nullptr;
    StyledButton* next_ = nullptr;
    StyledButton* start_ = nullptr;

    AnimationClock clock_;
    Transition glow_;
    Transition fade_;
    // The page that is leaving, fading out under the one that comes.
    QPixmap leaving_;
    bool announcedOpening_ = false;
};
