#pragma once

#include <QWidget>

#include "Style/PixelFont.h"
#include "Style/RGB.h"

// A string in one of the bitmap faces, each font pixel `pixel` points square. Screen readers hear the
// string as written, not as the label face shows it.
class PixelText : public QWidget {
    Q_OBJECT
  public:
    PixelText(const QString& string, PixelFontFace face, double pixel, const RGB& colour,
              QWidget* parent = nullptr);

    void setString(const QString& string);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString string_;
    PixelFontFace face_;
    double pixel_;
    RGB colour_;
};
