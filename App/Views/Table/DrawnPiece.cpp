#include "Views/Table/DrawnPiece.h"

#include <QPainter>

#include <cmath>

DrawnPiece::DrawnPiece(const TableTheme& theme, QSizeF size, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , size_(size) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DrawnPiece::setTheme(const TableTheme& theme) {
    theme_ = theme;
    changed();
}

void DrawnPiece::setPieceSize(QSizeF size) {
    if (size == size_)
        return;
    size_ = size;
    changed();
}

void DrawnPiece::changed() {
    resize(sizeHint());
    updateGeometry();
    update();
}

QRectF DrawnPiece::pieceRect() const {
    const QMarginsF around = margins();
    return QRectF(QPointF(around.left(), around.top()), size_);
}

void DrawnPiece::placePiece(const QRectF& piece) {
    setPieceSize(piece.size());
    const QMarginsF around = margins();
    move(QPoint(static_cast<int>(std::lround(piece.left() - around.left())),
                static_cast<int>(std::lround(piece.top() - around.top()))));
}

QSize DrawnPiece::sizeHint() const {
    if (size_.isEmpty())
        return {0, 0};
    const QMarginsF around = margins();
    return QSizeF(size_.width() + around.left() + around.right(),
                  size_.height() + around.top() + around.bottom())
        .toSize();
}

void DrawnPiece::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPiece(painter, pieceRect());
}
