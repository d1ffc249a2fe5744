#include "Views/Controls/OpponentStepper.h"

#include "Style/Drawing/StyleAccessibility.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Views/Support/Announcer.h"

namespace {

constexpr double capsuleHeight = 32;
constexpr double buttonSide = 24;
// Room around the capsule for its shadow.
const QMarginsF shadowRoom(6, 3, 6, 9);

// One round minus or plus button: the symbol over a faint disc, the whole disc clickable.
class RoundButton : public QAbstractButton {
  public:
    RoundButton(QString symbol, const TableTheme& theme, QWidget* parent)
        : QAbstractButton(parent)
        , symbol_(std::move(symbol))
        , theme_(theme) {
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(static_cast<int>(buttonSide), static_cast<int>(buttonSide));
    }
    void setTheme(const TableTheme& theme) {
        theme_ = theme;
        update();
    }
    // At the end of the range the button is drawn faded but keeps the keys, so a further press stays
    // where the player is and is told.
    void setAtLimit(bool atLimit) {
        if (atLimit == atLimit_)
            return;
        atLimit_ = atLimit;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(isEnabled() && !atLimit_ ? 1 : 0.35);
        const QRectF disc(0, 0, buttonSide, buttonSide);
        const RGB ink = LabelColors::primary(theme_.dark);
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(ink.withAlpha(isDown() ? 0.2 : 0.1)));
        painter.drawEllipse(disc);
        SymbolIcons::paint(painter, symbol_, disc.adjusted(7, 7, -7, -7), toQColor(ink));
        // A faded button at an end of the range still holds the keys: its ring shows in full.
        painter.setOpacity(1);
        if (hasFocus())
            FocusRingPainter::paintInside(painter, disc, theme_, FocusRingPainter::Outline::circle);
    }
    bool hitButton(const QPoint& pos) const override {
        return QLineF(QPointF(pos), QRectF(rect()).center()).length() <= buttonSide / 2;
    }

  private:
    QString symbol_;
    TableTheme theme_;
    bool atLimit_ = false;
};

QFont countFont() {
    QFont font = ThemeFonts::system(12.5, FontWeight::bold);
    return font;
}

QFont unitFont() {
    return ThemeFonts::system(12.5, FontWeight::medium);
}

} // namespace

OpponentStepper::OpponentStepper(const TableTheme& theme, std::int64_t count, std::int64_t lowest,
                                 std::int64_t highest, StepperUnit unit, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , count_(count)
    , lowest_(lowest)
    , highest_(highest)
    , unit_(std::move(unit))
    , minus_(new RoundButton(QStringLiteral("minus"), theme, this))
    , plus_(new RoundButton(QStringLiteral("plus"), theme, this)) {
    // First: Qt settles what a widget is to a reader the first time its name is touched.
    Adjustable::announce(this);
    minus_->setToolTip(QStringLiteral("Fewer ") + unit_.many);
    plus_->setToolTip(QStringLiteral("More ") + unit_.many);
    StyleAccessibility::setName(minus_, minus_->toolTip());
    StyleAccessibility::setName(plus_, plus_->toolTip());
    connect(minus_, &QAbstractButton::clicked, this, [this] { press(-1); });
    connect(plus_, &QAbstractButton::clicked, this, [this] { press(+1); });
    StyleAccessibility::setName(this, unit_.accessibleName());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    refresh();
}

void OpponentStepper::setCount(std::int64_t count) {
    if (count == count_)
        return;
    count_ = count;
    refresh();
    Adjustable::valueMoved(this);
}

void OpponentStepper::setTheme(const TableTheme& theme) {
    theme_ = theme;
    static_cast<RoundButton*>(minus_)->setTheme(theme);
    static_cast<RoundButton*>(plus_)->setTheme(theme);
    update();
}

void OpponentStepper::press(int step) {
    const std::int64_t wanted = count_ + step;
    if (wanted < lowest_ || wanted > highest_) {
        if (announcer_)
            announcer_->announce(unit_.limit(count_, wanted < lowest_));
        return;
    }
    change(wanted);
}

void OpponentStepper::change(std::int64_t count) {
    if (count == count_)
        return;
    count_ = count;
    refresh();
    Adjustable::valueMoved(this);
    emit countChanged(count_);
}

void OpponentStepper::increment() {
    change(std::min(count_ + 1, highest_));
}

void OpponentStepper::decrement() {
    change(std::max(count_ - 1, lowest_));
}

void OpponentStepper::refresh() {
    static_cast<RoundButton*>(minus_)->setAtLimit(!canLower());
    static_cast<RoundButton*>(plus_)->setAtLimit(!canRaise());
    StyleAccessibility::setDescription(this, accessibleValue());
    // The buttons hold the keys while the count changes beside them: each carries the count, so a
    // reader speaks it on reaching the button, and speaks the new count as the pressed button's
    // description changes: said once, by the button the player is on.
    for (QAbstractButton* button : {minus_, plus_})
        StyleAccessibility::setDescription(button, accessibleValue());
    updateGeometry();
    resizeEvent(nullptr);
    update();
}

double OpponentStepper::labelWidth() const {
    return QFontMetricsF(countFont()).horizontalAdvance(QString::number(count_)) +
           QFontMetricsF(unitFont()).horizontalAdvance(u' ' + unit_.word(count_));
}

QSize OpponentStepper::sizeHint() const {
    const double width = 12 + labelWidth() + 8 + buttonSide + 8 + buttonSide + 5;
    return QSizeF(width + shadowRoom.left() + shadowRoom.right(),
                  capsuleHeight + shadowRoom.top() + shadowRoom.bottom())
        .toSize();
}

QRectF OpponentStepper::capsule() const {
    return QRectF(rect()).marginsRemoved(shadowRoom);
}

void OpponentStepper::resizeEvent(QResizeEvent*) {
    const QRectF box = capsule();
    const double top = box.center().y() - buttonSide / 2;
    plus_->move(QPointF(box.right() - 5 - buttonSide, top).toPoint());
    minus_->move(QPointF(box.right() - 5 - 2 * buttonSide - 8, top).toPoint());
}

void OpponentStepper::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = capsule();
    QPainterPath shape;
    shape.addRoundedRect(box, capsuleHeight / 2, capsuleHeight / 2);
    SoftShadow::paint(painter, shape, 5, QColor::fromRgbF(0, 0, 0, 0.15f), QPointF(0, 3));
    painter.fillPath(shape, toQColor(SatinPanelColors::fill(theme_.dark)));
    const RGB edge =
        theme_.increaseContrast ? SatinPanelColors::edge(theme_.dark) : SatinPanelColors::border(theme_.dark);
    QPainterPath inner;
    inner.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), capsuleHeight / 2 - 0.5,
                         capsuleHeight / 2 - 0.5);
    painter.strokePath(inner, QPen(toQColor(edge), 1));

    const QString number = QString::number(count_);
    const QFontMetricsF numberMetrics(countFont());
    QPointF pen(box.left() + 12, box.center().y() + numberMetrics.ascent() / 2 - numberMetrics.descent() / 2);
    painter.setPen(toQColor(LabelColors::primary(theme_.dark)));
    painter.setFont(countFont());
    painter.drawText(pen, number);
    pen.rx() += numberMetrics.horizontalAdvance(number);
    painter.setFont(unitFont());
    painter.drawText(pen, u' ' + unit_.word(count_));
}
