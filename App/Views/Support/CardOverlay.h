#pragma once

#include <QRect>
#include <QWidget>

#include <functional>
#include <utility>

// A card laid over a screen (a notice, a question, a term's panel): where it rests, and the shade
// that greys the screen under it.

// Where a card rests: at the bottom of `column`, 12 in from its edges, as tall as the card needs at
// that width. The card's widget keeps room round the card for its shadow.
QRect restingAtBottom(const QRect& column, const QWidget& card);
// The same at the top of `column`, where a question leaves in view what lies at the bottom.
QRect restingAtTop(const QRect& column, const QWidget& card);

// The shade under the card: black at 0.35, hidden from screen readers; a click on it runs `tapped`,
// which closes what it shades.
class CardShade : public QWidget {
  public:
    CardShade(std::function<void()> tapped, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::function<void()> tapped_;
};
