#pragma once

#include "Style/TableTheme.h"

#include <QAbstractButton>

// "Click the result to keep it up": a plain caption the player can press, with no button face, and its
// own focus ring while it has the keyboard. Space and Return press it.
class HoldResultButton : public QAbstractButton {
    Q_OBJECT
  public:
    HoldResultButton(const TableTheme& theme, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    QSize sizeHint() const override;
    // The caption with its margins, inside the room kept for the focus ring.
    QRectF captionRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TableTheme theme_;
};
