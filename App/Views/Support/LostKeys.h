#pragma once

#include <functional>

#include <QObject>

class QWidget;

// Gives a root's keys back to its screen whenever they end up nowhere in its window while that window
// is in front: a focused control that goes away (a lobby replaced by the table, a row rebuilt) can
// leave the window with no focused control at all, and then no key the player presses does anything
// until Tab.
class LostKeys : public QObject {
    Q_OBJECT
  public:
    LostKeys(QWidget& root, std::function<void()> takeKeys);

  private:
    void checkSoon();

    QWidget& root_;
    std::function<void()> takeKeys_;
};
