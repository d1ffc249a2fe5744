#pragma once

#include <QProxyStyle>

// The desktop style with its own focus marks (the dotted rectangle, the highlighted frame) replaced by
// the program's one focus ring, so the standard check boxes, drop-downs, buttons and fields of the
// settings and the guide show the ring the drawn controls show. The ring follows the widget's palette
// into light or dark.
class FocusRingStyle final : public QProxyStyle {
  public:
    // Over the desktop's own style.
    FocusRingStyle();

    // A widget that draws the ring itself sets this property, and the style leaves it alone.
    static constexpr const char* ownRingProperty = "chipwhistleDrawsOwnFocusRing";

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    // A check box or radio button keeps room round its box and title for the ring, outside the
    // rectangle the layouts line it up by, as a drawn button keeps room round its face.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
};
