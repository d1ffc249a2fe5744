#pragma once

#include "Style/TableTheme.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class StyledButton;

// The game's one way of asking before something happens (giving up a saved game, resetting the
// bankroll) or of saying why it can't: a card in the satin panel look with the chips art, a title and
// a message that wrap and are never cut, and its answers. Escape runs the safe answer; the destructive
// one takes a click or Space, never a Return that may be meant elsewhere. The screen that shows the
// card gives the safe answer the keys, so its ring shows what Return presses.
class ConfirmationPanel : public QWidget {
    Q_OBJECT
  public:
    struct Answer {
        QString title;
        std::function<void()> action;
    };

    // Drawn in `look`, its art in `art`. The safe answer stands at the trailing edge, or left of the
    // destructive one when there is one.
    ConfirmationPanel(const TableTheme& look, const TableTheme& art, const QString& title,
                      const QString& message, Answer safe, std::optional<Answer> destructive,
                      QWidget* parent = nullptr);
    StyledButton* dismissButton() const { return dismiss_; }
    StyledButton* confirmButton() const { return confirm_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TableTheme look_;
    StyledButton* dismiss_ = nullptr;
    StyledButton* confirm_ = nullptr;
};
