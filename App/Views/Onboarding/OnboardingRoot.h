#pragma once

#include "Style/TableTheme.h"
#include "Views/AppEnvironment.h"

#include <QWidget>

#include <memory>

class Announcer;
class AppearanceWatcher;
class OnboardingView;
class StyledIconButton;
class X11Coverage;

// The onboarding window's content: always drawn in satin, whatever style the profile stores, in the
// desktop's appearance and with the profile's four-colour deck. Finishing hands over to the host, when
// there is one. As a window it has no title bar of the desktop's: the art runs to its top edge, a
// close control of the game's sits over the top-left corner (Ctrl+W too), and a drag anywhere on the
// background moves it; its title still names it in the desktop's window lists.
class OnboardingRoot final : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize contentSize{600, 640};
    // The close control's face, this far in from the window's top-left corner.
    static constexpr QPoint closeInset{14, 14};

    explicit OnboardingRoot(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~OnboardingRoot() override;

    OnboardingView* view() const { return view_; }
    StyledIconButton* closeButton() const { return close_; }
    Announcer* announcer() const { return announcer_; }
    const TableTheme& theme() const { return theme_; }

    // The flow's theme: satin on the popover surface, pixel unit 2, whatever style is stored.
    static TableTheme flowTheme(AppearanceFlags appearance, bool fourColorDeck);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void rebuildTheme();
    // The art moves only while the player can see it: not while the window is minimised or covered.
    void followSight();

    AppEnvironment environment_;
    Announcer* announcer_;
    AppearanceWatcher* appearance_;
    TableTheme theme_;
    OnboardingView* view_;
    StyledIconButton* close_;
    std::unique_ptr<X11Coverage> coverage_;
};
