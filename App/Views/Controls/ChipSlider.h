#pragma once

#include <cstdint>

#include <QWidget>

#include "Style/TableTheme.h"

// The bet-size slider: a horizontal slider over a whole-number chip range whose every value lies on a
// step grid counted from the lower end, both ends reachable. It is drawn in the theme's style, follows
// the pointer from the first press, moves a step with the arrow keys, and presents itself to screen
// readers as an ordinary slider named by its label.
class ChipSlider : public QWidget {
    Q_OBJECT
  public:
    ChipSlider(const TableTheme& theme, const QString& label, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // A step below 1 counts as 1; an upper end below the lower counts as the lower.
    void setRange(std::int64_t lower, std::int64_t upper, std::int64_t step);
    // Shows the bound amount, whatever it is; only the slider's own moves are snapped.
    void setValue(std::int64_t value);

    std::int64_t value() const { return value_; }
    std::int64_t lower() const { return lower_; }
    std::int64_t upper() const { return upper_; }
    std::int64_t step() const { return step_; }
    QString label() const { return accessibleName(); }
    // "1,200 chips".
    QString spokenValue() const;
    // Moves by whole steps, as an arrow key or a screen reader's increment does.
    void nudge(int steps);
    // Sets the value a screen reader asks for, snapped to the grid.
    void moveTo(std::int64_t value);

    QSize sizeHint() const override;

  signals:
    // The player moved the slider to a new value.
    void valueEdited(std::int64_t value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void follow(double x);
    void write(std::int64_t value);
    void paintSatin(QPainter& painter, double fraction) const;
    void paintPaper(QPainter& painter, double fraction) const;
    void paintPixel(QPainter& painter, double fraction) const;

    TableTheme theme_;
    std::int64_t lower_ = 0;
    std::int64_t upper_ = 0;
    std::int64_t step_ = 1;
    std::int64_t value_ = 0;
};
