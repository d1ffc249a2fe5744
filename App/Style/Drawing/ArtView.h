#pragma once

#include <functional>

#include <QWidget>

class QPainter;

// A widget that shows one illustration painted by a function into its whole rectangle. Decoration:
// hidden from screen readers, the control around it speaks.
class ArtView : public QWidget {
    Q_OBJECT
  public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    explicit ArtView(Painter paint, QWidget* parent = nullptr);
    void setPainter(Painter paint);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter paint_;
};
