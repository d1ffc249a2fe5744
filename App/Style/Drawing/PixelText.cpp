#include "Style/Drawing/PixelText.h"

#include <QPainter>

#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"

PixelText::PixelText(const QString& string, PixelFontFace face, double pixel, const RGB& colour,
                     QWidget* parent)
    : QWidget(parent)
    , string_(string)
    , face_(face)
    , pixel_(pixel)
    , colour_(colour) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    StyleAccessibility::setName(this, string_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PixelText::setString(const QString& string) {
    string_ = string;
    StyleAccessibility::setName(this, string_);
    updateGeometry();
    update();
}

QSize PixelText::sizeHint() const {
    return TextPainter::pixelTextSize(face_, pixel_, string_).toSize().expandedTo(QSize(0, 0));
}

void PixelText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSizeF size = TextPainter::pixelTextSize(face_, pixel_, string_);
    const QPointF topLeft(std::round((width() - size.width()) / 2),
                          std::round((height() - size.height()) / 2));
    TextPainter::paintPixelText(painter, topLeft, face_, pixel_, string_, colour_);
}
