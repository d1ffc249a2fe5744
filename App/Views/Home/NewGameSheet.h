#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QRectF>
#include <QWidget>

#include "Learn/GuideDestination.h"
#include "Learn/Term.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Views/Controls/SeatPresence.h"
#include "Views/Home/LobbyLayer.h"
#include "Views/Home/NewGameSheetModel.h"
#include "Views/Support/FocusReturn.h"

class AppState;
class Announcer;
class ArtView;
class BuyInSlider;
class OpponentStepper;
class QLabel;
class QPainter;
class QShortcut;
class TermPanel;
class SlidingPicker;
class StakePicker;
class StyledButton;

// The options of one new game, in place of the lobby's column: the mode's name and the spendable chips,
// a preview of the table the seed will seat, the mode's choices (each remembered the moment it
// changes), why a start is refused, and the start button. Return starts (or presses the focused button),
// Escape cancels. A section's question mark explains its term in a panel over the shaded form; the
// panel's link leaves for the guide.
class NewGameSheet : public QWidget {
    Q_OBJECT
  public:
    // The sheet fills the lobby; its form and a term's panel keep to the lobby's `column` (none in the
    // popover), and the shade under the panel covers all of it. It speaks through `announcer`, the
    // program's voice; without one (a test, the gallery) it has a voice of its own.
    NewGameSheet(const TableTheme& lobby, const TableTheme& art, AppState& appState, NewGameSheetModel model,
                 Announcer* announcer, std::optional<QSize> column = std::nullopt, QWidget* parent = nullptr);
    ~NewGameSheet() override;

    void setTheme(const TableTheme& lobby, const TableTheme& art);
    // Puts the keyboard in the sheet as it opens.
    void takeKeys();
    const NewGameSheetModel& model() const { return model_; }
    const std::optional<QString>& lockedReason() const { return lockedReason_; }
    Announcer& announcer() { return *announcer_; }
    AnimationClock& clock() { return clock_; }

    // Opens the explanation of `term` over the form with the lobby motion; none closes it.
    void explain(std::optional<Term> term);
    const std::optional<Term>& explaining() const { return explaining_; }
    TermPanel* termPanel() const { return panel_; }
    QWidget* form() const { return form_; }

    StyledButton* startButton() const { return start_; }
    StyledButton* cancelButton() const { return cancel_; }
    OpponentStepper* stepper() const { return stepper_; }
    ArtView* preview() const { return preview_; }
    // What the miniature table covers in the preview as drawn, in the preview's coordinates: kept clear
    // of the stepper over its corner.
    std::vector<QRectF> previewCovers() const;
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
    // A term's panel asked for the guide at `destination`.
    void guideRequested(const GuideDestination& destination);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeForm();
    void placeStepper();
    void paintPreview(QPainter& painter, const QRectF& rect) const;
    // The room the miniature leaves at the preview's leading edge for the stepper.
    double previewRoom() const;
    void showTerm(bool animated);
    void place();
    void build();
    void refresh();
    void start();
    void change(const std::function<void(NewGameChoices&)>& edit);
    QWidget* section(const QString& title, Term term, int top);
    QWidget* stat(const QString& title, const QString& value);

    TableTheme lobby_;
    TableTheme art_;
    AppState& appState_;
    NewGameSheetModel model_;
    std::optional<QSize> column_;
    std::optional<QString> lockedReason_;
    std::unique_ptr<Announcer> ownAnnouncer_;
    Announcer* announcer_;
    std::optional<Term> explaining_;
    // The preview's seats, growing in and shrinking away as the opponents change.
    SeatPresence seats_;
    AnimationClock clock_;
    std::array<QShortcut*, 3> keys_{};

    QWidget* form_ = nullptr;
    QWidget* dim_ = nullptr;
    QWidget* termLayer_ = nullptr;
    TermPanel* panel_ = nullptr;
    // The info button that opened the term's panel gets the keys back when it closes.
    FocusReturn termReturn_;
    LobbyLayer dimLayer_{this, HomeLook::LayerEntrance::fade};
    LobbyLayer panelLayer_{this, HomeLook::LayerEntrance::riseAndFade};

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
