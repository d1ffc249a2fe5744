#pragma once

#include "Views/Table/DrawnPiece.h"

// The dimming laid over the table while the game is paused: a plain shade in satin and paper, a
// checkerboard of dark cells in pixel. It has no words and takes no clicks; the pause message and its
// buttons sit above it.
class PausedTableOverlay : public DrawnPiece {
    Q_OBJECT
  public:
    PausedTableOverlay(const TableTheme& theme, QSizeF size, QWidget* parent = nullptr);

    void setOverlaySize(QSizeF size) { setPieceSize(size); }

    static void paint(QPainter& painter, const QRectF& table, const TableTheme& theme);

  protected:
    void paintPiece(QPainter& painter, const QRectF& piece) const override { paint(painter, piece, theme()); }
};
