#pragma once

#include <optional>

#include <QFont>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>

#include "BotKit/StartingHand.h"
#include "Learn/GuideContent.h"
#include "Learn/StartersChart.h"

// The 13 by 13 starting-hands chart as one painted widget: each cell coloured by its band and labelled
// ("AKs", "T9o", "QQ"), the player's hand outlined, the selection outlined more thinly. A click selects a
// cell; the arrow keys move the selection. For a reader it is a container of 169 buttons.
class StartersChartView : public QWidget {
    Q_OBJECT
  public:
    StartersChartView(std::optional<BotKit::StartingHand> current, bool dark, bool increasedContrast,
                      QWidget* parent = nullptr);

    std::optional<BotKit::StartingHand> selected() const { return selected_; }
    std::optional<BotKit::StartingHand> current() const { return current_; }
    void select(const BotKit::StartingHand& hand);
    // The player's cards moved on (a new hand): the outline follows them. The selection is the
    // player's and stays; with none yet it takes the new cards.
    void setCurrent(std::optional<BotKit::StartingHand> current);

    // The cell under a point, if any.
    std::optional<BotKit::StartingHand> handAt(QPointF point) const;
    QRectF cellRect(int row, int column) const;
    // The label size now, from the width.
    int labelSize() const;
    // The widest label and the line height at each size the labels take, in the labels' font.
    static const StartersChart::LabelMeasures& labelMeasures();
    // The labels' font at a size.
    static QFont labelFont(int pixelSize);

    // Bands' colours, shared with the legend.
    struct BandLook {
        QColor fill;
        QColor border;
        double borderWidth = 0;
        QColor label;
    };
    static BandLook look(StartingBand band, bool dark, bool increasedContrast);
    static void paintSwatch(QPainter& painter, const QRectF& box, const BandLook& look);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override;

  signals:
    void selectionChanged(const BotKit::StartingHand& hand);
    // The keys came into the chart from elsewhere.
    void entered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The cells and their labels, without outlines, at a device pixel ratio.
    QPixmap paintCells(double ratio) const;
    const std::vector<QStaticText>& preparedLabels(const QFont& font) const;

    std::optional<BotKit::StartingHand> current_;
    std::optional<BotKit::StartingHand> selected_;
    bool dark_;
    bool increasedContrast_;
    QPixmap cells_;
    mutable std::vector<QStaticText> labels_;
    mutable QFont labelsFont_;
};
