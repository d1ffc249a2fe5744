#pragma once

#include <QPainterPath>
#include <QWidget>

#include "Style/Drawing/RoundedClipEffect.h"
#include "Style/TableTheme.h"

// The satin card look outside the table: a rounded panel with an appearance-following fill, a thin
// border (the accent when selected, stronger with increased contrast) and a soft shadow. As a widget
// it is a container: lay children out inside it. The fill and the children are clipped, smoothly, to
// the card's rounded rectangle; the shadow lies outside the card and the border is drawn over the
// children, inside the card's edge.
class SatinPanel : public QWidget, private RoundedClipEffect::Layers {
    Q_OBJECT
  public:
    SatinPanel(const TableTheme& theme, bool selected, double radius, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    // Room kept around the card for its shadow.
    static QMargins shadowMargins();
    // How far the card's shadow reaches beyond it.
    static QMarginsF overhang(const TableTheme& theme, bool selected);
    // `systemDark` is the desktop's appearance (fill, border); `theme.dark` sets the shadow's depth.
    static void paint(QPainter& painter, const QRectF& card, const TableTheme& theme, bool systemDark,
                      bool selected, double radius);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The card and its border line, kept between paints and rebuilt when the size or selection changes.
    struct Outline {
        double radius = 0;
        QPainterPath card;
        QPainterPath border;
        double borderWidth = 1;
    };
    static Outline outlineFor(const QRectF& card, double radius, bool selected);
    static void paintShadow(QPainter& painter, const QPainterPath& card, const TableTheme& theme,
                            bool selected);
    static RGB borderColour(const TableTheme& theme, bool systemDark, bool selected);
    static void paintBorder(QPainter& painter, const Outline& outline, const TableTheme& theme,
                            bool systemDark, bool selected);

    const QPainterPath& clipShape() const override { return outline_.card; }
    void paintBeneath(QPainter& painter) const override;
    void paintAbove(QPainter& painter) const override;
    void rebuildOutline();

    TableTheme theme_;
    bool selected_;
    double radius_;
    Outline outline_;
};
