#pragma once

#include "Style/Drawing/FramedOrnament.h"

#include "Style/TableTheme.h"

// The dealer's "D" disc.
class DealerButtonView : public FramedOrnament {
    Q_OBJECT
  public:
    explicit DealerButtonView(const TableTheme& theme, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // The disc's diameter: nine pixel cells in pixel, else 22 in the window and 16 in the popover.
    static double diameter(const TableTheme& theme);
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme);
    // How far the disc's drawing reaches beyond its frame: its shadow, and in paper its edge.
    static QMarginsF overhang(const TableTheme& theme);

  protected:
    QSizeF frameSize() const override { return {diameter(theme_), diameter(theme_)}; }
    QMarginsF overhang() const override { return overhang(theme_); }
    void paintFrame(QPainter& painter, QPointF topLeft) const override { paint(painter, topLeft, theme_); }

  private:
    static void paintDisc(QPainter& painter, QPointF topLeft, const TableTheme& theme);

    TableTheme theme_;
};
