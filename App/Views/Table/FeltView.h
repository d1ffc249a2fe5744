#pragma once

#include <QImage>

#include "Table/FeltGeometry.h"
#include "Views/Table/DrawnPiece.h"

// The table itself: a capsule of rail round a playing cloth, in the theme's style. Decorative, so
// screen readers skip it. The widget keeps room round the table for its shadow and, in paper, the
// laminate layers below it.
class FeltView : public DrawnPiece {
    Q_OBJECT
  public:
    FeltView(const TableTheme& theme, QSizeF size, QWidget* parent = nullptr);

    void setFeltSize(QSizeF size) { setPieceSize(size); }

    static QMarginsF shadowMargins(const TableTheme& theme, QSizeF size);
    // Paints the table into `table`, its shadow and laminate falling outside.
    static void paint(QPainter& painter, const QRectF& table, const TableTheme& theme);

  protected:
    QMarginsF margins() const override { return shadowMargins(theme(), pieceSize()); }
    void paintPiece(QPainter& painter, const QRectF& piece) const override { paint(painter, piece, theme()); }
};

// The pixel felt's bitmaps, built once per size, rail and darkness and kept for the process.
namespace PixelFeltImages {

// The felt image of W x H cells; main thread only.
const QImage& image(const FeltGeometry::PixelFeltSize& size, bool dark);
// How many felts have been built so far; tests and benchmarks read it.
std::size_t built();
bool isCached(const QString& key);

} // namespace PixelFeltImages
