#pragma once

#include <optional>
#include <vector>

#include <QWidget>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

class QAbstractButton;

// The segmented control: one segment per option, with a raised pill behind the chosen one that slides
// to a newly chosen segment. Options are addressed by index; the owner maps them to its values. Each
// segment is a button; Tab reaches the chosen one only, and the arrow keys step the choice, and the
// keys with it, without wrapping.
class SlidingPicker : public QWidget {
    Q_OBJECT
  public:
    struct Option {
        QString title;
        // Small dots after the title (difficulty); 0 draws none.
        int dots = 0;
        // What a screen reader says for the segment; the title when empty.
        QString spoken;
    };

    SlidingPicker(const TableTheme& theme, QString title, std::vector<Option> options,
                  std::optional<int> selected, QWidget* parent = nullptr);

    std::optional<int> selected() const { return selected_; }
    // Shows a choice made elsewhere (the pill slides to it); sends nothing.
    void setSelected(std::optional<int> index);
    void setTheme(const TableTheme& theme);
    const std::vector<QAbstractButton*>& segments() const { return segments_; }
    // The share of their size the titles are drawn at, so that each fits its segment.
    double titleScale() const { return titleScale_; }
    // The clock of the pill's movement.
    AnimationClock& clock() { return clock_; }

    QSize sizeHint() const override;

  signals:
    // The player chose the option at `index` (also when it was already chosen).
    void picked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void choose(int index);
    void moveTo(std::optional<int> index);
    QRectF segmentRect(int index) const;

    TableTheme theme_;
    std::vector<Option> options_;
    std::vector<QAbstractButton*> segments_;
    std::optional<int> selected_;
    double titleScale_ = 1;
    AnimationClock clock_;
    // The pill's left edge and its opacity, on their way to the chosen segment.
    Transition pillX_;
    Transition pillOpacity_;
};
