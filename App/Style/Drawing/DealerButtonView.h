#pragma once

#include <QWidget>

#include "Style/TableTheme.h"

// The dealer's "D" disc.
class DealerButtonView : public QWidget {
    Q_OBJECT
  public:
    explicit DealerButtonView(const TableTheme& theme, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // The disc's diameter: nine pixel cells in pixel, else 22 in the window and 16 in the popover.
    static double diameter(const TableTheme& theme);
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
};
