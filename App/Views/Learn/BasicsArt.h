#pragma once

#include <QWidget>

#include "Learn/GuideContent.h"
#include "Style/TableTheme.h"

// The illustration of a Basics page: the same pieces at the same places in every style, each drawn in
// the theme's style. Decorative; nothing in it moves.
class BasicsArt : public QWidget {
    Q_OBJECT
  public:
    BasicsArt(const TableTheme& theme, BasicsPage page, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setPage(BasicsPage page);
    BasicsPage page() const { return page_; }

    static void paint(QPainter& painter, const QRectF& box, const TableTheme& theme, BasicsPage page);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    BasicsPage page_;
};
