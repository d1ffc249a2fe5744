#pragma once

#include <QPixmap>
#include <QWidget>

// What is left of a view on its way out: its last picture, drawn at an opacity. Clicks go through it
// and screen readers skip it, so the view itself can go (or be reused) at once.
class LeavingPicture : public QWidget {
  public:
    LeavingPicture(QPixmap picture, QWidget* parent);
    void setOpacity(double opacity);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
    double opacity_ = 1;
};
