#pragma once

#include <QGraphicsEffect>
#include <QPainterPath>

// Draws a widget and its children clipped, anti-aliased, to a shape, between a layer painted beneath
// (outside the clip, such as a shadow) and one painted above (such as a border over the children).
// Widgets clip their children only to rectangles, and without smoothing; drawing the whole widget
// once through this effect is the one way to round their corners cleanly.
class RoundedClipEffect : public QGraphicsEffect {
    Q_OBJECT
  public:
    // What the owning widget paints around its clipped content, in its own coordinates.
    class Layers {
      public:
        virtual const QPainterPath& clipShape() const = 0;
        virtual void paintBeneath(QPainter& painter) const = 0;
        virtual void paintAbove(QPainter& painter) const = 0;

      protected:
        ~Layers() = default;
    };

    // `layers` must outlive the effect; the widget that installs the effect usually is both.
    explicit RoundedClipEffect(const Layers& layers, QObject* parent = nullptr);

  protected:
    void draw(QPainter* painter) override;

  private:
    const Layers& layers_;
};
