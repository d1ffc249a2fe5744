#pragma once

#include <functional>

#include <QAbstractButton>
#include <QWidget>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Views/Home/HomeNotice.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Support/ConfirmationPanel.h"

class QLabel;
class StyledButton;

// The small views of the lobby. None keeps state or changes anything: every button runs a function
// handed in by the home view.

// The bankroll in large digits; a changed amount rolls in unless motion is reduced.
class BankrollAmount : public QWidget {
    Q_OBJECT
  public:
    BankrollAmount(const TableTheme& theme, const QString& amount, QWidget* parent = nullptr);
    void setAmount(const QString& amount);
    void setTheme(const TableTheme& theme);
    const QString& amount() const { return amount_; }
    bool isRolling() const { return rolling_.has_value(); }
    AnimationClock& clock() { return clock_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    QString amount_;
    QString previous_;
    AnimationClock clock_;
    std::optional<Transition> rolling_;
};

// One mode of the lobby as a row: its tile, title, short detail, what it costs and, when the player
// can't pay, why; a faint highlight while pressed.
class ModeRow : public QAbstractButton {
    Q_OBJECT
  public:
    ModeRow(const TableTheme& lobby, const TableTheme& art, ModeRowModel model, QWidget* parent = nullptr);
    const ModeRowModel& model() const { return model_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme lobby_;
    TableTheme art_;
    ModeRowModel model_;
};

// The hero card: the picture, the title with its cost, the detail and the warning, the primary
// button and, when offered, the options button.
class HeroCard : public QWidget {
    Q_OBJECT
  public:
    HeroCard(const TableTheme& lobby, const TableTheme& art, const HomeHero& hero, const HeroCardModel& model,
             std::function<void()> primary, std::function<void()> options, QWidget* parent = nullptr);
    StyledButton* primaryButton() const { return primary_; }
    QAbstractButton* optionsButton() const { return options_; }

  private:
    StyledButton* primary_ = nullptr;
    QAbstractButton* options_ = nullptr;
};

// The practice suggestion under the rows: play it, or close it for good.
class PracticeRow : public QWidget {
    Q_OBJECT
  public:
    PracticeRow(const TableTheme& lobby, std::function<void()> play, std::function<void()> close,
                QWidget* parent = nullptr);
    QAbstractButton* playButton() const { return play_; }
    QAbstractButton* closeButton() const { return close_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme lobby_;
    QAbstractButton* play_;
    QAbstractButton* close_;
};

// The notice over the home: a mode the player can't afford, or the question before a saved game is
// given up, asked as the game asks every question. Giving up the saved game takes a click or Space,
// never a Return that may be meant for the lobby's own default action.
class NoticePanel : public ConfirmationPanel {
    Q_OBJECT
  public:
    NoticePanel(const TableTheme& lobby, const TableTheme& art, const HomeNotice& notice,
                const QString& title, const QString& message, std::function<void()> dismiss,
                std::function<void(const GameSetup&)> confirm, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
