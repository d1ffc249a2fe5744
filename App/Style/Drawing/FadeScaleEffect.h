#pragma once

#include <QGraphicsEffect>

#include <functional>

// Draws a widget and its children at an opacity and a scale about its centre: how a panel fades in or
// out and grows into place. The look is asked for at every paint, so a paint shows the moment its
// animation clock tells; at full opacity and scale 1 the widget is drawn as it is.
class FadeScaleEffect : public QGraphicsEffect {
    Q_OBJECT
  public:
    struct Look {
        double opacity = 1;
        double scale = 1;
    };

    explicit FadeScaleEffect(std::function<Look()> look, QObject* parent = nullptr);

    Look look() const { return look_(); }

  protected:
    void draw(QPainter* painter) override;

  private:
    std::function<Look()> look_;
};
