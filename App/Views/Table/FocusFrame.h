#pragma once

#include "Style/TableTheme.h"

#include <QWidget>

// The focus ring round a whole area that holds the keys (the log's rows, the table): a widget laid
// over the area that lets every click through.
class FocusFrame : public QWidget {
  public:
    FocusFrame(const TableTheme& theme, QWidget* parent);

    void setTheme(const TableTheme& theme);
    // Rings `area` of the parent, above its other children.
    void ring(const QRect& area);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
};
