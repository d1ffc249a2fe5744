#pragma once

#include <QWidget>

#include "Style/TableTheme.h"

// The satin card look outside the table: a rounded panel with an appearance-following fill, a thin
// border (the accent when selected, stronger with increased contrast) and a soft shadow. As a widget
// it is a container: lay children out inside it.
class SatinPanel : public QWidget {
    Q_OBJECT
  public:
    SatinPanel(const TableTheme& theme, bool selected, double radius, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    // Room kept around the card for its shadow.
    static QMargins shadowMargins();
    // `systemDark` is the desktop's appearance (fill, border); `theme.dark` sets the shadow's depth.
    static void paint(QPainter& painter, const QRectF& card, const TableTheme& theme, bool systemDark,
                      bool selected, double radius);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    bool selected_;
    double radius_;
};
