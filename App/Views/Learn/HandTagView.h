#pragma once

#include <QWidget>

#include "Learn/HandTag.h"
#include "Style/TableTheme.h"

// The hand tag chip beside the player's cards in learning mode: the title with strength pips, the detail
// lines under it, the help text as a tooltip. One look in every style; hidden from screen readers (the
// table speaks the tag itself).
class HandTagView : public QWidget {
    Q_OBJECT
  public:
    HandTagView(const TableTheme& theme, const HandTag& tag, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setTag(const HandTag& tag);
    const HandTag& tag() const { return tag_; }

    // Room left around the chip for its shadow.
    static QMargins shadowMargins() { return {3, 2, 3, 6}; }
    // The chip inside the widget.
    QRectF chipRect() const;

    // The share of their size the texts are drawn at now: below 1 only when the chip is given less
    // than its natural width, and never below the minimum scale.
    double textScale() const;
    // The title as drawn at the present width: whole, unless even alone on its row it cannot fit.
    QString shownTitle() const;

    QSize sizeHint() const override;
    // The chip with its text at the minimum scale.
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Layout;
    // The texts at `scale`, the lines wrapping at no more than `wrapWidth`.
    Layout measure(double scale, double wrapWidth) const;
    // The layout for a chip `chipWidth` wide.
    Layout layout(double chipWidth) const;
    static QSize sizeFor(const Layout& shape);
    double titleRoomIn(const Layout& shape) const;
    QString drawnTitle(const Layout& shape) const;

    TableTheme theme_;
    HandTag tag_;
};
