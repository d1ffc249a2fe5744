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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Layout;
    Layout layout() const;

    TableTheme theme_;
    HandTag tag_;
};
