#include "Views/Controls/SlidingPicker.h"

#include <algorithm>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "Style/MotionStyle.h"
#include "Style/SheetControls.h"

namespace {

constexpr double pad = 3;
constexpr double pickerHeight = 32;

// One segment: draws its title and dots; the picker draws the track and the pill behind it.
class Segment : public QAbstractButton {
  public:
    Segment(const SlidingPicker::Option& option, QWidget* parent)
        : QAbstractButton(parent)
        , option_(option) {
        StyleAccessibility::setRole(this, QAccessible::RadioButton);
        setText(option.title);
        StyleAccessibility::setName(this, option.spoken.isEmpty() ? option.title : option.spoken);
        setFocusPolicy(Qt::StrongFocus);
    }
    void setLook(bool selected, const TableTheme& theme) {
        selected_ = selected;
        theme_ = theme;
        dark_ = theme.dark;
        StyleAccessibility::setSelected(this, selected);
        update();
    }
    void setScale(double scale) {
        if (scale == scale_)
            return;
        scale_ = scale;
        update();
    }
    static QFont font(double scale = 1) { return ThemeFonts::system(12.5 * scale, FontWeight::medium); }
    // The title and its dots at full size.
    static double naturalWidth(const SlidingPicker::Option& option) {
        return QFontMetricsF(font()).horizontalAdvance(option.title) + dotsWidth(option.dots);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = toQColor(selected_ ? LabelColors::primary(dark_)
                                              : LabelColors::secondary(dark_, theme_.increaseContrast));
        const QFont face = font(scale_);
        const QFontMetricsF metrics(face);
        const double dots = dotsWidth(option_.dots);
        // A title that does not fit even at the smallest size is cut short rather than overflowing.
        const QString title =
            metrics.elidedText(option_.title, Qt::ElideRight,
                               std::max(0.0, this->width() - 2 * SlidingPickerRules::titleInset - dots));
        const double width = metrics.horizontalAdvance(title) + dots;
        double x = (this->width() - width) / 2;
        painter.setFont(face);
        painter.setPen(ink);
        painter.drawText(QRectF(x, 0, width, this->height()), Qt::AlignLeft | Qt::AlignVCenter, title);
        x += metrics.horizontalAdvance(title) + 5;
        QColor dot = ink;
        dot.setAlphaF(dot.alphaF() * 0.55f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        for (int index = 0; index < option_.dots; ++index)
            painter.drawEllipse(QRectF(x + index * 6, this->height() / 2.0 - 2, 4, 4));
        if (hasFocus())
            FocusRingPainter::paintInside(painter, rect(), theme_, FocusRingPainter::Outline::rounded, 8);
    }

  private:
    static double dotsWidth(int dots) { return dots > 0 ? 5 + dots * 4 + (dots - 1) * 2 : 0; }

    SlidingPicker::Option option_;
    TableTheme theme_;
    bool selected_ = false;
    bool dark_ = false;
    double scale_ = 1;
};

// The picker's selection curve: a quick start settling gently; the reduced fade under Reduce Motion.
AnimationCurve selectionCurve(bool reduceMotion) {
    return reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::bezier(0.24, 0.2, 0.8, 0.2, 1.0);
}

} // namespace

SlidingPicker::SlidingPicker(const TableTheme& theme, QString title, std::vector<Option> options,
                             std::optional<int> selected, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , options_(std::move(options))
    , selected_(selected) {
    // A set of radio buttons under the picker's title.
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    StyleAccessibility::setName(this, title);
    for (int index = 0; index < static_cast<int>(options_.size()); ++index) {
        auto* segment = new Segment(options_[static_cast<std::size_t>(index)], this);
        segment->installEventFilter(this);
        connect(segment, &QAbstractButton::clicked, this, [this, index] { choose(index); });
        segments_.push_back(segment);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(static_cast<int>(pickerHeight));
    connect(&clock_, &AnimationClock::ticked, this, qOverload<>(&QWidget::update));
    moveTo(selected_);
}

void SlidingPicker::setTheme(const TableTheme& theme) {
    theme_ = theme;
    moveTo(selected_);
    update();
}

void SlidingPicker::setSelected(std::optional<int> index) {
    if (index == selected_)
        return;
    selected_ = index;
    moveTo(index);
}

void SlidingPicker::choose(int index) {
    setSelected(index);
    emit picked(index);
}

void SlidingPicker::moveTo(std::optional<int> index) {
    const int stop = SlidingPickerRules::tabStop(index, static_cast<int>(segments_.size()));
    const bool focused = std::any_of(segments_.begin(), segments_.end(),
                                     [](const QAbstractButton* segment) { return segment->hasFocus(); });
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        static_cast<Segment*>(segments_[i])->setLook(index == static_cast<int>(i), theme_);
        segments_[i]->setFocusPolicy(static_cast<int>(i) == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (focused && !segments_.empty())
        segments_[static_cast<std::size_t>(stop)]->setFocus(Qt::OtherFocusReason);
    const double now = clock_.now();
    const double x = pillX_.value(now);
    const double shown = pillOpacity_.value(now);
    const AnimationCurve at_once = AnimationCurve::linear(0);
    if (!isVisible()) {
        const double target = index ? segmentRect(*index).left() : x;
        pillX_ = Transition{at_once, now, target, target};
        pillOpacity_ = Transition{at_once, now, index ? 1.0 : 0.0, index ? 1.0 : 0.0};
        update();
        return;
    }
    const AnimationCurve curve = selectionCurve(theme_.reduceMotion);
    if (!index) {
        pillOpacity_ = Transition{curve, now, shown, 0};
    } else if (shown <= 0 || theme_.reduceMotion) {
        // Appearing, or under Reduce Motion: the pill fades in where it belongs instead of sliding.
        const double target = segmentRect(*index).left();
        pillX_ = Transition{at_once, now, target, target};
        pillOpacity_ = Transition{curve, now, theme_.reduceMotion ? 0.0 : shown, 1};
    } else {
        pillX_ = Transition{curve, now, x, segmentRect(*index).left()};
        pillOpacity_ = Transition{at_once, now, 1, 1};
    }
    clock_.start();
    update();
}

QRectF SlidingPicker::segmentRect(int index) const {
    const int count = std::max<int>(1, static_cast<int>(options_.size()));
    const double width = (this->width() - 2 * pad) / count;
    return QRectF(pad + index * width, pad, width, pickerHeight - 2 * pad);
}

void SlidingPicker::resizeEvent(QResizeEvent*) {
    for (std::size_t i = 0; i < segments_.size(); ++i)
        segments_[i]->setGeometry(segmentRect(static_cast<int>(i)).toAlignedRect());
    // Narrow segments draw every title a little smaller, all by the same share, so none is cut short.
    double widest = 0;
    for (const Option& option : options_)
        widest = std::max(widest, Segment::naturalWidth(option));
    titleScale_ = options_.empty() ? 1 : SlidingPickerRules::titleScale(widest, segmentRect(0).width());
    for (QAbstractButton* segment : segments_)
        static_cast<Segment*>(segment)->setScale(titleScale_);
    // A new width puts the pill straight where it belongs.
    if (selected_) {
        const double x = segmentRect(*selected_).left();
        pillX_ = Transition{AnimationCurve::linear(0), clock_.now(), x, x};
    }
}

QSize SlidingPicker::sizeHint() const {
    const QFontMetricsF metrics(Segment::font());
    double widest = 0;
    for (const Option& option : options_)
        widest = std::max(widest, metrics.horizontalAdvance(option.title) + option.dots * 6 + 24);
    return QSize(static_cast<int>(widest * static_cast<double>(options_.size()) + 2 * pad),
                 static_cast<int>(pickerHeight));
}

void SlidingPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect());
    const RGB ink = theme_.dark ? RGB::white : RGB::black;
    QPainterPath trackShape;
    trackShape.addRoundedRect(track, 10, 10);
    painter.fillPath(trackShape,
                     toQColor(SlidingPickerRules::trackColour(theme_.dark, theme_.increaseContrast)));

    const double now = clock_.now();
    const double opacity = pillOpacity_.value(now);
    if (opacity > 0 && !options_.empty()) {
        const QRectF pill(pillX_.value(now), pad, segmentRect(0).width(), pickerHeight - 2 * pad);
        QPainterPath pillShape;
        pillShape.addRoundedRect(pill, 7, 7);
        painter.setOpacity(opacity);
        SoftShadow::paint(painter, pillShape, 1.5, QColor::fromRgbF(0, 0, 0, 0.18f), QPointF(0, 1));
        painter.fillPath(pillShape, toQColor(SlidingPickerRules::pillColour(theme_.dark)));
        painter.setOpacity(1);
    }
    if (theme_.increaseContrast) {
        QPainterPath edge;
        edge.addRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), 9.5, 9.5);
        painter.strokePath(edge, QPen(toQColor(ink.withAlpha(0.55)), 1));
    }
    if (pillX_.isFinished(now) && pillOpacity_.isFinished(now))
        clock_.stop();
}

bool SlidingPicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int direction = key->key() == Qt::Key_Right ? 1 : key->key() == Qt::Key_Left ? -1 : 0;
    if (direction == 0 || options_.empty())
        return QWidget::eventFilter(watched, event);
    const int index = SlidingPickerRules::stepped(selected_, static_cast<int>(options_.size()), direction);
    choose(index);
    segments_[static_cast<std::size_t>(index)]->setFocus(Qt::TabFocusReason);
    return true;
}
