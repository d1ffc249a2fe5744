#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QWidget>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Views/AppEnvironment.h"
#include "Views/Home/HomeModel.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/LobbyLayer.h"
#include "Views/Support/FocusReturn.h"

class QPushButton;
class BankrollAmount;
class HeroCard;
class ModeRow;
class NewGameSheet;
class NoticePanel;
class PokerBasicsView;
class PracticeRow;
class QLabel;
class QShortcut;
class QVBoxLayout;
class StyledIconButton;

// The lobby, shown by the popover and the window whenever no table runs: the bankroll, the hero card,
// the mode rows, the practice suggestion and the footer in one column, with the notice and the
// new-game sheet over it. Every rule is the home model's; this view paints, forwards, and animates
// each change of sheet and notice with the lobby motion.
class HomeView : public QWidget {
    Q_OBJECT
  public:
    // `art` is the theme the root provides (pictures are drawn in it; the chrome in the lobby theme).
    // `column` frames the lobby in the window (480 by 640); the popover gives none.
    HomeView(const AppEnvironment& environment, TableSurface surface, const TableTheme& art,
             std::optional<QSize> column = std::nullopt, QWidget* parent = nullptr);
    ~HomeView() override;

    void setTheme(const TableTheme& art);
    const TableTheme& art() const { return art_; }
    // With the keys nowhere in the lobby, hands them to the hero game's button, so its ring shows where
    // Return goes; an open notice, sheet or guide keeps its own.
    void takeKeys();
    HomeModel& model() { return *model_; }
    const HomeScreenModel& screen() const { return screen_; }

    // The parts a test or the gallery reaches.
    QWidget* column() const { return column_; }
    HeroCard* heroCard() const { return hero_; }
    const std::vector<ModeRow*>& rows() const { return rows_; }
    PracticeRow* practiceRow() const { return practice_; }
    NoticePanel* noticePanel() const { return notice_; }
    NewGameSheet* sheet() const { return sheet_; }
    PokerBasicsView* guide() const { return guide_; }
    BankrollAmount* bankroll() const { return amount_; }
    QLabel* statusLine() const { return status_; }
    StyledIconButton* guideButton() const { return guideButton_; }
    StyledIconButton* surfaceButton() const { return surfaceButton_; }
    StyledIconButton* settingsButton() const { return settingsButton_; }
    QPushButton* quitButton() const { return quit_; }
    AnimationClock& clock() { return clock_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildHeader(QVBoxLayout* column);
    void buildFooter(QVBoxLayout* column);
    void refresh();
    void rebuildBody();
    void showNotice(bool animated);
    void showSheet(bool animated);
    void showGuide(bool animated);
    // Which layer takes input now, and the motion under way.
    void settle();
    // Under the guide at rest the layers below are out of sight: hidden, so screen readers skip them too.
    void cover(bool covered);
    void place();
    void fitPracticeRow(const QRect& frame);
    // A change of layers starting now: the lobby motion, or at once.
    Transition motion(bool animated);
    // The body's control `widget` is, if it is one; and the widget of a control in the body now.
    std::optional<BodyControl> bodyControl(const QWidget* widget) const;
    QWidget* bodyWidget(const BodyControl& control) const;

    AppEnvironment environment_;
    TableSurface surface_;
    TableTheme art_;
    TableTheme lobby_;
    std::optional<QSize> columnSize_;
    std::unique_ptr<HomeModel> model_;
    HomeScreenModel screen_;

    QWidget* column_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QWidget* bodyContent_ = nullptr;
    BankrollAmount* amount_ = nullptr;
    QLabel* chipsWord_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* footnote_ = nullptr;
    QWidget* bankrollLine_ = nullptr;
    QWidget* dim_ = nullptr;
    QShortcut* deal_ = nullptr;
    StyledIconButton* guideButton_ = nullptr;
    StyledIconButton* surfaceButton_ = nullptr;
    StyledIconButton* settingsButton_ = nullptr;
    QPushButton* quit_ = nullptr;
    HeroCard* hero_ = nullptr;
    std::vector<ModeRow*> rows_;
    PracticeRow* practice_ = nullptr;
    NoticePanel* notice_ = nullptr;
    NewGameSheet* sheet_ = nullptr;
    PokerBasicsView* guide_ = nullptr;
    // What held the keys before each layer took them.
    FocusReturn noticeReturn_;
    FocusReturn sheetReturn_;
    FocusReturn guideReturn_;

    AnimationClock clock_;
    LobbyLayer columnLayer_{this, HomeLook::LayerEntrance::fade};
    LobbyLayer practiceLayer_{this, HomeLook::LayerEntrance::fade};
    LobbyLayer dimLayer_{this, HomeLook::LayerEntrance::fade};
    LobbyLayer noticeLayer_{this, HomeLook::LayerEntrance::riseAndFade};
    LobbyLayer sheetLayer_{this, HomeLook::LayerEntrance::rise};
    LobbyLayer guideLayer_{this, HomeLook::LayerEntrance::rise};
};
