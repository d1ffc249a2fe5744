#pragma once

#include "Style/TableTheme.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class StyledButton;

// The game's one way of asking before something happens (giving up a saved game, resetting the
// bankroll) or of saying why it can't: a card in the satin panel look with the chips art, a title and
// a message that wrap and are never cut, and its answers. Escape runs the safe answer; Return presses
// the answer that shows the ring. The screen that shows the card gives the safe answer the keys first.
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

  private:
    TableTheme look_;
    StyledButton* dismiss_ = nullptr;
    StyledButton* confirm_ = nullptr;
};
