#pragma once

#include "Views/Table/DrawnPiece.h"

// The empty place where a card will come, outlined in the felt's line colour. Decorative: screen
// readers skip it.
class CardSlot : public DrawnPiece {
    Q_OBJECT
  public:
    CardSlot(const TableTheme& theme, QSizeF size, QWidget* parent = nullptr);

    void setSlotSize(QSizeF size) { setPieceSize(size); }

    static void paint(QPainter& painter, const QRectF& place, const TableTheme& theme);

  protected:
    void paintPiece(QPainter& painter, const QRectF& piece) const override { paint(painter, piece, theme()); }
};
