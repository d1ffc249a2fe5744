#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

// Offers a widget the key presses that reach its window because nothing focused elsewhere in it took
// them, so the table answers keys typed while the action log or the guide beside it has the focus.
// What a focused control uses stays its own: a button's Space and Return, a list's arrows, and
// everything typed into a text field, even Return, which a field lets pass. Presses from inside the
// widget itself have had their turn on their way up and are not offered again.
class UnclaimedWindowKeys final : public QObject {
  public:
    // `answer` returns true when it used the press.
    UnclaimedWindowKeys(QWidget& owner, std::function<bool(const QKeyEvent&)> answer);

    // Listens to the window the widget is in now; call when it is shown, since it may have moved.
    void follow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool offered() const;

    QWidget& owner_;
    std::function<bool(const QKeyEvent&)> answer_;
    QPointer<QWidget> window_;
};
