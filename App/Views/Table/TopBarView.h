#pragma once

#include "Style/TableTheme.h"
#include "Table/Screen/TopBarText.h"
#include "Views/AppEnvironment.h"

#include "PokerEngine/PlayerView.h"

#include <QWidget>

#include <array>
#include <functional>

class StyledIconButton;
class StyledText;
class TagView;

// The strip above the popover's table: the game, its level and blinds, the hand number, a paused tag,
// and the six buttons (pause, sound, guide, window, settings, leave). Every button acts through the
// shared objects; the bar keeps nothing of its own.
class TopBarView : public QWidget {
    Q_OBJECT
  public:
    TopBarView(const AppEnvironment& environment, TableSurface surface, std::function<void()> openGuide,
               QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // Redraws from the shown view and the controller's and profile's current values.
    void refresh(const PokerEngine::PlayerView& view);
    StyledIconButton* button(TopBarText::TopBarButton which) const;
    QStringList texts() const;
    // The game's title, as laid out.
    const StyledText* modeText() const { return mode_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Places the texts and the buttons' faces along the row.
    void layOut();
    void pressed(TopBarText::TopBarButton which);
    TopBarText::TopBarState state() const;

    AppEnvironment environment_;
    TableSurface surface_;
    std::function<void()> openGuide_;
    TableTheme theme_;
    StyledText* mode_;
    StyledText* level_;
    StyledText* blinds_;
    StyledText* hand_;
    TagView* paused_;
    std::array<StyledIconButton*, 6> buttons_{};
};
