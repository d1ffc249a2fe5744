#pragma once

#include <QGraphicsEffect>
#include <QImage>
#include <QPainterPath>

#include <utility>
#include <vector>

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
    // The shape's coverage over the content's pixels, remade only when the shape or the size changes.
    struct Mask {
        QImage coverage;
        std::vector<std::pair<int, int>> fullRuns;
        QPainterPath shape;
        QPoint offset;

        bool fits(const QPainterPath& shape, const QSize& pixels, double ratio, QPoint offset) const;
        void make(const QPainterPath& shape, const QSize& pixels, double ratio, QPoint offset);
        void cut(QImage& content) const;
    };

    const Layers& layers_;
    Mask mask_;
};
