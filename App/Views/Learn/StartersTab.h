#pragma once

#include <optional>

#include <QScrollArea>

#include "BotKit/StartingHand.h"
#include "Style/TableTheme.h"

class Announcer;
class BandLegend;
class QLabel;
class SidewaysScrollArea;
class StartersChartView;

// The Starters tab: a rule of thumb, the 13 by 13 chart, the legend of the five bands, a line naming the
// selected hand and its band, and a key to the layout. At a table the player's two cards are selected
// and outlined when it opens.
class StartersTab : public QScrollArea {
    Q_OBJECT
  public:
    // The theme gives the appearance (light or dark, contrast) and the panel's look. `announcer` may be
    // null.
    StartersTab(const TableTheme& theme, std::optional<BotKit::StartingHand> currentHand, bool compact,
                Announcer* announcer = nullptr, QWidget* parent = nullptr);

    StartersChartView* chart() const { return chart_; }
    // A new hand at the table: the chart outlines it, keeping the player's selection and the scroll.
    void setCurrentHand(std::optional<BotKit::StartingHand> currentHand);
    // The selection the player had on the tab this one replaces, taken back without a word.
    void restoreSelection(std::optional<BotKit::StartingHand> selected);
    QLabel* detailLabel() const { return detail_; }
    // What a reader hears of the selection: the cell's words, or that none is chosen yet.
    QString selectionLine() const;
    BandLegend* legend() const { return legend_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The chart as large as the width allows, but no taller than the room under the rule of thumb,
    // so the whole of it is in view as the tab opens.
    void fitChart();
    void showDetail();
    // Where the chart scrolls sideways, the selected cell is brought into view.
    void showSelection();

    bool dark_;
    Announcer* announcer_;
    QWidget* rule_ = nullptr;
    StartersChartView* chart_ = nullptr;
    SidewaysScrollArea* chartScroll_ = nullptr;
    BandLegend* legend_ = nullptr;
    QLabel* detail_ = nullptr;
};

// The five bands' swatches and names: on one row when they fit, else "Great", "Good", "Playable" over
// "Risky", "Usually fold". One element for a reader.
class BandLegend : public QWidget {
    Q_OBJECT
  public:
    BandLegend(bool dark, bool increasedContrast, QWidget* parent = nullptr);

    // How many rows the legend takes at a width.
    int rowsAt(int width) const;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double rowWidth(std::size_t first, std::size_t count) const;

    bool dark_;
    bool increasedContrast_;
};
