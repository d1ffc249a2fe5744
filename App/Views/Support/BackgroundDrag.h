#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

// Moves a window without a title bar when the player drags its background: a left press that no
// control inside takes. The window manager moves it when it offers to (as its title bar would, with
// its own snapping and limits); where none does, the window follows the pointer by hand.
class BackgroundDrag final : public QObject {
    Q_OBJECT
  public:
    // Lives as long as `window`, whose presses it watches.
    explicit BackgroundDrag(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    // Where the pointer was pressed, from the window's top-left corner, while moving it by hand.
    std::optional<QPoint> grip_;
};
