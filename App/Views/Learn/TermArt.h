#pragma once

#include <QWidget>

#include "Learn/Term.h"
#include "Style/TableTheme.h"

// The small picture of a term, drawn on the illustration stage in the theme's style. Decorative.
class TermArt : public QWidget {
    Q_OBJECT
  public:
    TermArt(const TableTheme& theme, Term term, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    QSize sizeHint() const override { return {64, 64}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    Term term_;
};
