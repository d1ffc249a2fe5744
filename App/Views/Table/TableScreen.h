#pragma once

#include "Game/RaisePreset.h"
#include "Game/TableText.h"
#include "Learn/PracticeCaption.h"
#include "Persistence/Instant.h"
#include "Scheduler.h"
#include "Style/AvatarModel.h"
#include "Style/ControlKind.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/Drawing/FadeScaleEffect.h"
#include "Style/TableTheme.h"
#include "Table/Screen/BottomRow.h"
#include "Table/Screen/TableKeys.h"
#include "Table/Screen/TableOverModel.h"
#include "Table/TableGeometry.h"
#include "Table/TableSpeaker.h"
#include "Views/AppEnvironment.h"

#include "PokerEngine/PlayerView.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ActionBar;
class ActionMessage;
class FocusFrame;
class Announcer;
class LeavingPicture;
class PokerBasicsView;
class PracticeCaptionView;
class RaiseTarget;
class StatusLine;
class ShowdownBannerView;
class SoundSink;
class StageView;
class TablePresenter;
class TopBarView;
class UnclaimedWindowKeys;

// The playing screen while the controller has a table, in the popover or the window: the top bar
// (popover only), the animated stage and one row under it (the leave question, the practice caption,
// the end of the game, the pause, the showdown, a waiting line or the betting controls). It feeds the
// controller's views to its presenter, announces new events, and plays the whole game from the keys.
// It changes nothing itself: every control calls the controller, the app state or the surfaces.
class TableScreen : public QWidget {
    Q_OBJECT
  public:
    // What the screen uses beyond the shared objects; tests give virtual time and recorders.
    struct Services {
        Scheduler* scheduler = nullptr;
        SoundSink* sounds = nullptr;
        Announcer* announcer = nullptr;
        std::function<Instant()> now;
    };

    TableScreen(const AppEnvironment& environment, TableSurface surface, std::function<void()> openGuide = {},
                QWidget* parent = nullptr);
    TableScreen(const AppEnvironment& environment, TableSurface surface, std::function<void()> openGuide,
                Services services, QWidget* parent = nullptr);
    ~TableScreen() override;

    // The desktop's appearance; the screen repaints in it.
    void setAppearance(AppearanceFlags appearance);
    // Draws the table in a style players cannot choose yet (the gallery's previews); absent: the
    // stored style when it is offered, else satin.
    void setPreviewStyle(std::optional<TableStyleID> style);

    const TableTheme& theme() const { return theme_; }
    const TableGeometry& geometry() const { return geometry_; }
    TablePresenter& presenter() const { return *presenter_; }
    StageView& stage() const { return *stage_; }
    Announcer& announcer() const { return *announcer_; }
    BottomRow bottomRow() const { return row_; }
    // The words the bottom row shows now (its title, or its line), for tests.
    QString bottomText() const;
    ActionMessage* message() const { return message_; }
    ShowdownBannerView* banner() const { return banner_; }
    ActionBar* actionBar() const { return actionBar_; }
    PracticeCaptionView* practiceCaption() const { return caption_; }
    TopBarView* topBar() const { return topBar_; }
    // The Poker Basics panel over the table while it is open or closing.
    PokerBasicsView* guidePanel() const { return guidePanel_; }
    // The clock of the rows' and the guide's movements (the stage has its own).
    AnimationClock& clock() { return clock_; }
    // The row widget's effect while it comes in (absent once it is in place).
    const FadeScaleEffect* rowEffect() const;
    // The raise being prepared and the keyboard focus, shared with the action bar.
    RaiseTarget& raiseTarget() const { return *target_; }
    TableFocus focus() const;
    bool guideOpen() const { return guideOpen_; }
    // The player's turn is open: its controls show and its keys act (see Table/TurnGate.h).
    bool turnOpen() const { return turnOpen_; }
    // Shown round the table while Tab has given it the keys.
    QWidget* focusFrame() const;

