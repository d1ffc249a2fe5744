#pragma once

#include <QMarginsF>
#include <QWidget>

#include "Style/TableTheme.h"

// A piece of the table (a card, a card place, the felt, a chip stack, the paused shade) drawn at an
// exact size by one paint routine in the theme's style. It takes no clicks, and keeps room round the
// piece for what falls outside it (shadows, the paper laminate); `pieceRect()` is where the piece lies.
class DrawnPiece : public QWidget {
    Q_OBJECT
  public:
    virtual void setTheme(const TableTheme& theme);
    const TableTheme& theme() const { return theme_; }

    QSizeF pieceSize() const { return size_; }
    QRectF pieceRect() const;
    // Moves and sizes the widget so that its piece covers `piece` (in the parent's coordinates).
    void placePiece(const QRectF& piece);

    QSize sizeHint() const override;

  protected:
    DrawnPiece(const TableTheme& theme, QSizeF size, QWidget* parent);

    void setPieceSize(QSizeF size);
    // Call after anything the drawing or its margins depend on has changed.
    void changed();
    virtual QMarginsF margins() const { return {}; }
    virtual void paintPiece(QPainter& painter, const QRectF& piece) const = 0;
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    QSizeF size_;
};
