#pragma once

#include <array>

#include <QWidget>

#include "PokerEngine/PlayerView.h"
#include "Table/ActionBarModel.h"

class ChipSlider;
class AmountField;
class Announcer;
class GameController;
class RaiseTarget;
class StyledButton;

// The strip the player acts from on their turn: Fold, Check or Call, Bet or Raise, the raise presets,
// the amount slider and the amount field. It reads and writes the shared raise target and sends every
// action to the game controller, letting a refused one pass: the next view redraws the bar.
class ActionBar : public QWidget {
    Q_OBJECT
  public:
    // `controller` may be null (the gallery, a preview): actions are then only signalled.
    ActionBar(const TableTheme& theme, GameController* controller, RaiseTarget& target,
              QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // Where the bar speaks why typed text was not sent; absent (the gallery), it only marks the field.
    void setAnnouncer(Announcer* announcer) { announcer_ = announcer; }
    // The player's view on their turn; a view without legal actions allows nothing.
    void setView(const PokerEngine::PlayerView& view);
    ActionBarModel model() const;

    // Sends the bet or raise of the current target and leaves the amount field.
    void confirmRaise();

    StyledButton* foldButton() const { return fold_; }
    StyledButton* passiveButton() const { return passive_; }
    StyledButton* raiseButton() const { return raise_; }
    StyledButton* presetButton(RaisePreset preset) const {
        return presets_[static_cast<std::size_t>(preset)];
    }
    ChipSlider* slider() const { return slider_; }
    AmountField* amountField() const { return field_; }

    QSize sizeHint() const override;
    // How far the widget reaches past the band its rows stand in on every side, so that the controls'
    // shadows and focus rings at the band's edges are drawn whole.
    void setReach(int reach);

  signals:
    // Every action the bar sends, before the controller is asked to apply it.
    void acted(const PokerEngine::Action& action);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void send(const PokerEngine::Action& action);
    void refresh();
    void layOut();
    // Makes one of the bar's controls and wires it up.
    void make(const ActionBarControl& control);
    // The height of the rows' faces with the spaces between them.
    double columnHeight() const;

    TableTheme theme_;
    GameController* controller_;
    RaiseTarget& target_;
    PokerEngine::PlayerView view_;
    StyledButton* fold_ = nullptr;
    StyledButton* passive_ = nullptr;
    StyledButton* raise_ = nullptr;
    std::array<StyledButton*, 5> presets_{};
    ChipSlider* slider_ = nullptr;
    AmountField* field_ = nullptr;
    int reach_ = 0;
    Announcer* announcer_ = nullptr;
    // Holds the presets so a reader hears them as one group.
    QWidget* presetGroup_;
};
