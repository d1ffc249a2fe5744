#include "Views/Controls/BuyInSlider.h"

#include "Style/Drawing/StyleAccessibility.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/Hatch.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "Style/SatinPalette.h"
#include "Style/SheetControls.h"
#include "Views/Controls/ButtonFaces.h"

namespace {
// Room above the box for the value bubble.
constexpr double bubbleRoom = 26;
// Room on each side for the end labels and the bubble over a thumb at either end.
constexpr double sideRoom = 12;
using BuyInScale::boxHeight;
using BuyInScale::trackTop;
} // namespace

BuyInSlider::BuyInSlider(const TableTheme& theme, std::int64_t bigBlinds, std::int64_t cap,
                         std::int64_t bigBlind, ChipDenomination chip, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , bigBlinds_(bigBlinds)
    , cap_(cap)
    , bigBlind_(bigBlind)
    , chip_(chip) {
    // First: Qt settles what a widget is to a reader the first time its name or focus is touched.
    Adjustable::announce(this);
    // A Linux desktop reaches every control by Tab, so the slider always takes focus.
    setFocusPolicy(Qt::StrongFocus);
    StyleAccessibility::setName(this, QStringLiteral("Buy-in"));
    StyleAccessibility::setDescription(this, accessibleValue());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(static_cast<int>(bubbleRoom + boxHeight));
    connect(&clock_, &AnimationClock::ticked, this, qOverload<>(&QWidget::update));
}

void BuyInSlider::setValues(std::int64_t bigBlinds, std::int64_t cap, std::int64_t bigBlind,
                            ChipDenomination chip) {
    bigBlinds_ = bigBlinds;
    cap_ = cap;
    bigBlind_ = bigBlind;
    chip_ = chip;
    spoken();
    update();
}

void BuyInSlider::spoken() {
    // The words are told as they change, and a reader speaks them of the slider it is on. Told the bare
    // value moved as well, it would say the amount a second time, as a number without its words.
    StyleAccessibility::setDescription(this, accessibleValue());
}

void BuyInSlider::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

QRectF BuyInSlider::box() const {
    return QRectF(sideRoom, bubbleRoom, std::max(width() - 2 * sideRoom, 0.0), boxHeight);
}

QSize BuyInSlider::sizeHint() const {
    return {300, static_cast<int>(bubbleRoom + boxHeight)};
}

QString BuyInSlider::accessibleValue() const {
    return BuyInScale::spokenValue(bigBlinds_, cap_, bigBlind_);
}

Adjustable::Scale BuyInSlider::accessibleScale() const {
    // In chips, a big blind a step: the amount the player sits down with is what a reader speaks.
    const auto chips = [this](std::int64_t bigBlinds) { return static_cast<double>(bigBlinds * bigBlind_); };
    return {chips(BuyInScale::shown(bigBlinds_, cap_)), chips(Stakes::minimumBigBlinds),
            chips(BuyInScale::limit(cap_)), static_cast<double>(bigBlind_)};
}

void BuyInSlider::write(std::int64_t bigBlinds) {
    if (bigBlinds == bigBlinds_)
        return;
    bigBlinds_ = bigBlinds;
    spoken();
    update();
    emit bigBlindsChanged(bigBlinds_);
}

void BuyInSlider::increment() {
    write(BuyInScale::stepped(bigBlinds_, cap_, 1));
}

void BuyInSlider::decrement() {
    write(BuyInScale::stepped(bigBlinds_, cap_, -1));
}

void BuyInSlider::dragTo(double x) {
    const double travel = std::max(box().width() - 2 * BuyInScale::edge, 1.0);
    write(BuyInScale::valueAt((x - box().left() - BuyInScale::edge) / travel, cap_));
}

void BuyInSlider::setDragging(bool dragging) {
    if (dragging == dragging_)
        return;
    dragging_ = dragging;
    const double now = clock_.now();
    const double duration = theme_.reduceMotion ? 0 : 0.15;
    grown_ = Transition{AnimationCurve::easeOut(duration), now, grown_.value(now), dragging ? 1.0 : 0.0};
    raiseBubble();
}

void BuyInSlider::raiseBubble() {
    const double now = clock_.now();
    const double duration = theme_.reduceMotion ? 0 : 0.15;
    const double target = dragging_ || hasFocus() ? 1 : 0;
    if (bubble_.to != target)
        bubble_ = Transition{AnimationCurve::easeOut(duration), now, bubble_.value(now), target};
    clock_.start();
    update();
}

void BuyInSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setDragging(true);
    dragTo(event->position().x());
}

void BuyInSlider::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_)
        dragTo(event->position().x());
}

void BuyInSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setDragging(false);
}

void BuyInSlider::keyPressEvent(QKeyEvent* event) {
    const std::optional<std::int64_t> lands =
        BuyInScale::keyed(event->key(), event->modifiers().testFlag(Qt::ShiftModifier), bigBlinds_, cap_);
    if (!lands) {
        QWidget::keyPressEvent(event);
        return;
    }
    write(*lands);
    event->accept();
}