    // Opens or closes the guide: the given action when there is one, else the guide panel over the
    // table, which pauses the game while it is open.
    void showGuide(bool open);
    // Answers one key press; true when the table used it.
    bool handle(const TableKeyPress& press);
    // Gives the keys to the table, or to the row under it that takes them.
    void takeKeys();
    // Made for a table under way on the other surface: the reader heard its past there.
    void joinTableUnderWay();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void viewChanged();
    void tick();
    // Starts the movements of a change of row: the old one fading out, the new one coming in.
    void hideRow(QWidget* row);
    void moveRows(BottomRow from, QWidget* leaving);
    // The row coming in fades in (and the banner grows in) as its rules say.
    // `after`: the row it takes the place of, which it waits for to fade out; none for a cross-fade.
    void arrive(BottomRow row, std::optional<BottomRow> after = std::nullopt);
    QWidget* rowWidget(BottomRow row) const;
    // Where the row under the table goes inside its area.
    QRect rowRect() const;
    FadeScaleEffect::Look arrivalLook() const;
    void placeGuide();
    // The guide's controls: satin whatever the table's style, in the table's look.
    TableTheme guideLook() const;
    void showContent();
    void closedGuide();
    void refresh();
    void refreshStage();
    void refreshBottom();
    void layoutRows();
    void updateTheme();
    void resetRaise();
    // Tells the reader of a change of the game's view; `appear` of the table as it stands.
    void tell(const PokerEngine::PlayerView& to);
    void appear();
    // Says what is due: the events told, the player's cards once they rest, the practice caption, the key
    // a waiting result needs, the prompt when the player's turn has just opened on screen.
    void speakTurn();
    // Says words that hold a practice caption once the reader has been told what waits (see tellCaption).
    void tellCaption(const QString& words);
    // The reader can hear the table: on screen, shown as it stands, with nothing over it.
    bool heard() const;
    // Sets what the table says of itself to a reader who comes to it or asks.
    void describe();
    // The table is about to take the keys: unless a row under it takes them, the reader reads the table
    // as it stands where they land, the player's cards among it, resting or still on their way.
    void readAsItStands();
    // Says what is due once that reading is over: the table's standing first, the turn's prompt last.
    void speakOnceRead();
    // Why an action key does nothing now.
    QString notNow() const;
    TableText tableText() const;
    // What leaving now takes away, as `view` stands; absent for a game already over.
    std::optional<TableOverModel::Leaving> leavingNow(const PokerEngine::PlayerView& view) const;
    // The game was left before its end: the reader hears what the player took with them, or what it cost.
    void tellLeaving();
    void carryOut(const TableKeyCommand& command);
    // Puts up a message in the row under the table (a new one each time its words change).
    void putMessage(const QString& title, const std::optional<QString>& detail, const QString& button,
                    ControlKind kind, std::optional<std::pair<QString, std::function<void()>>> secondary,
                    std::function<void()> action);
    bool learning() const;
    AvatarModel avatarOf(std::int64_t seat) const;
    std::map<std::int64_t, std::vector<PokerEngine::Card>>
    unshownCards(const PokerEngine::PlayerView& view) const;
    void showPracticeCaption(const PracticeCaption& caption);
    void showLeaveQuestion(std::optional<GameMode> mode);
    void showTableOver();
    void showPause();

    // Room round the row under the table for what its controls draw beyond their faces.
    static constexpr int rowRoom = 8;

    AppEnvironment environment_;
    TableSurface surface_;
    std::function<void()> openGuide_;
    std::unique_ptr<Scheduler> ownScheduler_;
    std::unique_ptr<Announcer> ownAnnouncer_;
    Services services_;
    std::unique_ptr<TablePresenter> presenter_;
    Announcer* announcer_;
    AppearanceFlags appearance_;
    std::optional<TableStyleID> previewStyle_;
    TableTheme theme_;
    TableGeometry geometry_;

    TopBarView* topBar_ = nullptr;
    StageView* stage_;
    std::unique_ptr<RaiseTarget> target_;
    QWidget* bottom_;
    ActionMessage* message_ = nullptr;
    QString messageTitle_;
    ShowdownBannerView* banner_;
    StatusLine* line_;
    ActionBar* actionBar_;
    PracticeCaptionView* caption_ = nullptr;
    PokerBasicsView* guidePanel_ = nullptr;
    UnclaimedWindowKeys* windowKeys_;
    // Rings the table while it holds the keys it was given by Tab.
    FocusFrame* focusFrame_;

    AnimationClock clock_;
    // 0 closed to 1 open.
    Transition guide_{AnimationCurve::linear(0), 0, 0, 0};
    // The row coming in, its motion and when it started; a picture of the row going out, fading.
    struct Arrival {
        QWidget* widget = nullptr;
        TableScreenRules::RowMotion motion;
        double startedAt = 0;
    };
    std::optional<Arrival> arrival_;
    LeavingPicture* ghost_ = nullptr;
    Transition ghostFade_{AnimationCurve::linear(0), 0, 1, 1};

    BottomRow row_ = BottomRow::waitingLine;
    // When the betting controls last came on screen, and when the presenter's latest timeline started,
    // on the clock of the rows' movements.
    double controlsShownAt_ = 0;
    double cuesAt_ = 0;
    // What the reader is told, when and how often.
    TableSpeaker speaker_;
    // The player's turn is open (see TurnGate).
    bool turnOpen_ = false;
    // When a Return or Space last moved the game on (the narration, the next deal), on the rows' clock.
    double advancedAt_ = -1e9;
    ScheduledWork appearing_;
    // A caption's words wait for the reader to be told what the table changed: its button takes the keys
    // only after them.
    bool captionOnItsWay_ = false;
    // The window got the keys back: the turn is told again once its focus is in.
    ScheduledWork comingBack_;
    std::optional<TableOverModel::Leaving> leaving_;
    // The table the screen last showed, to tell a new game.
    std::uint64_t generation_ = 0;
    bool guideOpen_ = false;
    // How many times the table has taken the keys to be read (see speakOnceRead).
    int readings_ = 0;
    bool ingesting_ = false;
    std::optional<PokerEngine::LegalActions> shownLegal_;
    std::optional<QString> refusal_;
};
