#pragma once

#include <optional>

#include <QWidget>

#include "Style/TableTheme.h"
#include "Views/Home/NewGameSheetModel.h"

class AppState;
class Announcer;
class ArtView;
class BuyInSlider;
class OpponentStepper;
class QLabel;
class SlidingPicker;
class StakePicker;
class StyledButton;

// The options of one new game, in place of the lobby's column: the mode's name and the spendable chips,
// a preview of the table the seed will seat, the mode's choices (each remembered the moment it
// changes), why a start is refused, and the start button. Return starts, Escape cancels.
class NewGameSheet : public QWidget {
    Q_OBJECT
  public:
    NewGameSheet(const TableTheme& lobby, const TableTheme& art, AppState& appState, NewGameSheetModel model,
                 QWidget* parent = nullptr);
    ~NewGameSheet() override;

    void setTheme(const TableTheme& lobby, const TableTheme& art);
    const NewGameSheetModel& model() const { return model_; }
    const std::optional<QString>& lockedReason() const { return lockedReason_; }
    Announcer& announcer() { return *announcer_; }

    StyledButton* startButton() const { return start_; }
    StyledButton* cancelButton() const { return cancel_; }
    OpponentStepper* stepper() const { return stepper_; }
    SlidingPicker* handsPicker() const { return hands_; }
    SlidingPicker* difficultyPicker() const { return difficulty_; }
    StakePicker* stakePicker() const { return stakes_; }
    BuyInSlider* buyInSlider() const { return buyIn_; }
    QLabel* messageLine() const { return message_; }
    QLabel* blockedLine() const { return blocked_; }

  signals:
    void cancelled();
    // The player started an affordable setup.
    void started(const GameSetup& setup);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeStepper();
    void build();
    void refresh();
    void start();
    void change(const std::function<void(NewGameChoices&)>& edit);
    QWidget* section(const QString& title, int top);
    QWidget* stat(const QString& title, const QString& value);

    TableTheme lobby_;
    TableTheme art_;
    AppState& appState_;
    NewGameSheetModel model_;
    std::optional<QString> lockedReason_;
    std::unique_ptr<Announcer> announcer_;

    QLabel* bankroll_ = nullptr;
    StyledButton* cancel_ = nullptr;
    StyledButton* start_ = nullptr;
    ArtView* preview_ = nullptr;
    OpponentStepper* stepper_ = nullptr;
    SlidingPicker* hands_ = nullptr;
    SlidingPicker* difficulty_ = nullptr;
    StakePicker* stakes_ = nullptr;
    BuyInSlider* buyIn_ = nullptr;
    QLabel* buyInAmount_ = nullptr;
    QLabel* buyInRange_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* blocked_ = nullptr;
};