void BuyInSlider::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    raiseBubble();
}

void BuyInSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    raiseBubble();
}

void BuyInSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);
    const double now = clock_.now();
    const double width = box().width();
    const double shown = static_cast<double>(BuyInScale::shown(bigBlinds_, cap_));
    const RGB ink = theme_.dark ? RGB::white : RGB::black;
    const RGB accent = SatinPalette::accent(theme_.dark);
    const auto x = [width](double value) { return BuyInScale::x(value, width); };
    painter.translate(box().topLeft());

    const QRectF track(10, trackTop, width - 20, 8);
    QPainterPath trackShape;
    trackShape.addRoundedRect(track, 4, 4);
    painter.fillPath(trackShape, toQColor(ink.withAlpha(theme_.increaseContrast ? 0.25 : 0.09)));
    if (theme_.increaseContrast) {
        QPainterPath edge;
        edge.addRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        painter.strokePath(edge, QPen(toQColor(ink.withAlpha(0.6)), 1));
    }
    if (cap_ < 100) {
        const QRectF stretch(x(static_cast<double>(cap_)), trackTop,
                             (width - 14) - x(static_cast<double>(cap_)) + 4, 8);
        QPainterPath clip;
        clip.addRoundedRect(stretch.adjusted(-4, 0, 0, 0), 4, 4);
        painter.save();
        painter.setClipRect(stretch);
        painter.setClipPath(clip, Qt::IntersectClip);
        painter.fillPath(
            hatchPath(stretch),
            toQColor(LabelColors::secondary(theme_.dark, theme_.increaseContrast).withAlpha(0.35)));
        painter.restore();
    }
    const double fillWidth = std::max(x(shown) - 14 + 8, 8.0);
    QLinearGradient gradient(10, 0, 10 + fillWidth, 0);
    gradient.setColorAt(0, toQColor(accent.withAlpha(0.7)));
    gradient.setColorAt(1, toQColor(accent));
    QPainterPath fill;
    fill.addRoundedRect(QRectF(10, trackTop, fillWidth, 8), 4, 4);
    painter.fillPath(fill, gradient);

    for (int detent : BuyInScale::detents) {
        const QPointF centre(x(detent), BuyInScale::chipCentreY);
        painter.setOpacity((isEnabled() ? 1 : 0.5) * (detent <= cap_ ? 1 : 0.3));
        QPainterPath dot;
        dot.addEllipse(centre, 2, 2);
        SoftShadow::paint(painter, dot, 0.5, QColor::fromRgbF(0, 0, 0, 0.2f), QPointF());
        painter.fillPath(dot, QColor::fromRgbF(1, 1, 1, 0.9f));
        painter.setOpacity(isEnabled() ? 1 : 0.5);
        painter.setFont(
            ThemeFonts::system(10.5, detent == shown ? FontWeight::semibold : FontWeight::regular));
        painter.setPen(toQColor(LabelColors::secondary(theme_.dark, theme_.increaseContrast)));
        painter.drawText(QRectF(centre.x() - 30, BuyInScale::labelTop, 60, BuyInScale::labelHeight),
                         Qt::AlignCenter, QStringLiteral("%1 BB").arg(detent));
    }

    const double scale = 1 + (BuyInScale::grownScale - 1) * grown_.value(now);
    const QPointF thumb(x(shown), BuyInScale::chipCentreY);
    const double half = BuyInScale::chipDiameter / 2;
    painter.save();
    painter.translate(thumb);
    painter.scale(scale, scale);
    ChipFace::paint(painter, QPointF(-half, -half), chip_, BuyInScale::chipDiameter);
    painter.restore();
    if (hasFocus()) {
        const double radius = half * scale;
        FocusRingPainter::paint(painter,
                                QRectF(thumb - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                                theme_, FocusRingPainter::Outline::circle);
    }

    const double bubble = bubble_.value(now);
    if (bubble > 0) {
        const QString amount = QLocale().toString(static_cast<qint64>(shown) * bigBlind_);
        const QFont font = ThemeFonts::system(12, FontWeight::semibold);
        const QFontMetricsF metrics(font);
        const QSizeF size(metrics.horizontalAdvance(amount) + 16, metrics.height() + 6);
        const QRectF body(thumb.x() - size.width() / 2, -14 - size.height() / 2, size.width(), size.height());
        painter.setOpacity(painter.opacity() * bubble);
        QPainterPath shape;
        shape.addRoundedRect(body, 7, 7);
        painter.fillPath(shape, toQColor(ink.withAlpha(0.85)));
        painter.setFont(font);
        painter.setPen(toQColor(LabelColors::window(theme_.dark)));
        painter.drawText(body, Qt::AlignCenter, amount);
    }
    if (grown_.isFinished(now) && bubble_.isFinished(now))
        clock_.stop();
}
