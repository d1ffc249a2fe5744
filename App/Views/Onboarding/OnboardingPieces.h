#pragma once

#include "Style/ArtIcon.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

#include <QAbstractButton>
#include <QString>

#include <functional>

class QPainter;

// The small pieces of the onboarding pages. None keeps state of its own beyond what it shows: every
// press runs the action the owning page handed in.

// A capsule with one fact, part of it in bold: "1 min a hand".
struct FactPill {
    QString lead;
    QString bold;
    QString rest;

    static constexpr double height = 28;
    double width() const;
    void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme) const;
};

// The text colours of the onboarding, from the satin palette.
namespace OnboardingInk {
QColor primary(const TableTheme& theme);
QColor secondary(const TableTheme& theme);
QColor accent(const TableTheme& theme);
} // namespace OnboardingInk

// A satin card that is a button as a whole: pressable anywhere on the card, not in the room kept round it
// for its shadow. Its checked state is what the owner says is chosen, never flipped by the click itself.
// The cards that share a parent are one question's answers: the arrow keys move the focus among them
// and press the card they land on, as a radio group's arrows move its choice.
class CardButton : public QAbstractButton {
    Q_OBJECT
  public:
    CardButton(QSizeF cardSize, double hitRadius, QWidget* parent);
    // Where the card itself sits inside the widget.
    QRectF cardRect() const;
    QSize sizeHint() const override;

  protected:
    bool hitButton(const QPoint& position) const override;
    void nextCheckState() override {}
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QSizeF cardSize_;
    double hitRadius_;
};

// A card for one answer: icon tile, title, detail and a selection ring. The whole card is the button.
class OptionCard final : public CardButton {
    Q_OBJECT
  public:
    static constexpr QSizeF cardSize{254, 74};

    OptionCard(const TableTheme& theme, ArtIcon icon, const QString& title, const QString& detail,
               std::function<void()> action, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }
    // The card's entrance: faded and lowered while it rises into place.
    void setEntrance(double opacity, double dy);
    // Places the card (not its shadow room) with its top-left corner at `topLeft` of the parent.
    void placeCard(QPointF topLeft);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    ArtIcon icon_;
    QString detail_;
    double opacity_ = 1;
    double dy_ = 0;
};

// A card for one table style: a thumbnail over the style's name, checked when chosen.
class StyleCard final : public CardButton {
    Q_OBJECT
  public:
    static constexpr QSizeF cardSize{164, 135};

    StyleCard(const TableTheme& theme, TableStyleID style, bool selected, std::function<void()> action,
              QWidget* parent = nullptr);
    TableStyleID style() const { return style_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    TableStyleID style_;
};

// The bottom bar's page indicator: a long dot for the page shown, short ones for the others.
class PageDots final : public QWidget {
    Q_OBJECT
  public:
    PageDots(int count, int current, bool reduceMotion, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setCurrent(int current);
    int current() const { return current_; }
    AnimationClock& clock() { return clock_; }

    // Width of dot `index` while the dots move from `from` to `to`, `progress` of the way.
    static double dotWidth(int index, int from, int to, double progress);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    int count_;
    int current_;
    int previous_;
    bool reduceMotion_;
    AnimationClock clock_;
    Transition move_;
};
