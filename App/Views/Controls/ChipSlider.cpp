#include "Views/Controls/ChipSlider.h"

#include "Style/Drawing/StyleAccessibility.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Style/AmountText.h"
#include "Style/ChipSliderRules.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"

namespace {

// What a screen reader reads and sets: the slider's value, range and step.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SliderAccessible(ChipSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    ChipSlider* slider() const { return static_cast<ChipSlider*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return slider()->spokenValue();
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return QVariant::fromValue<qlonglong>(slider()->value()); }
    void setCurrentValue(const QVariant& value) override { slider()->moveTo(value.toLongLong()); }
    QVariant maximumValue() const override { return QVariant::fromValue<qlonglong>(slider()->upper()); }
    QVariant minimumValue() const override { return QVariant::fromValue<qlonglong>(slider()->lower()); }
    QVariant minimumStepSize() const override { return QVariant::fromValue<qlonglong>(slider()->step()); }
};

QAccessibleInterface* sliderFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ChipSlider") && object && object->isWidgetType())
        return new SliderAccessible(static_cast<ChipSlider*>(object));
    return nullptr;
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(sliderFactory);
        return true;
    }();
    (void)installed;
}

QColor bytes(int red, int green, int blue) {
    return toQColor(RGB::bytes(red, green, blue));
}

} // namespace

ChipSlider::ChipSlider(const TableTheme& theme, const QString& label, QWidget* parent)
    : QWidget(parent)
    , theme_(theme) {
    installAccessibility();
    StyleAccessibility::setName(this, label);
    // Reached with Tab; a click moves the slider without taking the keyboard from the table.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ChipSlider::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void ChipSlider::setRange(std::int64_t lower, std::int64_t upper, std::int64_t step) {
    lower_ = lower;
    upper_ = std::max(upper, lower);
    step_ = std::max<std::int64_t>(step, 1);
    update();
}

void ChipSlider::setValue(std::int64_t value) {
    if (value == value_)
        return;
    value_ = value;
    QAccessibleValueChangeEvent event(this, QVariant::fromValue<qlonglong>(value_));
    QAccessible::updateAccessibility(&event);
    update();
}

QString ChipSlider::spokenValue() const {
    return AmountText::format(value_) + QStringLiteral(" chips");
}

void ChipSlider::write(std::int64_t value) {
    const std::int64_t snapped = ChipSliderRules::snapped(value, lower_, upper_, step_);
    if (snapped == value_)
        return;
    setValue(snapped);
    emit valueEdited(snapped);
}

void ChipSlider::nudge(int steps) {
    write(ChipSliderRules::nudged(value_, steps, lower_, upper_, step_));
}

void ChipSlider::moveTo(std::int64_t value) {
    write(value);
}

void ChipSlider::follow(double x) {
    write(ChipSliderRules::atFraction(x / std::max(width(), 1), lower_, upper_, step_));
}

QSize ChipSlider::sizeHint() const {
    return {160, theme_.surface == TableSurface::window ? 28 : 24};
}

void ChipSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    follow(event->position().x());
}

void ChipSlider::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        follow(event->position().x());
}

void ChipSlider::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        nudge(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        nudge(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChipSlider::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ChipSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ChipSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double fraction = ChipSliderRules::fill(value_, lower_, upper_);
    switch (theme_.style) {
    case TableStyleID::satin:
        paintSatin(painter, fraction);
        break;
    case TableStyleID::paper:
        paintPaper(painter, fraction);
        break;
    case TableStyleID::pixel:
        paintPixel(painter, fraction);
        break;
    }
}

void ChipSlider::paintSatin(QPainter& painter, double fraction) const {
    // A small system slider: a thin track filled in the accent colour up to a white knob.
    painter.setRenderHint(QPainter::Antialiasing);
    const double knob = 16;
    const double middle = height() / 2.0;
    const double x = (width() - knob) * fraction;
    const QRectF track(knob / 2, middle - 2, std::max(width() - knob, 0.0), 4);
    const QColor accent = toQColor(SatinPalette::accent(theme_.dark));
    painter.fillPath(Pill{}.path(track), theme_.dark ? QColor(255, 255, 255, 46) : QColor(0, 0, 0, 38));
    painter.fillPath(Pill{}.path(QRectF(track.left(), track.top(), x, track.height())), accent);
    QPainterPath disc;
    disc.addEllipse(QRectF(x, middle - knob / 2, knob, knob));
    SoftShadow::paint(painter, disc, 1.5, QColor(0, 0, 0, 70), QPointF(0, 0.5));
    painter.fillPath(disc, theme_.dark ? QColor(220, 220, 224) : Qt::white);
    painter.strokePath(disc, QPen(QColor(0, 0, 0, 40), 0.5));
    if (hasFocus())
        FocusRingPainter::paint(painter, disc.boundingRect(), theme_, FocusRingPainter::Outline::circle);
}

void ChipSlider::paintPaper(QPainter& painter, double fraction) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = theme_.dark;
    const double thumb = 20;
    const double x = (width() - thumb) * fraction;
    const double middle = height() / 2.0;
    painter.fillPath(Pill{}.path(QRectF(0, middle - 3, width(), 6)),
                     dark ? bytes(15, 19, 28) : bytes(43, 43, 43));
    painter.fillPath(Pill{}.path(QRectF(0, middle - 3, std::max(x + thumb / 2, 6.0), 6)), bytes(196, 67, 46));
    const QRectF disc(x, middle - thumb / 2 - 1.5, thumb, thumb);
    CardstockShape stock;
    stock.face = dark ? RGB::bytes(232, 182, 76) : RGB::bytes(225, 167, 48);
    stock.side = dark ? RGB::bytes(185, 142, 54) : RGB::bytes(184, 134, 42);
    stock.thickness = 3;
    stock.shadowY = 3;
    stock.shadowBlur = 5;
    stock.dark = dark;
    QPainterPath circle;
    circle.addEllipse(disc);
    stock.paint(painter, circle);
    if (hasFocus())
        FocusRingPainter::paint(painter, disc, theme_, FocusRingPainter::Outline::circle);
}

void ChipSlider::paintPixel(QPainter& painter, double fraction) const {
    const double u = theme_.pixelUnit;
    const PixelKit kit(painter, u);
    if (!kit.canDraw())
        return;
    const auto cells =
        ChipSliderRules::pixelTrack(wholeCells(width(), u), wholeCells(height(), u), fraction, hasFocus());
    const PixelPalette palette{theme_.dark, theme_.increaseContrast};
    const RGB gold = RGB::bytes(242, 181, 68);
    RGB tick = theme_.dark ? RGB::bytes(180, 159, 188) : RGB::bytes(107, 90, 112);
    if (theme_.increaseContrast)
        tick = theme_.dark ? RGB::bytes(205.6, 186.6, 190) : RGB::bytes(81.4, 66, 88);
    kit.fill(cells.track, palette.outline());
    kit.fill(cells.fill, gold);
    kit.fill(cells.ticks, tick);
    kit.fill(cells.thumbOutline, palette.outline());
    kit.fill(cells.thumbGold, gold);
    kit.fill(cells.thumbShade, RGB::bytes(185, 127, 31));
    kit.fill(cells.thumbLight, PixelPalette::cream());
    kit.fill(cells.focus, FocusRing::color(theme_));
}
