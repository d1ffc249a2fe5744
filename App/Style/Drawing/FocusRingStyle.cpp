#include "Style/Drawing/FocusRingStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <memory>

#include "Style/Drawing/FocusRingPainter.h"
#include "Style/FocusRing.h"

namespace {

bool ringsItself(const QWidget* widget) {
    return widget && widget->property(FocusRingStyle::ownRingProperty).toBool();
}

bool focused(const QStyleOption* option, const QWidget* widget) {
    return option && (option->state & QStyle::State_HasFocus) && !ringsItself(widget);
}

// The ring inside the whole widget, a point in from its edge so that it lies on the control's face and
// not on its grey frame: a standard control keeps no room round itself.
void ring(QPainter* painter, const QWidget* widget, const QRect& fallback) {
    const QRectF frame = QRectF(widget ? widget->rect() : fallback).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool dark = widget ? widget->palette().color(QPalette::Window).lightness() < 128 : false;
    FocusRingPainter::paintInside(*painter, frame, FocusRingPainter::desktopTheme(dark),
                                  FocusRingPainter::Outline::rounded, 6);
}

// The room a choice keeps round its box and title; the ring is as wide in light and dark.
int choiceRoom() {
    return FocusRing::room(FocusRingPainter::desktopTheme(false));
}

bool isChoice(QStyle::ContentsType type) {
    return type == QStyle::CT_CheckBox || type == QStyle::CT_RadioButton;
}

// The ring of a check box or radio button: round the box and title that take its click.
void ringChoice(QPainter* painter, const QStyle& style, QStyle::SubElement click, const QStyleOption* option,
                const QWidget* widget) {
    const bool dark = widget ? widget->palette().color(QPalette::Window).lightness() < 128 : false;
    const TableTheme theme = FocusRingPainter::desktopTheme(dark);
    const QRectF frame = FocusRing::frameAround(QRectF(style.subElementRect(click, option, widget)),
                                                QRectF(option->rect), theme);
    FocusRingPainter::paintInside(*painter, frame, theme, FocusRingPainter::Outline::rounded, 6);
}

template <typename Option> std::unique_ptr<Option> withoutFocus(const Option* option) {
    auto copy = std::make_unique<Option>(*option);
    copy->state &= ~QStyle::State_HasFocus;
    return copy;
}

} // namespace

FocusRingStyle::FocusRingStyle() = default;

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element == PE_FrameFocusRect && !ringsItself(widget))
        return;
    if ((element == PE_PanelLineEdit || element == PE_FrameLineEdit) && focused(option, widget)) {
        QProxyStyle::drawPrimitive(element, withoutFocus(option).get(), painter, widget);
        if (element == PE_PanelLineEdit)
            ring(painter, widget, option->rect);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    const auto* choice = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (choice && (element == CE_CheckBox || element == CE_RadioButton)) {
        // The desktop's style lays out its box and title inside the room, where the click is taken.
        QStyleOptionButton inside(*choice);
        inside.rect = choice->rect.adjusted(choiceRoom(), choiceRoom(), -choiceRoom(), -choiceRoom());
        inside.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &inside, painter, widget);
        if (focused(option, widget))
            ringChoice(painter, *proxy(),
                       element == CE_CheckBox ? SE_CheckBoxClickRect : SE_RadioButtonClickRect, option,
                       widget);
        return;
    }
    if (element != CE_PushButton || !focused(option, widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
        QProxyStyle::drawControl(element, withoutFocus(button).get(), painter, widget);
    ring(painter, widget, option->rect);
}

QSize FocusRingStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const {
    const QSize natural = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (!isChoice(type))
        return natural;
    return natural + QSize(2 * choiceRoom(), 2 * choiceRoom());
}

QRect FocusRingStyle::subElementRect(SubElement element, const QStyleOption* option,
                                     const QWidget* widget) const {
    const int room = choiceRoom();
    switch (element) {
    case SE_CheckBoxLayoutItem:
    case SE_RadioButtonLayoutItem:
        return option->rect.adjusted(room, room, -room, -room);
    case SE_CheckBoxIndicator:
    case SE_CheckBoxContents:
    case SE_CheckBoxFocusRect:
    case SE_CheckBoxClickRect:
    case SE_RadioButtonIndicator:
    case SE_RadioButtonContents:
    case SE_RadioButtonFocusRect:
    case SE_RadioButtonClickRect: {
        // Laid out as the desktop lays it out, inside the room. The desktop's style asks for the other
        // parts of the choice through here while it works one out: those are inside already.
        static thread_local bool working = false;
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (!button || working)
            return QProxyStyle::subElementRect(element, option, widget);
        QStyleOptionButton inside(*button);
        inside.rect = button->rect.adjusted(room, room, -room, -room);
        working = true;
        const QRect rect = QProxyStyle::subElementRect(element, &inside, widget);
        working = false;
        return rect;
    }
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    if (control != CC_ComboBox && control != CC_SpinBox && control != CC_Slider && control != CC_ToolButton) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (!focused(option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option))
        QProxyStyle::drawComplexControl(control, withoutFocus(box).get(), painter, widget);
    else if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option))
        QProxyStyle::drawComplexControl(control, withoutFocus(spin).get(), painter, widget);
    else if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option))
        QProxyStyle::drawComplexControl(control, withoutFocus(slider).get(), painter, widget);
    else if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
        // A flat button's lighter face under the pointer would leave its ring too faint, so while it
        // has the keys the ring alone marks it, standing on the bar as it does with the pointer away.
        auto plain = withoutFocus(tool);
        if (plain->state & State_AutoRaise)
            plain->state &= ~State_MouseOver;
        QProxyStyle::drawComplexControl(control, plain.get(), painter, widget);
    } else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    ring(painter, widget, option->rect);
}
