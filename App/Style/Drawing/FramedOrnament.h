#pragma once

#include <QMarginsF>
#include <QWidget>

// A widget that draws one fixed-size piece of art, its frame, and keeps room around the frame for what
// the art puts outside it (a shadow, a card stock's edge), which a widget could not otherwise show. The
// frame is centred in the widget, so a layout that centres the widget centres the frame; a screen that
// places the art by its frame moves the widget with moveFrameTo.
class FramedOrnament : public QWidget {
    Q_OBJECT
  public:
    // The frame inside the widget, on whole pixels.
    QRectF frameRect() const;
    // The room kept on each side of the frame: on each axis the farther of the art's two overhangs.
    QMargins room() const;
    // Places the widget in its parent so that its frame's top-left corner lies at `topLeft`.
    void moveFrameTo(QPoint topLeft);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The room for an overhang: per axis the larger side, rounded up to whole pixels.
    static QMargins roomFor(const QMarginsF& overhang);

  protected:
    explicit FramedOrnament(QWidget* parent = nullptr);

    virtual QSizeF frameSize() const = 0;
    // How far the art reaches beyond its frame on each side.
    virtual QMarginsF overhang() const = 0;
    virtual void paintFrame(QPainter& painter, QPointF topLeft) const = 0;

    void paintEvent(QPaintEvent* event) override;
};
